// Fuzzes the value functions: no input may crash them, Val and CDbl read every text alike,
// whatever Str writes is C notation with at most 15 significant digits close to the value, and
// it reads back to a value Str writes as the same text. The C library runs in a locale with a
// decimal comma, as the toolkit leaves it for such a user: no text may change with it.
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
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

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// A finite value: bare integer digits when it is whole and below 2^53; otherwise an optional
// "-", digits with at most one point, an optional exponent "e+NN" / "e-NN", and either at most 15
// significant digits within their rounding of the value (next to the largest double Str may drop
// digits), or, where those would read back as a whole value below 2^53, at most 17 that read
// back as the value itself.
void CheckNotation(double value, const std::string& text) {
  if (!std::isfinite(value)) {
    Check(text == (std::isnan(value) ? "NAN" : value < 0 ? "-INF" : "INF"));
    return;
  }
  if (value == std::floor(value) && std::fabs(value) < 9007199254740992.0) {
    Check(text == fw::Str(static_cast<std::int64_t>(value)));
    return;
  }
  std::size_t i = !text.empty() && text[0] == '-' ? 1 : 0;
  Check(i < text.size() && IsDigit(text[i]));
  bool point = false;
  int significant = 0;
  for (; i < text.size() && text[i] != 'e'; ++i) {
    if (text[i] == '.') {
      Check(!point);
      point = true;
      continue;
    }
    Check(IsDigit(text[i]));
    if (significant > 0 || text[i] != '0') ++significant;
  }
  Check(significant >= 1 && significant <= 17);
  if (i < text.size()) {
    Check(i + 3 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-'));
    for (i += 2; i < text.size(); ++i) Check(IsDigit(text[i]));
  }
  if (significant > 15) {
    Check(SameValue(fw::Val(text), value));
    Check(std::fabs(value) >= 1e14 && std::fabs(value) < 1e16);
  } else if (std::isnormal(value) && std::fabs(value) < 1e308) {
    Check(std::fabs(fw::Val(text) - value) <= 1e-14 * std::fabs(value));
  }
}

void CheckRoundTrip(double value) {
  const std::string text = fw::Str(value);
  CheckNotation(value, text);
  Check(fw::Str(fw::Val(text)) == text);
  Check(fw::Str(fw::CDbl(text)) == text);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  (void)argc;
  (void)argv;
  // scripts/test.sh generates this locale; without it the run stays in the C locale.
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
    std::fputs("fuzz-values: no de_DE.UTF-8 locale, running in the C locale\n", stderr);
  }
  return 0;
}

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
