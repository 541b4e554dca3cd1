// Every step of an operation is exact, so a result shows whenever its fields can hold it: whole
// numbers in the full 64-bit range, and answers whose intermediate products go far beyond it.
// "Overflow" comes only from an operand out of range or a result a field cannot show, "Undefined"
// from a division by zero. Such a press is still counted, recorded and carried on.
#include <gtest/gtest.h>

#include <string>

#include "tests/calc/calc_fixture.h"

namespace {

using ExactTest = CalcFixture;

const ResultTexts kOverflow{"", "", "", "Overflow"};
const ResultTexts kUndefined{"", "", "", "Undefined"};
const ResultTexts kNothing{"", "", "", "stale"};

TEST_F(ExactTest, WholeNumbersAreExact) {
  Check({
      {{"9007199254740993", "", ""},
       kPlus,
       {"", "", ""},
       {"9007199254740993", "", "", "9.007199254740992e+15"}},
      {{"9007199254740991", "", ""},
       kPlus,
       {"2", "", ""},
       {"9007199254740993", "", "", "9.007199254740992e+15"}},
      {{"9007199254740993", "", ""}, kMinus, {"9007199254740994", "", ""}, {"", "-1", "1", "-1"}},
      {{"9223372036854775807", "", ""},
       kPlus,
       {"", "", ""},
       {"9223372036854775807", "", "", "9.22337203685478e+18"}},
      {{"-9223372036854775807", "", ""},
       kMinus,
       {"", "", ""},
       {"-9223372036854775807", "", "", "-9.22337203685478e+18"}},
      {{"", "9007199254740993", "2"},
       kTimes,
       {"", "1", "1"},
       {"4503599627370496", "1", "2", "4503599627370496"}},
      // 3037000499^2 is the largest square below 2^63.
      {{"3037000499", "", ""},
       kTimes,
       {"3037000499", "", ""},
       {"9223372030926249001", "", "", "9.22337203092625e+18"}},
      {{"-4611686018427387904", "", ""},
       kPlus,
       {"-4611686018427387903", "", ""},
       {"-9223372036854775807", "", "", "-9.22337203685478e+18"}},
      {{"3037000499", "", ""},
       kDivide,
       {"", "1", "3037000499"},
       {"9223372030926249001", "", "", "9.22337203092625e+18"}},
  });
}

// Intermediates beyond 64 bits, answers that fit, and answers that do not.
TEST_F(ExactTest, AnswersThatFitAreShown) {
  Check({
      {{"3037000500", "", "3037000500"},
       kTimes,
       {"", "1", "2"},
       {"1518500250", "", "", "1518500250"}},
      {{"", "1", "3037000500"},
       kPlus,
       {"", "1", "3037000500"},
       {"", "1", "1518500250", "6.58544507977526e-10"}},
      {{"482187", "11", "94693"},
       kTimes,
       {"2892", "", "970297"},
       {"1394484804", "31812", "94693", "1394484804.33595"}},
      {{"", "1", "4294967296"}, kMinus, {"", "1", "4294967296"}, {"", "", "", "0"}},
      {{"1000000000000000000", "", ""},
       kTimes,
       {"", "4", "9"},
       {"444444444444444444", "4", "9", "4.44444444444444e+17"}},
      {{"9223372036854775807", "", ""}, kPlus, {"1", "", ""}, kOverflow},
      {{"4294967296", "", ""}, kTimes, {"4294967296", "", ""}, kOverflow},
      // -2^63 is what a part out of range reads as, so no result shows it.
      {{"-4611686018427387904", "", ""}, kMinus, {"4611686018427387904", "", ""}, kOverflow},
      // The reduced denominator, 4294967311 x 4294967357, needs more than 63 bits.
      {{"", "1", "4294967311"}, kPlus, {"", "1", "4294967357"}, kOverflow},
  });
}

// What decides is each field the press finally shows: the whole part, the reduced numerator and
// denominator, but not the denominator of a zero fraction, which is never shown. The sign sits
// on the whole part, or on the numerator when there is none.
TEST_F(ExactTest, OverflowOnlyForAFieldThatCannotShowTheResult) {
  Check({
      {{"-9223372036854775807", "", ""}, kMinus, {"2", "", ""}, kOverflow},
      {{"", "-1", "3037000500"},
       kPlus,
       {"", "-1", "3037000500"},
       {"", "-1", "1518500250", "-6.58544507977526e-10"}},
      {{"-482187", "11", "94693"},
       kTimes,
       {"2892", "", "970297"},
       {"-1394484804", "31812", "94693", "-1394484804.33595"}},
      {{"4611686018427387904", "", "2"},
       kPlus,
       {"", "", ""},
       {"4611686018427387904", "", "", "4.61168601842739e+18"}},
      {{"", "1", "3037000500"}, kDivide, {"", "3037000500", "1"}, kOverflow},
      // A denominator of 2^63 does not fit; halved by the reduction it does.
      {{"", "1", "2"}, kTimes, {"", "1", "4611686018427387904"}, kOverflow},
      {{"", "2", "2"},
       kTimes,
       {"", "1", "4611686018427387904"},
       {"", "1", "4611686018427387904", "2.16840434497101e-19"}},
      // Zero over 2^62 x (2^63 - 25) + 9, a prime of 125 bits: nothing to show but the 0.
      {{"", "", ""},
       kDivide,
       {"4611686018427387904", "9", "9223372036854775783"},
       {"", "", "", "0"}},
  });
}

// A fraction equal to 1 keeps a prime denominator and loses a composite one (5/5 stays, 4/4 becomes
// 1/1), also beyond 64 bits: 2^63 + 29 is prime, 2^63 + 1 is not, and neither is a product of
// primes near 2^63.
TEST_F(ExactTest, WideFractionsReduceByTheSameRule) {
  Check({
      {{"4611686018427387904", "4611686018427387933", ""},
       kDivide,
       {"4611686018427387904", "4611686018427387933", ""},
       kOverflow},
      {{"4611686018427387904", "4611686018427387905", ""},
       kDivide,
       {"4611686018427387904", "4611686018427387905", ""},
       {"", "1", "1", "1"}},
      {{"9223372036854775783", "", ""},
       kDivide,
       {"9223372036854775783", "", ""},
       {"", "9223372036854775783", "9223372036854775783", "1"}},
      {{"", "1099511627776", "1099511627776"},
       kTimes,
       {"", "1099511627776", "1099511627776"},
       {"", "1", "1", "1"}},
      {{"9223372036854775783", "", "9223372036854775643"},
       kDivide,
       {"-9223372036854775783", "", ""},
       {"", "-1", "1", "-1"}},
      {{"", "9223372036854775643", "9223372036854775783"},
       kPlus,
       {"", "140", "9223372036854775783"},
       {"", "1", "1", "1"}},
  });
}

// A part out of range reads as -2^63 and gives "Overflow" before anything is computed.
TEST_F(ExactTest, OperandOutOfRangeOverflows) {
  Check({
      {{"9223372036854775808", "", ""}, kPlus, {"", "", ""}, kOverflow},
      {{"", "", "99999999999999999999"}, kTimes, {"", "1", "2"}, kOverflow},
      {{"", "1", "2"}, kMinus, {"", "", "-9223372036854775808"}, kOverflow},
      {{"INF", "", ""}, kTimes, {"", "1", "2"}, kOverflow},
      {{"", "NAN", "2"}, kPlus, {"", "1", "2"}, kOverflow},
      {{"1e30", "", ""}, kPlus, {"", "", ""}, kOverflow},
  });
}

TEST_F(ExactTest, DivisionByZeroIsUndefined) {
  Check({
      {{"", "1", "2"}, kDivide, {"0", "", ""}, kUndefined},
      {{"", "1", "2"}, kDivide, {"", "", ""}, kUndefined},
      {{"", "", ""}, kDivide, {"", "0.9", "3"}, kUndefined},
      {{"", "-1", "2"}, kDivide, {"-0.5", "0", "7"}, kUndefined},
      // Zero divided by something is 0; something times 0 too.
      {{"", "", ""}, kDivide, {"", "1", "2"}, {"", "", "", "0"}},
      {{"", "1", "2"}, kTimes, {"0", "", ""}, {"", "", "", "0"}},
  });
}

// The denominator guard comes first, then an operand out of range, then a zero divisor, then the
// arithmetic.
TEST_F(ExactTest, OrderOfTheChecks) {
  Check({
      {{"99999999999999999999", "", "0.5"}, kDivide, {"", "", ""}, kNothing},
      {{"", "", "99999999999999999999"}, kDivide, {"", "", "0.5"}, kNothing},
      {{"", "", "99999999999999999999"}, kDivide, {"", "", ""}, kOverflow},
      {{"", "", ""}, kDivide, {"", "", "99999999999999999999"}, kOverflow},
      {{"4611686018427387904", "", "2"}, kDivide, {"0", "", ""}, kUndefined},
  });
}

// An out-of-range part counts as negative: with a negative numerator beside it, the message is
// shown and the numerator rewritten as the negation of -2^63, which is -2^63 again.
TEST_F(ExactTest, OutOfRangePartCountsAsNegative) {
  Press({"99999999999999999999", "-1", "2"}, kPlus, {"", "1", "2"});
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_EQ(window().numtop1().Text(), "1");
  Press({"-1", "-99999999999999999999", "2"}, kPlus, {"", "1", "2"});
  EXPECT_EQ(messages.size(), 2u);
  EXPECT_EQ(window().numtop1().Text(), "-9223372036854775808");
  EXPECT_EQ(Result(), kOverflow);
}

// A prime denominator near 2^63 and a composite one near 10^18 reach reduce through Calculate.
TEST_F(ExactTest, LargeDenominatorsReduce) {
  Check({
      {{"", "1", "9223372036854775783"},
       kPlus,
       {"", "", ""},
       {"", "1", "9223372036854775783", "1.0842021724855e-19"}},
      {{"", "1", "1000000000000000000"},
       kTimes,
       {"", "500000000", "1"},
       {"", "1", "2000000000", "5e-10"}},
      {{"", "1", "999999999"},
       kDivide,
       {"", "999999999", "1000000000"},
       {"", "1000000000", "999999998000000001", "1.000000002e-09"}},
  });
}

TEST_F(ExactTest, OverflowedPressIsRecordedAndCarried) {
  window().multiple().SetValue(true);
  Press({"9223372036854775807", "", ""}, kPlus, {"1", "", ""});
  EXPECT_EQ(window().keeptrack().Text(), "1");
  EXPECT_EQ(window().decimaltemp().List(0), "Overflow");
  EXPECT_EQ(window().wholetemp().List(0) + window().numtemp().List(0), "");
  EXPECT_EQ(window().whole1().Text() + " " + window().numtop1().Text() + "/" +
                window().numbottom1().Text(),
            "0 0/1");
  // An answer whose intermediates went beyond 64 bits is recorded and carried like any other.
  Press({"", "1", "3037000500"}, kPlus, {"", "1", "3037000500"});
  EXPECT_EQ(window().keeptrack().Text(), "2");
  EXPECT_EQ(window().denomtemp().List(1), "1518500250");
  EXPECT_EQ(window().whole1().Text() + " " + window().numtop1().Text() + "/" +
                window().numbottom1().Text(),
            "0 1/1518500250");
}

}  // namespace
