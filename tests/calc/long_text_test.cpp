// Operands far longer than the toolkit's default field limit are read whole: the handlers see
// every character, so leading zeros change nothing. Results wider than their field show their
// first digits.
#include <gtest/gtest.h>

#include <string>

#include "framework/testing.h"
#include "tests/calc/calc_fixture.h"

namespace {

const std::string kZeros(40000, '0');

class LongFieldTexts : public CalcFixture {
 protected:
  // The field holds `text`, too wide for it, and shows its first characters.
  void ExpectShownFromItsStart(const char* name, const char* text) {
    const auto& field = window().ControlAs<fw::TextField>(name);
    ASSERT_EQ(field.Text(), text) << name;
    const std::string shown = fw::testing::ShownText(field);
    EXPECT_LT(shown.size(), field.Text().size()) << name << " is wide enough to show it all";
    EXPECT_EQ(field.Text().substr(0, shown.size()), shown) << name << " shows " << shown;
  }
};

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

// A result written into a field too narrow for it reads from its first character, not as its
// tail, which would look like another number.
TEST_F(LongFieldTexts, ResultsWiderThanTheirFieldShowTheirFirstDigits) {
  Press({"1", "1", "2"}, kDivide, {"2", "3", "4"});
  window().topper().SetText("1");
  window().bottomer().SetText("3");
  fw::testing::Click(window().PushButton3());
  window().dec().SetText("123456789012345.5");
  fw::testing::Click(window().PushButton4());
  ExpectShownFromItsStart("EditField4", "0.545454545454545");
  ExpectShownFromItsStart("answerd", "0.333333333333333");
  ExpectShownFromItsStart("main2", "123456789012345");

  // Return in whole1 with "Multiple Operations": the result is carried into whole1 while it has
  // the focus, and shows from its start once the focus has moved on to whole2.
  window().multiple().SetValue(true);
  SetOperands({"123456789012345", "", ""}, {"1", "", ""});
  window().PopupMenu3().SetListIndex(kPlus);
  fw::testing::PressKey(window().whole1(), fw::testing::Key::Return);
  ExpectShownFromItsStart("whole1", "123456789012346");
}

}  // namespace
