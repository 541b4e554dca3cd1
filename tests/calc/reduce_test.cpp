// reduce and reduction: the fraction that trial division up to half the denominator leaves, with
// the sign on the numerator and (reduce) the decimal of the whole result.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "calc/wide.h"
#include "tests/calc/calc_fixture.h"

namespace {

struct ReduceCase {
  std::string num, den, whole;
  std::string numAfter, denAfter, decimal;
};

class ReduceTest : public CalcFixture {};

TEST_F(ReduceTest, Reduce) {
  const std::vector<ReduceCase> cases = {
      {"2", "4", "3", "1", "2", "3.5"},
      {"8", "12", "2", "2", "3", "2.66666666666667"},
      {"0", "4", "2", "0", "1", "2"},
      {"0", "5", "", "0", "5", "0"},
      {"0", "6", "", "0", "1", "0"},
      {"2", "2", "", "2", "2", "1"},
      {"3", "3", "", "3", "3", "1"},
      {"5", "5", "", "5", "5", "1"},
      {"4", "4", "", "1", "1", "1"},
      {"9", "9", "", "1", "1", "1"},
      {"1000", "1000", "", "1", "1", "1"},
      {"4", "8", "", "1", "2", "0.5"},
      {"-6", "8", "", "-3", "4", "-0.75"},
      {"6", "-8", "", "-3", "4", "-0.75"},
      {"-6", "-8", "", "3", "4", "0.75"},
      {"1", "4", "-2", "1", "4", "-2.25"},
      {"-1", "4", "-2", "-1", "4", "-2.25"},
      {"3", "1", "", "3", "1", "3"},
      // A zero denominator divides nothing and gives an infinite or undefined decimal.
      {"1", "0", "", "1", "0", "INF"},
      {"-1", "0", "", "1", "0", "INF"},
      {"1", "0", "-2", "1", "0", "-INF"},
      {"0", "0", "", "0", "0", "NAN"},
      {"", "", "", "0", "0", "NAN"},
      // 3215031751 = 151 x 751 x 28351 passes Miller-Rabin for bases 2, 3, 5 and 7.
      {"151", "3215031751", "", "1", "21291601", "4.69668767510719e-08"},
      // The largest prime below 2^63 stays, numerator and all.
      {"9223372036854775782", "9223372036854775783", "", "9223372036854775782",
       "9223372036854775783", "1"},
      {"9223372036854775783", "9223372036854775783", "", "9223372036854775783",
       "9223372036854775783", "1"},
      // 2^63 - 1 = 7^2 x 73 x 127 x 337 x 92737 x 649657.
      {"-7", "9223372036854775807", "", "-1", "1317624576693539401", "-7.58941520739853e-19"},
      // 998244353 x 1000000007, two primes near 10^9.
      {"998244353", "998244359987710471", "", "1", "1000000007", "9.99999993e-10"},
      {"500000000000000000", "1000000000000000000", "", "1", "2", "0.5"},
      // A part beyond the 64-bit range reads as -2^63, so it counts as negative and its
      // magnitude 2^63 is written out in full.
      {"9223372036854775808", "4", "", "-2305843009213693952", "1", "-2.30584300921369e+18"},
      {"-9223372036854775809", "-3", "", "9223372036854775808", "3", "3.07445734561826e+18"},
  };
  for (const ReduceCase& c : cases) {
    window().EditField1().SetText(c.num);
    window().EditField2().SetText(c.den);
    window().EditField3().SetText(c.whole);
    window().reduce();
    EXPECT_EQ(window().EditField1().Text() + "/" + window().EditField2().Text(),
              c.numAfter + "/" + c.denAfter)
        << c.num << "/" << c.den;
    EXPECT_EQ(window().EditField4().Text(), c.decimal) << c.num << "/" << c.den;
    EXPECT_EQ(window().EditField3().Text(), c.whole);
  }
}

TEST_F(ReduceTest, Reduction) {
  const std::vector<std::vector<std::string>> cases = {
      {"62500", "100000", "5", "8"},
      {"100000", "100000", "1", "1"},
      {"3", "100000", "3", "100000"},
      {"16", "16", "1", "1"},
      {"0", "8", "0", "1"},
      {"10", "64", "5", "32"},
      {"", "", "0", "0"},
      {"-6", "8", "-3", "4"},
      {"7", "7", "7", "7"},
  };
  window().EditField4().SetText("untouched");
  for (const auto& c : cases) {
    window().topnum().SetText(c[0]);
    window().bnum().SetText(c[1]);
    window().reduction();
    EXPECT_EQ(window().topnum().Text() + "/" + window().bnum().Text(), c[2] + "/" + c[3])
        << c[0] << "/" << c[1];
  }
  EXPECT_EQ(window().EditField4().Text(), "untouched");
}

// The rule on values wider than 64 bits, as the Calculator's operations hand them over: a common
// factor below the denominator proves it composite; a wide denominator equal to the numerator
// is composite in every press, so it reduces to 1/1. A wide denominator that divides some other
// numerator would need a wide primality test: the rule refuses it rather than guess.
TEST(ReducedTest, WideFractions) {
  const calc::Wide p = calc::Wide(9223372036854775783);  // the largest prime below 2^63
  const calc::Wide q = calc::Wide(9223372036854775643);  // the next one down
  struct Case {
    calc::Wide a, b, aAfter, bAfter;
  };
  const Case cases[] = {
      {2 * p, 4 * p * q, 1, 2 * q},
      {p * q, p * q, 1, 1},
      {p, p * q, 1, q},
      {p - 1, p * q, p - 1, p * q},  // no common factor
      {7, 1, 7, 1},
  };
  for (const Case& c : cases) {
    const calc::Fraction r = calc::Reduced({c.a, c.b});
    EXPECT_EQ(r.a, c.aAfter) << c.a << "/" << c.b;
    EXPECT_EQ(r.b, c.bAfter) << c.a << "/" << c.b;
  }
  EXPECT_THROW(calc::Reduced({2 * p * q, p * q}), std::logic_error);
  EXPECT_THROW(calc::Reduced({0, p * q}), std::logic_error);
}

}  // namespace
