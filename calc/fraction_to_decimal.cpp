// "Calculate" of Fraction to Decimal: the mixed number main, topper / bottomer becomes its
// decimal value in answerd. Only a positive numerator over a positive denominator gives a value;
// a denominator that reads as 0 gives "Undefined"; anything else leaves answerd empty.
#include <cstdint>
#include <optional>

#include "calc/calc_window.h"
#include "calc/conversion_text.h"
#include "framework/value.h"

namespace calc {
namespace {

// T / B in doubles. A denominator that reads above 0 but below 1 truncates to 0: there is
// nothing to divide by, so the caller shows "Undefined" as for a denominator of 0.
std::optional<double> Quotient(std::int64_t T, std::int64_t B) {
  if (B == 0) return std::nullopt;
  return static_cast<double>(T) / static_cast<double>(B);
}

}  // namespace

void CalcWindow::PushButton3_Action(fw::PushButton& /*button*/) {
  answerd().SetText("");

  if (fw::Val(topper().Text()) > 0 && fw::Val(bottomer().Text()) > 0 &&
      fw::Val(main().Text()) > 0) {
    const std::int64_t T = fw::trunc(fw::Val(topper().Text()));
    const std::int64_t B = fw::trunc(fw::Val(bottomer().Text()));
    const std::int64_t W = fw::trunc(fw::Val(main().Text()));
    const std::optional<double> Q = Quotient(T, B);
    answerd().SetText(Q ? fw::Str(static_cast<double>(W) + *Q) : conversion::kUndefined);
  } else if (fw::Val(topper().Text()) > 0 && fw::Val(bottomer().Text()) > 0) {
    // The whole part is 0, empty or negative: the fraction alone, or, when the whole part reads
    // as negative, minus the whole part's magnitude plus the fraction (a whole part between -1
    // and 0 has magnitude 0 and only makes the answer negative).
    const std::int64_t T = fw::trunc(fw::Val(topper().Text()));
    const std::int64_t B = fw::trunc(fw::Val(bottomer().Text()));
    const std::optional<double> Q = Quotient(T, B);
    if (!Q) {
      answerd().SetText(conversion::kUndefined);
      return;
    }
    answerd().SetText(fw::Str(*Q));
    if (fw::CDbl(main().Text()) < 0) {
      const double V = static_cast<double>(
          fw::trunc(fw::Abs(static_cast<double>(fw::trunc(fw::CDbl(main().Text()))))));
      answerd().SetText(fw::Str(-(V + *Q)));
    }
  } else if (fw::Val(bottomer().Text()) == 0) {
    answerd().SetText(conversion::kUndefined);
  }
}

}  // namespace calc
