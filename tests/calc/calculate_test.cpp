// The steps of a "Calculate" press around the operation: sign rules and their message box, the
// zero-denominator repair, the press counter, the carry of "Multiple Operations" and the reset of
// operand 1's fraction.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/testing.h"
#include "tests/calc/calc_fixture.h"

namespace {

const std::string kOneNegative = "There can only be one negative value for each mixed number.";

class CalculateTest : public CalcFixture {};

struct SignCase {
  std::string whole, num;
  bool message;          // the message box is shown
  std::string numAfter;  // the numerator field after the press
  std::string decimal;   // operand x 1: the operand's value
};

// Operand 1 times 1 shows the operand's own value; operand 2 times 1 (as operand 1) the same.
TEST_F(CalculateTest, SignRulesAndMessage) {
  const std::vector<SignCase> cases = {
      {"-2", "-1", true, "1", "-2.25"},  {"3", "-1", false, "-1", "-3.25"},
      {"-0.5", "2", false, "2", "0.5"},  {"-0.5", "-3", false, "-3", "-0.75"},
      {"-1", "-2.7", true, "2", "-1.5"}, {"-2", "-0.5", false, "-0.5", "-2"},
      {"", "-1", false, "-1", "-0.25"},  {"2", "1", false, "1", "2.25"},
  };
  for (bool second : {false, true}) {
    for (const SignCase& c : cases) {
      messages.clear();
      const MixedTexts operand{c.whole, c.num, "4"}, one{"1", "", ""};
      Press(second ? one : operand, kTimes, second ? operand : one);
      const std::vector<std::string> expected =
          c.message ? std::vector<std::string>{kOneNegative} : std::vector<std::string>{};
      EXPECT_EQ(messages, expected) << c.whole << " " << c.num << " second " << second;
      EXPECT_EQ((second ? window().numtop2() : window().numtop1()).Text(), c.numAfter);
      EXPECT_EQ((second ? window().whole2() : window().whole1()).Text(), c.whole);
      EXPECT_EQ(window().EditField4().Text(), c.decimal) << c.whole << " " << c.num;
    }
  }
}

// Both operands doubly negative: operand 1's box first, and its numerator is already positive
// (its empty denominator still empty) while operand 2's box is open.
TEST_F(CalculateTest, TwoMessagesInOrder) {
  std::vector<std::string> seen;
  fw::testing::SetMsgBoxObserver([&](const std::string& text) {
    seen.push_back(text + "|" + window().numtop1().Text() + "|" + window().numtop2().Text() + "|" +
                   window().numbottom1().Text());
  });
  Press({"-1", "-1", ""}, kPlus, {"-2", "-3", "4"});
  EXPECT_EQ(seen, (std::vector<std::string>{kOneNegative + "|-1|-3|", kOneNegative + "|1|-3|"}));
  EXPECT_EQ(window().numtop2().Text(), "3");
  EXPECT_EQ(Result(), (ResultTexts{"-4", "3", "4", "-4.75"}));  // -2 + -2 3/4
}

TEST_F(CalculateTest, ZeroDenominatorRepair) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", "1"}, {"0", "1"}, {"0.0", "1"}, {"-0", "1"}, {"0.5", "0.5"}, {"-3", "-3"}};
  for (const auto& [typed, repaired] : cases) {
    Press({"", "1", typed}, kPlus, {"", "1", typed});
    EXPECT_EQ(window().numbottom1().Text(), repaired) << typed;
    EXPECT_EQ(window().numbottom2().Text(), repaired) << typed;
    EXPECT_EQ(window().denom1temp().List(window().denom1temp().ListCount() - 1), repaired);
  }
}

TEST_F(CalculateTest, CounterRisesOnEveryPress) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", "1"}, {"7", "8"}, {"9223372036854775807", "-9223372036854775808"}};
  for (const auto& [before, after] : cases) {
    window().keeptrack().SetText(before);
    Press({"", "1", "0.5"}, kPlus, {"", "1", "2"});  // computes nothing, still counted
    EXPECT_EQ(window().keeptrack().Text(), after);
  }
}

struct CarryCase {
  MixedTexts a;
  Op op;
  MixedTexts b;
  MixedTexts carried;
};

TEST_F(CalculateTest, MultipleOperationsCarryTheResult) {
  const std::vector<CarryCase> cases = {
      {{"", "3", "2"}, kPlus, {"", "1", "2"}, {"2", "0", "1"}},
      {{"", "1", "2"}, kPlus, {"", "1", "4"}, {"0", "3", "4"}},
      {{"", "-1", "2"}, kTimes, {"", "1", "3"}, {"0", "-1", "6"}},
      {{"-1", "1", "2"}, kTimes, {"2", "", ""}, {"-3", "0", "1"}},
      {{"", "1", "0.5"}, kPlus, {"", "1", "2"}, {"0", "0", "1"}},
      {{"9007199254740993", "", ""}, kPlus, {"", "", ""}, {"9007199254740993", "0", "1"}},
  };
  window().multiple().SetValue(true);
  for (const CarryCase& c : cases) {
    window().numtop1().SetFocus();
    Press(c.a, c.op, c.b);
    const MixedTexts operand1{window().whole1().Text(), window().numtop1().Text(),
                              window().numbottom1().Text()};
    EXPECT_EQ(operand1.whole + " " + operand1.num + "/" + operand1.den,
              c.carried.whole + " " + c.carried.num + "/" + c.carried.den);
    EXPECT_EQ(window().whole2().Text() + window().numtop2().Text() + window().numbottom2().Text(),
              "");
    EXPECT_TRUE(fw::testing::HasFocus(window().whole2()));
    // The record keeps the operands as they were before the carry.
    EXPECT_EQ(window().num1temp().List(window().num1temp().ListCount() - 1), c.a.num);
  }
}

// Chained: 1/2 + 1/3 = 5/6, then + 1/6 = 1, then with operand 2 left empty: + 0/1.
TEST_F(CalculateTest, MultipleOperationsChain) {
  window().multiple().SetValue(true);
  Press({"", "1", "2"}, kPlus, {"", "1", "3"});
  window().numtop2().SetText("1");
  window().numbottom2().SetText("6");
  Press();
  EXPECT_EQ(Result(), (ResultTexts{"", "1", "1", "1"}));
  Press();
  EXPECT_EQ(window().numbottom2().Text(), "");
  EXPECT_EQ(window().denom2temp().List(2), "1");
  EXPECT_EQ(Result(), (ResultTexts{"", "1", "1", "1"}));
}

TEST_F(CalculateTest, OperandResetWithoutCarry) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", "0"}, {"0.0", "0"}, {"-0", "0"}, {"0.5", "0.5"}, {"3", "3"}};
  for (const auto& [typed, after] : cases) {
    Press({"1", typed, "2"}, kPlus, {"", "1", "2"});
    EXPECT_EQ(window().numtop1().Text(), after) << typed;
    EXPECT_EQ(window().num1temp().List(window().num1temp().ListCount() - 1), typed);
  }
  EXPECT_FALSE(fw::testing::HasFocus(window().whole2()));
}

}  // namespace
