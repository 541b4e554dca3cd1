// Texts and 64-bit guards shared by the two converters of the Fraction/Decimal tab.
#pragma once

#include <cstdint>
#include <string>

#include "calc/result_texts.h"
#include "framework/value.h"

namespace calc::conversion {

// Whether a magnitude has a whole part that a 64-bit signed integer holds: below 2^63.
// Infinity fails the test, and so does NaN (every comparison with it is false).
inline bool HasWholePart64(double magnitude) {
  return magnitude < 0x1p63;
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
