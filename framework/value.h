// Number <-> text conversions used by every handler. Fields hold numbers as text; these
// functions are the only way the program turns one into the other.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace fw {

// What trunc and TruncText give for a value they cannot truncate to a 64-bit integer: NaN, an
// infinity, or a magnitude of 2^63 or more. It is -2^63, the smallest 64-bit integer.
inline constexpr std::int64_t kOutOfRange = std::numeric_limits<std::int64_t>::min();

// Reads the longest number at the start of `text` (after leading blanks): [+-]digits[.digits]
// with an optional exponent, ".5" and "5." included, or INF / NAN in any case. Anything else,
// the empty text included, reads as 0. Independent of the locale.
double Val(std::string_view text);
// Reads exactly as Val does; kept apart because the handlers name which one they use.
double CDbl(std::string_view text);

// Decimal digits of a 64-bit integer, "-" in front when negative.
std::string Str(std::int64_t value);
// C notation: a whole value of magnitude below 2^53 gives all its digits ("-0" gives "0",
// "4503599627370495"); any other finite value 15 significant digits as %.15g writes them in the C
// locale ("9.00719925474099e+15" for 2^53 + 8, "0.333333333333333"), except where those would
// read back as another whole value below 2^53: there the shortest digits that read back as the
// value, "999999999999999.9" rather than "1e+15", "9.007199254740992e+15" for 2^53. Infinities
// and NaN give "INF", "-INF", "NAN". Val of any text this writes reads back to a value that this
// writes as the same text.
std::string Str(double value);

double Abs(double x);
double Floor(double x);
// Nearest whole number; halves go away from zero.
double Round(double x);

// Truncation toward zero to a 64-bit integer; NaN and values outside [-2^63, 2^63) give -2^63.
std::int64_t trunc(double x);

// trunc(Val(text)) computed without passing through a double: a decimal text without exponent
// gives its exact integer part in the full 64-bit range (-2^63 when its magnitude is 2^63 or
// more). Other texts (exponents, INF, NAN) give trunc(Val(text)).
std::int64_t TruncText(std::string_view text);

}  // namespace fw
