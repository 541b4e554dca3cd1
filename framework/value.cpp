#include "framework/value.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace fw {
namespace {

constexpr double kTwoTo63 = 9223372036854775808.0;  // 2^63, exact as a double
constexpr double kTwoTo53 = 9007199254740992.0;     // from here on a double skips whole numbers

// A whole value that a double holds with every digit: below 2^53 in magnitude.
bool IsExactWhole(double value) {
  return std::fabs(value) < kTwoTo53 && value == std::floor(value);
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithNoCase(std::string_view text, std::string_view word) {
  if (text.size() < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (Lower(text[i]) != word[i]) return false;
  }
  return true;
}

std::string_view SkipBlanks(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  return text.substr(i);
}

// The parts of the number at the start of a text: [+-]digits[.digits][(e|E)[+-]digits].
struct NumberPrefix {
  bool negative = false;
  std::string_view integerDigits;   // before the point
  std::string_view fractionDigits;  // after the point
  std::string_view mantissa;        // digits and point, without the sign
  std::string_view exponent;        // the exponent part with its letter, or empty
};

std::optional<NumberPrefix> ScanNumber(std::string_view text) {
  NumberPrefix n;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) n.negative = text[i++] == '-';
  const std::size_t start = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  n.integerDigits = text.substr(start, i - start);
  if (i < text.size() && text[i] == '.') {
    const std::size_t fractionStart = ++i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    n.fractionDigits = text.substr(fractionStart, i - fractionStart);
  }
  if (n.integerDigits.empty() && n.fractionDigits.empty()) return std::nullopt;
  n.mantissa = text.substr(start, i - start);
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t digitsStart = j;
    while (j < text.size() && IsDigit(text[j])) ++j;
    if (j > digitsStart) n.exponent = text.substr(i, j - i);
  }
  return n;
}

double ParseNumber(const NumberPrefix& n) {
  std::string plain(n.mantissa);
  if (plain.front() == '.') plain.insert(plain.begin(), '0');
  if (plain.back() == '.') plain.pop_back();
  plain += n.exponent;
  double value = 0.0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  (void)end;
  if (error == std::errc::result_out_of_range) {
    // from_chars leaves the value alone when it does not fit: overflow or underflow follows
    // from the decimal position of the first significant digit.
    long position = 0;
    if (!n.exponent.empty()) {
      std::string_view digits = n.exponent.substr(1);
      const bool negativeExponent = digits.front() == '-';
      if (digits.front() == '+' || digits.front() == '-') digits.remove_prefix(1);
      for (char c : digits) {
        if (position < 1000000) position = position * 10 + (c - '0');
      }
      if (negativeExponent) position = -position;
    }
    const std::size_t significant = n.integerDigits.find_first_not_of('0');
    if (significant != std::string_view::npos) {
      position += static_cast<long>(n.integerDigits.size() - significant);
    } else {
      position -= static_cast<long>(
          std::min(n.fractionDigits.find_first_not_of('0'), n.fractionDigits.size()));
    }
    value = position > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return n.negative ? -value : value;
}

}  // namespace

double Val(std::string_view text) {
  text = SkipBlanks(text);
  bool negative = false;
  std::string_view rest = text;
  if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
    negative = rest.front() == '-';
    rest.remove_prefix(1);
  }
  if (StartsWithNoCase(rest, "inf")) {
    return negative ? -std::numeric_limits<double>::infinity()
                    : std::numeric_limits<double>::infinity();
  }
  if (StartsWithNoCase(rest, "nan")) return std::numeric_limits<double>::quiet_NaN();
  const std::optional<NumberPrefix> number = ScanNumber(text);
  return number ? ParseNumber(*number) : 0.0;
}

double CDbl(std::string_view text) {
  return Val(text);
}

std::string Str(std::int64_t value) {
  char buffer[24];  // 19 digits and a sign
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string Str(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0.0) return "0";  // negative zero too
  // Every whole value below 2^53 is exact in a double, so all its digits are true digits.
  if (IsExactWhole(value)) return Str(static_cast<std::int64_t>(value));
  // Otherwise fifteen significant digits, the shortest of fixed and exponent form as %.15g writes
  // them in the C locale, rather than digits the double does not hold. Next to the largest double,
  // fifteen digits can round past it ("1.79769313486232e+308" reads as infinite): drop digits
  // until the text reads back as a finite value.
  char buffer[32];
  std::to_chars_result result{};
  double readBack = 0.0;
  for (int digits = 15; digits > 0; --digits) {
    result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    readBack = Val(std::string_view(buffer, result.ptr - buffer));
    if (std::isfinite(readBack)) break;
  }
  // Next to 10^15 and 2^53, fifteen digits in exponent form can read back as a whole value below
  // 2^53, which is written with all its digits: "1e+15" for 999999999999999.9,
  // "9.00719925474099e+15" for 2^53. Such a text would not read back as itself. Write the
  // shortest digits that read back as the value instead, in exponent form for a whole value
  // (which lies beyond 2^53, where a double skips whole numbers), in fixed form for one that is
  // not whole.
  const bool exponent = std::find(buffer, result.ptr, 'e') != result.ptr;
  if (exponent && IsExactWhole(readBack)) {
    const bool whole = value == std::floor(value);
    result = std::to_chars(buffer, buffer + sizeof buffer, value,
                           whole ? std::chars_format::scientific : std::chars_format::fixed);
  }
  return std::string(buffer, result.ptr);
}

double Abs(double x) {
  return std::fabs(x);
}
double Floor(double x) {
  return std::floor(x);
}
double Round(double x) {
  return std::round(x);
}

std::int64_t trunc(double x) {
  if (std::isnan(x) || x >= kTwoTo63 || x < -kTwoTo63) return kOutOfRange;
  return static_cast<std::int64_t>(x);
}

std::int64_t TruncText(std::string_view text) {
  const std::string_view rest = SkipBlanks(text);
  const std::optional<NumberPrefix> number = ScanNumber(rest);
  if (!number || !number->exponent.empty()) return trunc(Val(text));
  // The integer digits alone decide the truncated value; accumulate the magnitude in unsigned
  // arithmetic and give up beyond 2^63.
  constexpr std::uint64_t kLimit = std::uint64_t{1} << 63;
  std::uint64_t magnitude = 0;
  for (char c : number->integerDigits) {
    const auto digit = static_cast<std::uint64_t>(c - '0');
    if (magnitude > (kLimit - digit) / 10) return kOutOfRange;
    magnitude = magnitude * 10 + digit;
  }
  if (magnitude == kLimit) return kOutOfRange;
  const auto signedMagnitude = static_cast<std::int64_t>(magnitude);
  return number->negative ? -signedMagnitude : signedMagnitude;
}

}  // namespace fw
