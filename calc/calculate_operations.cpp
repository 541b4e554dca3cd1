// The four operations of "Calculate" on two mixed numbers. Each works on the magnitudes of the
// operand parts and takes the result's sign from the two sign flags. The arithmetic is exact, on
// integers wide enough that no step can overflow; only a result too large for the fields gives
// "Overflow". Everything is decided before the first write, so such a result, like a division by
// zero, leaves the result fields empty and says why in EditField4.
#include <cstdint>
#include <limits>
#include <string>

#include "calc/calc_window.h"
#include "calc/calculate.h"
#include "calc/result_texts.h"
#include "calc/wide.h"
#include "framework/value.h"

namespace calc {
namespace {

// The operand parts without their signs; fw::kOutOfRange for a part too large for 64 bits.
struct Magnitudes {
  std::int64_t w1, w2, t1, t2, d1, d2;
};

std::int64_t MagnitudeOf(const fw::TextField& field) {
  const std::int64_t value = fw::TruncText(field.Text());
  if (value == fw::kOutOfRange) return fw::kOutOfRange;
  return value < 0 ? -value : value;
}

Magnitudes ReadMagnitudes(const CalcWindow& window) {
  Magnitudes m{};
  m.w1 = MagnitudeOf(window.whole1());
  m.w2 = MagnitudeOf(window.whole2());
  m.t1 = MagnitudeOf(window.numtop1());
  m.t2 = MagnitudeOf(window.numtop2());
  m.d1 = MagnitudeOf(window.numbottom1());
  m.d2 = MagnitudeOf(window.numbottom2());
  return m;
}

// The unreduced result of an operation: a signed numerator over a positive denominator.
struct Unreduced {
  Wide numerator;
  Wide denominator;
};

Unreduced Compute(const Magnitudes& m, Operation operation, const SignFlags& signs) {
  const Wide N1 = Wide(m.w1) * m.d1 + m.t1;
  const Wide N2 = Wide(m.w2) * m.d2 + m.t2;
  switch (operation) {
    case Operation::kAdd:
    case Operation::kSubtract: {
      // Over the common denominator d1 d2, each term taking the sign of its own operand.
      Wide P1 = N1 * m.d2;
      Wide P2 = N2 * m.d1;
      if (signs.flag1 == "-") P1 = -P1;
      if (signs.flag2 == "-") P2 = -P2;
      return {operation == Operation::kAdd ? P1 + P2 : P1 - P2, Wide(m.d1) * m.d2};
    }
    case Operation::kMultiply: {
      const Wide product = N1 * N2;
      return {signs.ExactlyOneNegative() ? -product : product, Wide(m.d1) * m.d2};
    }
    case Operation::kDivide: {
      // Cross-multiplied: (N1 / d1) / (N2 / d2) is N1 d2 over d1 N2.
      const Wide quotient = N1 * m.d2;
      return {signs.ExactlyOneNegative() ? -quotient : quotient, m.d1 * N2};
    }
  }
  return {0, 1};
}

// The result as the fields show it: the whole part (0 leaves EditField3 empty) and the reduced
// fraction (0 over 1 when there is none). A negative result carries its sign on the whole part
// when there is one, else on the numerator.
struct Shown {
  Wide whole;
  Wide numerator;
  Wide denominator;
};

// Splits the whole part off a numerator whose magnitude is strictly greater than the denominator
// (4 over 4 stays a fraction), reduces what is left and puts the sign on.
Shown AsShown(const Unreduced& u) {
  Wide m = abs(u.numerator);
  Wide whole = 0;
  if (m > u.denominator) {
    whole = m / u.denominator;
    m %= u.denominator;
  }
  // A zero fraction is never shown (the press blanks its fields), so it goes as 0 over 1.
  // Otherwise m is below the denominator after a split and at most equal to it without one, so
  // the denominator divides m only when the two are equal. Such a denominator is prime only
  // below 2^64, where the reduction tests it: d1 d2 is prime only as a prime d1 or d2 (below
  // 2^63) times 1; d1 N2 only with d1 = 1 and N2 prime, and N1 d2 = N2 then forces N1 = 1
  // (N2 = d2) or d2 = 1 (N2 = w2 + t2).
  Fraction f{0, 1};
  if (m != 0) f = Reduced({m, u.denominator});
  if (u.numerator < 0) {
    if (whole != 0) {
      whole = -whole;
    } else {
      f.a = -f.a;
    }
  }
  return {whole, f.a, f.b};
}

// A result field shows a 64-bit whole number; -2^63 is what a part out of range reads as, so no
// result shows it.
bool FitsAField(const Wide& value) {
  return abs(value) <= std::numeric_limits<std::int64_t>::max();
}

std::string FieldText(const Wide& fitting) {
  return fw::Str(static_cast<std::int64_t>(fitting));
}

}  // namespace

void RunOperation(CalcWindow& window, Operation operation, const SignFlags& signs) {
  const Magnitudes m = ReadMagnitudes(window);
  // A denominator below 1 in size computes nothing, silently.
  if (m.d2 == 0 || m.d1 == 0) return;
  for (std::int64_t part : {m.w1, m.w2, m.t1, m.t2, m.d1, m.d2}) {
    if (part == fw::kOutOfRange) {
      window.EditField4().SetText(kOverflow);
      return;
    }
  }
  if (operation == Operation::kDivide && m.w2 == 0 && m.t2 == 0) {
    window.EditField4().SetText(kUndefined);
    return;
  }
  const Shown result = AsShown(Compute(m, operation, signs));
  if (!FitsAField(result.whole) || !FitsAField(result.numerator) ||
      !FitsAField(result.denominator)) {
    window.EditField4().SetText(kOverflow);
    return;
  }

  window.EditField2().SetText(FieldText(result.denominator));
  window.EditField1().SetText(FieldText(result.numerator));
  if (result.whole != 0) window.EditField3().SetText(FieldText(result.whole));
  // Reducing the fraction again changes nothing; reduce writes the decimal of the whole result.
  window.reduce();
}

}  // namespace calc
