// Exact 64-bit integer helpers shared by the computing handlers. Wrap-around, where a handler
// wants it, is done in unsigned arithmetic; overflow is otherwise detected, never silent.
#pragma once

#include <cstdint>
#include <limits>
#include <string>

#include "framework/value.h"

namespace calc {

inline std::int64_t WrappingAdd(std::int64_t a, std::int64_t b) {
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) + static_cast<std::uint64_t>(b));
}
inline std::int64_t WrappingNegate(std::int64_t a) {
  return static_cast<std::int64_t>(0u - static_cast<std::uint64_t>(a));
}
// |value| without overflow: the smallest 64-bit integer gives 2^63.
inline std::uint64_t UnsignedMagnitude(std::int64_t value) {
  return value < 0 ? 0u - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}

// The decimal digits of a signed magnitude of at most 2^63, "-" in front when negative and not 0.
inline std::string Digits(bool negative, std::uint64_t magnitude) {
  constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
  if (magnitude <= kMax) {
    const auto value = static_cast<std::int64_t>(magnitude);
    return fw::Str(negative ? -value : value);
  }
  // 2^63 itself: the digits of the smallest 64-bit integer, with or without its sign.
  const std::string digits = fw::Str(fw::kOutOfRange);
  return negative ? digits : digits.substr(1);
}

}  // namespace calc
