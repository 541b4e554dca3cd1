// The four operations on mixed numbers, with and without whole parts, through the real window.
#include <gtest/gtest.h>

#include "tests/calc/calc_fixture.h"

namespace {

using OperationsTest = CalcFixture;

TEST_F(OperationsTest, AdditionAndSubtraction) {
  Check({
      {{"", "3", "2"}, kPlus, {"", "1", "2"}, {"2", "", "", "2"}},
      {{"", "1", "2"}, kPlus, {"", "1", "2"}, {"", "1", "1", "1"}},
      {{"1", "1", "2"}, kPlus, {"1", "1", "2"}, {"3", "", "", "3"}},
      {{"", "1", "2"}, kMinus, {"", "3", "4"}, {"", "-1", "4", "-0.25"}},
      {{"1", "1", "2"}, kMinus, {"2", "1", "4"}, {"", "-3", "4", "-0.75"}},
      {{"", "1", "2"}, kMinus, {"", "5", "2"}, {"-2", "", "", "-2"}},
      {{"-1", "1", "2"}, kPlus, {"", "1", "4"}, {"-1", "1", "4", "-1.25"}},
      {{"", "-3", "2"}, kPlus, {"", "-1", "2"}, {"-2", "", "", "-2"}},
      {{"", "-1", "2"}, kMinus, {"", "-1", "4"}, {"", "-1", "4", "-0.25"}},
      {{"-1", "1", "2"}, kMinus, {"", "-1", "2"}, {"", "-1", "1", "-1"}},
      {{"2", "", ""}, kMinus, {"", "1", "3"}, {"1", "2", "3", "1.66666666666667"}},
      {{"", "1", "2"}, kMinus, {"", "1", "2"}, {"", "", "", "0"}},
      {{"", "2", "2"}, kPlus, {"", "", ""}, {"", "2", "2", "1"}},
      {{"", "1", "-2"}, kPlus, {"", "1", "2"}, {"", "1", "1", "1"}},
      {{"", "1.9", "2"}, kPlus, {"-0.5", "", "1"}, {"", "1", "2", "0.5"}},
  });
}

TEST_F(OperationsTest, Multiplication) {
  Check({
      {{"", "1", "2"}, kTimes, {"", "2", "1"}, {"", "2", "2", "1"}},
      {{"", "2", "3"}, kTimes, {"", "3", "2"}, {"", "1", "1", "1"}},
      {{"1", "1", "2"}, kTimes, {"2", "", ""}, {"3", "", "", "3"}},
      {{"2", "", ""}, kTimes, {"3", "", ""}, {"6", "", "", "6"}},
      {{"", "-1", "2"}, kTimes, {"", "1", "3"}, {"", "-1", "6", "-0.166666666666667"}},
      {{"-1", "1", "2"}, kTimes, {"", "1", "3"}, {"", "-1", "2", "-0.5"}},
      {{"-1", "1", "2"}, kTimes, {"2", "", ""}, {"-3", "", "", "-3"}},
      {{"-1", "1", "2"}, kTimes, {"-2", "", ""}, {"3", "", "", "3"}},
      {{"", "3", "2"}, kTimes, {"", "1", "1"}, {"1", "1", "2", "1.5"}},
      {{"", "-3", "2"}, kTimes, {"", "1", "1"}, {"-1", "1", "2", "-1.5"}},
      {{"1", "2", "3"}, kTimes, {"", "3", "4"}, {"1", "1", "4", "1.25"}},
      {{"", "2", "3"}, kTimes, {"", "3", "4"}, {"", "1", "2", "0.5"}},
      {{"0", "", ""}, kTimes, {"", "1", "2"}, {"", "", "", "0"}},
      {{"", "-1", "2"}, kTimes, {"0", "", ""}, {"", "", "", "0"}},
      {{"", "1", "2"}, kTimes, {"", "1", "-4"}, {"", "1", "8", "0.125"}},
  });
}

TEST_F(OperationsTest, Division) {
  Check({
      {{"", "1", "2"}, kDivide, {"", "1", "4"}, {"2", "", "", "2"}},
      {{"3", "", ""}, kDivide, {"2", "", ""}, {"1", "1", "2", "1.5"}},
      {{"", "-1", "2"}, kDivide, {"", "1", "3"}, {"-1", "1", "2", "-1.5"}},
      {{"0", "", ""}, kDivide, {"", "1", "2"}, {"", "", "", "0"}},
      {{"", "1", "2"}, kDivide, {"", "1", "2"}, {"", "2", "2", "1"}},
      {{"", "-1", "2"}, kDivide, {"", "1", "2"}, {"", "-2", "2", "-1"}},
      {{"5", "", ""}, kDivide, {"5", "", ""}, {"", "5", "5", "1"}},
      {{"", "-1", "3"}, kDivide, {"", "1", "2"}, {"", "-2", "3", "-0.666666666666667"}},
      {{"1", "", ""}, kDivide, {"-1", "1", "2"}, {"", "-2", "3", "-0.666666666666667"}},
      {{"", "-1", "2"}, kDivide, {"", "-1", "4"}, {"2", "", "", "2"}},
      {{"0", "", ""}, kDivide, {"", "-1", "2"}, {"", "", "", "0"}},
      {{"-1", "", ""}, kDivide, {"", "1", "2"}, {"-2", "", "", "-2"}},
      {{"", "7", "4"}, kDivide, {"", "1", "2"}, {"3", "1", "2", "3.5"}},
      {{"", "2", "3"}, kDivide, {"", "4", "5"}, {"", "5", "6", "0.833333333333333"}},
      {{"", "1", "2"}, kDivide, {"", "1", "-4"}, {"2", "", "", "2"}},
  });
}

// A denominator below 1 in size computes nothing: the result fields stay cleared and the decimal
// of the press before stays on show.
TEST_F(OperationsTest, DenominatorBelowOneComputesNothing) {
  for (Op op : {kPlus, kMinus, kTimes, kDivide}) {
    for (bool first : {true, false}) {
      window().EditField4().SetText("stale");
      const MixedTexts small{"1", "1", "0.5"}, normal{"1", "1", "2"};
      Press(first ? small : normal, op, first ? normal : small);
      EXPECT_EQ(Result(), (ResultTexts{"", "", "", "stale"})) << op << first;
    }
  }
}

// No row of the pop-up selected: no operation runs, the press is still counted.
TEST_F(OperationsTest, NoOperationSelected) {
  window().EditField3().SetText("9");
  SetOperands({"", "1", "2"}, {"", "1", "2"});
  window().PopupMenu3().SetListIndex(-1);
  Press();
  EXPECT_EQ(Result(), (ResultTexts{"", "", "", ""}));
  EXPECT_EQ(window().keeptrack().Text(), "1");
  EXPECT_EQ(window().whole1temp().ListCount(), 1);
}

}  // namespace
