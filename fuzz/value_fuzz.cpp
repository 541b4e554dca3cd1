// Fuzzes the value functions: no input may crash them, Val and CDbl read every text alike, and
// whatever Str writes reads back to a value Str writes as the same text.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "framework/value.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

bool SameValue(double a, double b) {
  return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0;
}

void CheckRoundTrip(double value) {
  const std::string text = fw::Str(value);
  Check(fw::Str(fw::Val(text)) == text);
  Check(fw::Str(fw::CDbl(text)) == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const double value = fw::Val(text);
  Check(SameValue(value, fw::CDbl(text)));
  CheckRoundTrip(value);

  // TruncText is trunc(Val) made exact: both agree wherever the double is exact.
  const std::int64_t exact = fw::TruncText(text);
  if (std::fabs(value) < 4503599627370496.0 && value == std::floor(value) &&
      text.find_first_of(".eE") == std::string_view::npos) {
    Check(exact == fw::trunc(value));
  }

  // The raw bytes as a double and as an integer.
  if (size >= sizeof(double)) {
    double raw = 0;
    std::memcpy(&raw, data, sizeof raw);
    CheckRoundTrip(raw);
    std::int64_t integer = 0;
    std::memcpy(&integer, data, sizeof integer);
    const std::string digits = fw::Str(integer);
    if (integer != std::numeric_limits<std::int64_t>::min())
      Check(fw::TruncText(digits) == integer);
    Check(fw::trunc(fw::Round(raw)) == fw::trunc(std::round(raw)));
  }
  return 0;
}
