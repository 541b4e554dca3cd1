// Texts and 64-bit readings shared by the two converters of the Fraction/Decimal tab.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/result_texts.h"
#include "framework/value.h"

namespace calc::conversion {

// Whether a text is a plain integer: an optional sign, then digits and nothing else.
inline bool IsIntegerText(std::string_view text) {
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The whole part of a number typed into a field, truncated toward zero; none where no 64-bit
// integer holds it (a magnitude of 2^63 or more, infinity, not a number). A plain integer text is
// taken exactly, as the Calculator takes its operands: through a double, the texts from 2^63 - 512
// up would read as 2^63. Any other text goes through its double.
inline std::optional<std::int64_t> WholePart(std::string_view text) {
  const std::int64_t whole = IsIntegerText(text) ? fw::TruncText(text) : fw::trunc(fw::Val(text));
  if (whole == fw::kOutOfRange) return std::nullopt;
  return whole;
}

// "FT ft WI in ": the text keeps the blank after "in".
inline std::string FeetAndInches(std::int64_t feet, double inches) {
  return fw::Str(feet) + " ft " + fw::Str(inches) + " in ";
}

// The next whole foot with no inches, "FT+1 ft 0 in"; "Overflow" when FT + 1 leaves the 64-bit
// range.
inline std::string NextFoot(std::int64_t feet) {
  std::int64_t next = 0;
  if (__builtin_add_overflow(feet, std::int64_t{1}, &next)) return kOverflow;
  return fw::Str(next) + " ft 0 in";
}

}  // namespace calc::conversion
