// The texts a computing handler shows where a result cannot be given as a number.
#pragma once

namespace calc {

// A part read from a field, or a result, lies beyond the 64-bit whole numbers a field shows.
inline constexpr char kOverflow[] = "Overflow";
// A division by zero (or by a denominator with no whole part to divide by).
inline constexpr char kUndefined[] = "Undefined";

}  // namespace calc
