// Operands far longer than the toolkit's default field limit are read whole: the handlers see
// every character, so leading zeros change nothing.
#include <gtest/gtest.h>

#include <string>

#include "framework/testing.h"
#include "tests/calc/calc_fixture.h"

namespace {

const std::string kZeros(40000, '0');

class LongFieldTexts : public CalcFixture {};

TEST_F(LongFieldTexts, CalculatorReadsTheWholeOperand) {
  Press({kZeros + "7", "", ""}, kPlus, {"1", "", ""});
  EXPECT_EQ(Result(), (ResultTexts{"8", "", "", "8"}));
  EXPECT_TRUE(window().whole1().Text() == kZeros + "7") << "the field cut the operand";
}

TEST_F(LongFieldTexts, ConvertersReadTheWholeText) {
  window().dec().SetText(kZeros + "2.5");
  fw::testing::Click(window().PushButton4());
  EXPECT_EQ(window().main2().Text(), "2");
  EXPECT_EQ(window().topnum().Text(), "1");
  EXPECT_EQ(window().bnum().Text(), "2");

  window().main().SetText(kZeros + "3");
  window().topper().SetText("1");
  window().bottomer().SetText(kZeros + "8");
  fw::testing::Click(window().PushButton3());
  EXPECT_EQ(window().answerd().Text(), "3.125");
}

}  // namespace
