// The four operations of "Calculate" on two mixed numbers. Each works on the magnitudes of the
// operand parts in exact 64-bit integers and takes the result's sign from the two sign flags.
// Everything is checked before the first write, so a result that cannot be given exactly leaves
// the result fields empty and says why in EditField4.
#include <cstdint>
#include <limits>

#include "calc/calc_window.h"
#include "calc/calculate.h"
#include "calc/integers.h"
#include "calc/result_texts.h"
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

// 64-bit arithmetic that remembers whether any step overflowed.
class Checked {
 public:
  std::int64_t Add(std::int64_t a, std::int64_t b) {
    std::int64_t r;
    overflow_ |= __builtin_add_overflow(a, b, &r);
    return r;
  }
  std::int64_t Sub(std::int64_t a, std::int64_t b) {
    std::int64_t r;
    overflow_ |= __builtin_sub_overflow(a, b, &r);
    return r;
  }
  std::int64_t Mul(std::int64_t a, std::int64_t b) {
    std::int64_t r;
    overflow_ |= __builtin_mul_overflow(a, b, &r);
    return r;
  }
  std::int64_t Negate(std::int64_t a) { return Sub(0, a); }
  bool Overflowed() const { return overflow_; }

 private:
  bool overflow_ = false;
};

// The unreduced result as the operation first writes it: numerator over a positive denominator.
struct Fraction {
  std::int64_t numerator = 0;
  std::int64_t denominator = 1;
};

Fraction Compute(const Magnitudes& m, Operation operation, const SignFlags& signs, Checked& c) {
  const std::int64_t N1 = c.Add(c.Mul(m.w1, m.d1), m.t1);
  const std::int64_t N2 = c.Add(c.Mul(m.w2, m.d2), m.t2);
  switch (operation) {
    case Operation::kAdd:
    case Operation::kSubtract: {
      // Over the common denominator d1 d2, each term taking the sign of its own operand.
      std::int64_t P1 = c.Mul(N1, m.d2);
      std::int64_t P2 = c.Mul(N2, m.d1);
      if (signs.flag1 == "-") P1 = c.Negate(P1);
      if (signs.flag2 == "-") P2 = c.Negate(P2);
      const std::int64_t sum = operation == Operation::kAdd ? c.Add(P1, P2) : c.Sub(P1, P2);
      return {sum, c.Mul(m.d1, m.d2)};
    }
    case Operation::kMultiply:
      return {c.Mul(N1, N2), c.Mul(m.d1, m.d2)};
    case Operation::kDivide:
      return {c.Mul(N1, m.d2), c.Mul(m.d1, N2)};
  }
  return {};
}

// The whole part split off a numerator larger than the denominator must fit 64 bits too; only
// -2^63 over 1 gives one that does not.
bool WholePartFits(const Fraction& f) {
  constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
  return UnsignedMagnitude(f.numerator) / static_cast<std::uint64_t>(f.denominator) <= kMax;
}

// Splits the whole part off the fraction in EditField1 / EditField2 when the numerator's
// magnitude is strictly greater than the denominator (4 over 4 stays a fraction): EditField3 gets
// the whole part, negated when `negativeWhole` says so, and EditField1 the unsigned remainder.
// Gives the whole part, 0 when nothing was split off.
template <class NegativeWhole>
std::int64_t SplitWholePart(CalcWindow& window, NegativeWhole negativeWhole) {
  const std::uint64_t m = UnsignedMagnitude(fw::TruncText(window.EditField1().Text()));
  const auto den = static_cast<std::uint64_t>(fw::TruncText(window.EditField2().Text()));
  if (!(m > den)) return 0;
  const auto whole = static_cast<std::int64_t>(m / den);
  const auto r = static_cast<std::int64_t>(m % den);
  window.EditField3().SetText(fw::Str(whole));
  if (negativeWhole()) window.EditField3().SetText(fw::Str(-whole));
  window.EditField1().SetText(fw::Str(r));
  return whole;
}

// After a product or quotient: no whole part leaves EditField3 blank, and the sign of a
// negative result then goes onto the numerator.
void SignWithoutWholePart(CalcWindow& window, const SignFlags& signs) {
  if (fw::Val(window.EditField3().Text()) != 0) return;
  window.EditField3().SetText("");
  if (signs.ExactlyOneNegative()) {
    window.EditField1().SetText(fw::Str(-fw::TruncText(window.EditField1().Text())));
  }
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
  Checked c;
  const Fraction result = Compute(m, operation, signs, c);
  if (c.Overflowed() || !WholePartFits(result)) {
    window.EditField4().SetText(kOverflow);
    return;
  }

  window.EditField2().SetText(fw::Str(result.denominator));
  window.EditField1().SetText(fw::Str(result.numerator));
  switch (operation) {
    case Operation::kAdd:
    case Operation::kSubtract:
      // The whole part carries the sign of the sum; the remainder goes without one.
      SplitWholePart(window, [&window] { return fw::Val(window.EditField1().Text()) < 0; });
      break;
    case Operation::kMultiply: {
      const std::int64_t whole = SplitWholePart(window, [] { return false; });
      if (signs.ExactlyOneNegative()) window.EditField3().SetText(fw::Str(-whole));
      SignWithoutWholePart(window, signs);
      break;
    }
    case Operation::kDivide:
      SplitWholePart(window, [&signs] { return signs.ExactlyOneNegative(); });
      SignWithoutWholePart(window, signs);
      break;
  }
  window.reduce();
}

}  // namespace calc
