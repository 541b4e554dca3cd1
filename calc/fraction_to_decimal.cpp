// "Calculate" of Fraction to Decimal: the mixed number main, topper / bottomer becomes its
// decimal value in answerd. Only a positive numerator over a positive denominator gives a value;
// a denominator that reads as 0 gives "Undefined"; a part too large for a 64-bit whole number
// gives "Overflow"; anything else leaves answerd empty.
#include <cstdint>
#include <optional>

#include "calc/calc_window.h"
#include "calc/conversion_text.h"
#include "calc/result_texts.h"
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
    const std::optional<std::int64_t> T = conversion::WholePart(topper().Text());
    const std::optional<std::int64_t> B = conversion::WholePart(bottomer().Text());
    const std::optional<std::int64_t> W = conversion::WholePart(main().Text());
    if (!T || !B || !W) {
      answerd().SetText(kOverflow);
      return;
    }
    const std::optional<double> Q = Quotient(*T, *B);
    answerd().SetText(Q ? fw::Str(static_cast<double>(*W) + *Q) : kUndefined);
  } else if (fw::Val(topper().Text()) > 0 && fw::Val(bottomer().Text()) > 0) {
    // The whole part is 0, empty or negative: the fraction alone, or, when the whole part reads
    // as negative, minus the whole part's magnitude plus the fraction (a whole part between -1
    // and 0 has magnitude 0 and only makes the answer negative).
    const std::optional<std::int64_t> T = conversion::WholePart(topper().Text());
    const std::optional<std::int64_t> B = conversion::WholePart(bottomer().Text());
    if (!T || !B) {
      answerd().SetText(kOverflow);
      return;
    }
    const std::optional<double> Q = Quotient(*T, *B);
    if (!Q) {
      answerd().SetText(kUndefined);
      return;
    }
    answerd().SetText(fw::Str(*Q));
    if (fw::CDbl(main().Text()) < 0) {
      const std::optional<std::int64_t> whole = conversion::WholePart(main().Text());
      if (!whole) {
        answerd().SetText(kOverflow);
        return;
      }
      const double V = fw::Abs(static_cast<double>(*whole));
      answerd().SetText(fw::Str(-(V + *Q)));
    }
  } else if (fw::Val(bottomer().Text()) == 0) {
    answerd().SetText(kUndefined);
  }
}

}  // namespace calc
