// "Calculate" of Decimal to Fraction: the decimal in dec becomes a whole part in main2 and a
// fraction in topnum / bnum, taken to 1/100000 and reduced; the rounding check boxes may ask for
// the fraction to the nearest 1/8, 1/16, 1/32 or 1/64 instead, or for feet and inches.
#include <cstdint>
#include <optional>

#include "calc/calc_window.h"
#include "calc/conversion_text.h"
#include "calc/result_texts.h"
#include "framework/value.h"

namespace calc {
namespace {

// What the rounding check boxes ask for.
struct RoundingChoice {
  enum Kind { kNone, kFeetAndInches, kNearest };
  Kind kind = kNone;
  double K = 0.0;           // kNearest: the fraction goes to the nearest 1/K
  const char* K_text = "";  // the denominator written for it
};

// The boxes are read in priority order; the first one found checked decides and the later ones
// are not read, so the result does not depend on the boxes excluding each other.
RoundingChoice ReadRoundingChoice(const CalcWindow& window) {
  if (window.CheckBox5().Value()) return {RoundingChoice::kFeetAndInches};
  if (window.CheckBox1().Value()) return {RoundingChoice::kNearest, 8.0, "8"};
  if (window.CheckBox2().Value()) return {RoundingChoice::kNearest, 16.0, "16"};
  if (window.CheckBox3().Value()) return {RoundingChoice::kNearest, 32.0, "32"};
  if (window.CheckBox4().Value()) return {RoundingChoice::kNearest, 64.0, "64"};
  return {};
}

// N / D to the nearest 1/K, reduced. The whole part is left alone: a fraction that rounds up to
// K/K shows as 1 over 1 beside it.
void RoundToNearest(CalcWindow& window, double N, double D, const RoundingChoice& choice) {
  const std::int64_t P = fw::trunc(choice.K * N);
  const double Q = fw::Round(static_cast<double>(P) / D);
  window.topnum().SetText(fw::Str(Q));
  window.bnum().SetText(choice.K_text);
  window.reduction();
}

// The decimal read as a length in feet: feet and whole inches in main2, the inch fraction in
// sixteenths. For a positive decimal, sixteenths that round up to a full inch carry into the
// inches, and inches that reach twelve carry into the feet.
void WriteFeetAndInches(CalcWindow& window, double N, double D, std::int64_t S) {
  const std::int64_t I = fw::trunc(12.0 * N);
  const double WI = fw::Floor(static_cast<double>(I) / D);
  const double FI = static_cast<double>(I) / D - WI;
  // The feet are the whole part shown in main2, read by the rule the press read dec by, so they
  // equal the whole part it computed: exact for an integer text (through a double, whole parts
  // above 2^53 would change), and 6 for a typed 5.9999999999999999999, whose double is 6.0 and
  // leaves no inches.
  const std::optional<std::int64_t> FT = conversion::WholePart(window.main2().Text());
  if (!FT) {  // main2 holds a whole part dec already gave, so this is only a safeguard
    window.main2().SetText(kOverflow);
    return;
  }
  window.main2().SetText(conversion::FeetAndInches(*FT, WI));
  window.topnum().SetText(fw::Str(fw::Round(16.0 * FI)));
  window.bnum().SetText("16");
  window.reduction();

  const double V = fw::CDbl(window.dec().Text());
  const std::int64_t T = fw::trunc(fw::CDbl(window.topnum().Text()));
  if (window.bnum().Text() == "1" && V > static_cast<double>(S) && 0 < T) {
    window.topnum().SetText("");
    window.bnum().SetText("");
    window.main2().SetText(conversion::FeetAndInches(*FT, 1.0 + WI));
  }
  if (window.bnum().Text().empty() && window.topnum().Text().empty() && 1.0 + WI == 12.0) {
    window.main2().SetText(conversion::NextFoot(*FT));
  }
}

}  // namespace

void CalcWindow::PushButton4_Action(fw::PushButton& /*button*/) {
  main2().SetText("");
  topnum().SetText("");
  bnum().SetText("");

  // The whole part, exact for an integer text; W is its magnitude and S, the sign source, the
  // whole part itself (Val and CDbl read alike).
  const std::optional<std::int64_t> whole = conversion::WholePart(dec().Text());
  if (!whole) {
    main2().SetText(kOverflow);
    return;
  }
  const std::int64_t W = *whole < 0 ? -*whole : *whole;  // never -2^63, which has no magnitude
  const double M = fw::Abs(fw::Val(dec().Text()));
  const std::int64_t S = *whole;

  // The fraction part in hundred-thousandths, with no tolerance: for 5.00001 it comes out just
  // below 1, which counts as no fraction.
  const double F = (M - static_cast<double>(W)) * 100000.0;
  if (F >= 1.0) {
    const double R = fw::Round(F);
    main2().SetText(fw::Str(W));
    topnum().SetText(fw::Str(R));
    bnum().SetText("100000");
  }
  reduction();
  // A decimal above -1 truncates to S = 0 and keeps its whole part "0" unsigned. The whole part
  // of a negative decimal shows the same digits as that of the positive one.
  if (S < 0) main2().SetText(fw::Str(0 - W));
  // No fraction: the whole part is the decimal as typed, over a fraction 0/1.
  if (fw::CDbl(topnum().Text()) == 0 && fw::CDbl(bnum().Text()) == 0) {
    bnum().SetText("1");
    main2().SetText(dec().Text());
  }
  const double N = fw::CDbl(topnum().Text());
  const double D = fw::CDbl(bnum().Text());

  const RoundingChoice choice = ReadRoundingChoice(*this);
  if (choice.kind == RoundingChoice::kFeetAndInches) {
    WriteFeetAndInches(*this, N, D, S);
  } else if (choice.kind == RoundingChoice::kNearest) {
    RoundToNearest(*this, N, D, choice);
  }
}

}  // namespace calc
