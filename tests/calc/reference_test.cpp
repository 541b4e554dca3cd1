// Random presses of the four operations, checked against a reference written from the
// Calculator's steps on unbounded integers: the improper numerators, the terms over d1 d2 (or the
// cross products of a division), the whole part split off a numerator greater than the
// denominator, the sign on the whole part or else on the numerator, trial division by 2 up to half
// the denominator, and the decimal of the reduced fraction plus the whole part. Trial division is
// run as written where the denominator is small enough to try every divisor; above that the
// reference takes the same fraction stated without the loop (a denominator of 0, 1 or a prime
// stays, any other is divided by the greatest common divisor). The reference shares none of the
// Calculator's arithmetic or reduction; it uses only the value functions (fw::Str, fw::Val), to
// write its integers and its decimal the way every field shows them.
#include <gtest/gtest.h>

#include <boost/multiprecision/cpp_int.hpp>
#include <boost/multiprecision/miller_rabin.hpp>
#include <boost/random/mersenne_twister.hpp>
#include <cstdint>
#include <iterator>
#include <limits>
#include <random>
#include <string>

#include "framework/value.h"
#include "tests/calc/calc_fixture.h"

namespace {

using Int = boost::multiprecision::cpp_int;

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

// One part as typed, and what the Calculator reads from it.
struct Part {
  std::string text;
  std::int64_t value = 0;   // the text truncated
  bool outOfRange = false;  // beyond 64 bits
  bool belowOne = false;    // such as 0.5: truncates to 0 but is not 0
};

struct Operand {
  Part whole, num, den;
};

// What the press shows, and whether an intermediate went beyond 64 bits.
struct Expected {
  ResultTexts result;
  bool wide = false;
};

// The literal loop of trial division, for a denominator small enough to try every divisor (the
// numerator is at most the denominator here, so both fit 64 bits).
void TrialDivision(Int& a, Int& b) {
  auto x = a.convert_to<std::int64_t>();
  auto y = b.convert_to<std::int64_t>();
  const std::int64_t last = y / 2;
  for (std::int64_t i = 2; i <= last; ++i) {
    while (x % i == 0 && y % i == 0) {
      x /= i;
      y /= i;
    }
  }
  a = x;
  b = y;
}

// The same fraction without the loop.
void DivideUnlessPrime(Int& a, Int& b) {
  boost::random::mt19937 generator(7);
  if (b <= 1 || boost::multiprecision::miller_rabin_test(b, 25, generator)) return;
  const Int g = gcd(a, b);
  a /= g;
  b /= g;
}

Int Magnitude(const Part& part) {
  return part.value < 0 ? -Int(part.value) : Int(part.value);
}

std::string FieldText(const Int& fitting) {
  return fw::Str(fitting.convert_to<std::int64_t>());
}

Expected Reference(const Operand& o1, Op op, const Operand& o2) {
  if (o1.den.belowOne || o2.den.belowOne) return {{"", "", "", "stale"}};
  for (const Part* part : {&o1.whole, &o1.num, &o1.den, &o2.whole, &o2.num, &o2.den}) {
    if (part->outOfRange) return {{"", "", "", "Overflow"}};
  }
  const Int w1 = Magnitude(o1.whole), t1 = Magnitude(o1.num), w2 = Magnitude(o2.whole),
            t2 = Magnitude(o2.num);
  const Int d1 = o1.den.value == 0 ? 1 : Magnitude(o1.den);
  const Int d2 = o2.den.value == 0 ? 1 : Magnitude(o2.den);
  if (op == kDivide && w2 == 0 && t2 == 0) return {{"", "", "", "Undefined"}};
  const bool negative1 = o1.whole.value < 0 || o1.num.value < 0;
  const bool negative2 = o2.whole.value < 0 || o2.num.value < 0;
  const bool exactlyOneNegative = negative1 != negative2;

  const Int N1 = w1 * d1 + t1;
  const Int N2 = w2 * d2 + t2;
  Int numerator, denominator;
  if (op == kPlus || op == kMinus) {
    Int P1 = N1 * d2;
    Int P2 = N2 * d1;
    if (negative1) P1 = -P1;
    if (negative2) P2 = -P2;
    numerator = P1 + (op == kPlus ? P2 : Int(-P2));
    denominator = d1 * d2;
  } else if (op == kTimes) {
    numerator = N1 * N2;
    denominator = d1 * d2;
  } else {
    numerator = N1 * d2;
    denominator = d1 * N2;
  }
  const bool resultNegative = (op == kPlus || op == kMinus) ? numerator < 0 : exactlyOneNegative;

  // The whole part, when the numerator's magnitude is strictly greater than the denominator,
  // carries the sign; else the numerator does.
  Int m = abs(numerator);
  Int whole = 0;
  if (m > denominator) {
    whole = m / denominator;
    m -= denominator * whole;
    if (resultNegative) whole = -whole;
  } else if (resultNegative) {
    m = -m;
  }

  // reduce: the magnitudes, then the sign back on the numerator.
  Int a = abs(m);
  Int b = denominator;
  if (b <= 1000000) {
    TrialDivision(a, b);
  } else {
    DivideUnlessPrime(a, b);
  }
  if (m < 0) a = -a;

  // The fields the press shows: a zero numerator blanks the fraction.
  if (abs(whole) > kMax || (a != 0 && (abs(a) > kMax || b > kMax))) {
    return {{"", "", "", "Overflow"}};
  }
  const std::string wholeText = whole == 0 ? "" : FieldText(whole);
  const double fraction = a == 0 ? 0.0
                                 : static_cast<double>(abs(a).convert_to<std::int64_t>()) /
                                       static_cast<double>(b.convert_to<std::int64_t>());
  std::string decimal = fw::Str(fraction + fw::Abs(fw::Val(wholeText)));
  if (fw::Val(wholeText) < 0 || a < 0) decimal = fw::Str(fw::Val(decimal) * -1.0);
  const bool wide = abs(numerator) > kMax || denominator > kMax;
  if (a == 0) return {{wholeText, "", "", decimal}, wide};
  return {{wholeText, FieldText(a), FieldText(b), decimal}, wide};
}

// Operands with parts of every size: empty, small, near 2^31 and 2^32 (whose products pass 2^63),
// near 2^62 and 2^63, primes near 2^63 and elsewhere, anything below 2^63; now and then a part
// beyond 64 bits or a denominator of 0.5. Operand 2 often shares operand 1's denominator, or is
// its fraction turned over, or equals it, so that big intermediates cancel.
class Presses {
 public:
  Operand First() {
    Operand o{Signed(Magnitude()), Signed(Magnitude()), Denominator()};
    if (Next(40) == 0) Rare(o);
    return o;
  }

  Operand Second(const Operand& first) {
    switch (Next(8)) {
      case 0:
        return first;
      case 1:
        return {Part{}, first.den, first.num};
      case 2:
      case 3: {
        Operand o = First();
        o.den = first.den;
        return o;
      }
      default:
        return First();
    }
  }

  Op Operation() { return static_cast<Op>(Next(4)); }

 private:
  std::uint64_t Next(std::uint64_t n) { return random_() % n; }
  std::int64_t Between(std::int64_t low, std::int64_t high) {
    return low + static_cast<std::int64_t>(Next(static_cast<std::uint64_t>(high - low) + 1));
  }

  std::int64_t Magnitude() {
    static constexpr std::int64_t kPrimes[] = {
        9223372036854775783, 9223372036854775643, 4611686018427387847, 4294967311,
        4294967357,          3037000493,          999999937,           1000003};
    switch (Next(9)) {
      case 0:
        return 0;
      case 1:
        return Between(1, 12);
      case 2:
        return Between(1, 1000);
      case 3:
        return Between(3037000400, 3037000600);
      case 4:
        return Between(4294967200, 4294967400);
      case 5:
        return (std::int64_t{1} << 62) + Between(-100, 100);
      case 6:
        return kMax - Between(0, 100);
      case 7:
        return kPrimes[Next(std::size(kPrimes))];
      default:
        return Between(0, kMax);
    }
  }

  // An integer part; 0 is typed as "" or "0".
  Part Typed(std::int64_t value) {
    return {value == 0 && Next(2) == 0 ? "" : fw::Str(value), value};
  }
  // A whole part or numerator, negative now and then.
  Part Signed(std::int64_t magnitude) { return Typed(Next(5) == 0 ? -magnitude : magnitude); }
  // Small denominators half of the time, so that trial division runs as written; the sign of a
  // denominator is ignored.
  Part Denominator() {
    const std::int64_t d = Next(2) == 0 ? Magnitude() : Between(0, Next(2) == 0 ? 12 : 1000);
    return Typed(Next(8) == 0 ? -d : d);
  }

  void Rare(Operand& o) {
    switch (Next(4)) {
      case 0:
        o.whole = {"9223372036854775808", 0, true};
        break;
      case 1:
        o.num = {"-9223372036854775808", 0, true};
        break;
      case 2:
        o.den = {"1e19", 0, true};
        break;
      default:
        o.den = {"0.5", 0, false, true};
        break;
    }
  }

  std::mt19937_64 random_{20240611};
};

class ReferenceTest : public CalcFixture {};

TEST_F(ReferenceTest, RandomPressesShowWhatTheStepsGiveOnUnboundedIntegers) {
  Presses presses;
  int wideShown = 0, overflows = 0, mismatches = 0;
  for (int i = 0; i < 3000 && mismatches < 10; ++i) {
    const Operand o1 = presses.First();
    const Operand o2 = presses.Second(o1);
    const Op op = presses.Operation();
    const Expected expected = Reference(o1, op, o2);
    const MixedTexts a{o1.whole.text, o1.num.text, o1.den.text};
    const MixedTexts b{o2.whole.text, o2.num.text, o2.den.text};
    window().EditField4().SetText("stale");
    Press(a, op, b);
    const ResultTexts shown = Result();
    if (shown != expected.result) ++mismatches;
    EXPECT_EQ(shown, expected.result) << PressCase{a, op, b, {}};
    wideShown += expected.wide && expected.result.decimal != "Overflow";
    overflows += expected.result.decimal == "Overflow";
  }
  // The presses reach both sides of the line.
  EXPECT_GT(wideShown, 300);
  EXPECT_GT(overflows, 300);
}

}  // namespace
