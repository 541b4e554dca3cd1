// The Calculator and both converters through the real window, in the C locale and again with the
// C library in a locale that writes a decimal comma (as start-up leaves it for a user whose
// environment names one): every decimal, every history record and every text Undo brings back
// must be the same in both.
#include <gtest/gtest.h>

#include <clocale>
#include <iterator>
#include <string>
#include <vector>

#include "framework/testing.h"
#include "tests/calc/calc_fixture.h"
#include "tests/support/comma_locale.h"

namespace {

class LocaleTest : public CalcFixture, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    if (GetParam()) CommaLocale::Use(LC_ALL);
    if (HasFatalFailure()) return;
    CalcFixture::SetUp();
  }

  // Fraction to Decimal: whole part, numerator, denominator; gives answerd.
  std::string FractionToDecimal(const char* main, const char* topper, const char* bottomer) {
    window().main().SetText(main);
    window().topper().SetText(topper);
    window().bottomer().SetText(bottomer);
    fw::testing::Click(window().PushButton3());
    return window().answerd().Text();
  }

  // Decimal to Fraction with only `box` checked (none when null); gives main2|topnum|bnum.
  std::string DecimalToFraction(const char* dec, fw::CheckBox* box) {
    window().dec().SetText(dec);
    for (fw::CheckBox* each : {&window().CheckBox1(), &window().CheckBox2(), &window().CheckBox3(),
                               &window().CheckBox4(), &window().CheckBox5()}) {
      each->SetValue(each == box);
    }
    fw::testing::Click(window().PushButton4());
    return window().main2().Text() + "|" + window().topnum().Text() + "|" + window().bnum().Text();
  }

 private:
  CommaLocale restore_;
};

INSTANTIATE_TEST_SUITE_P(Locales, LocaleTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return std::string(info.param ? "CommaLocale" : "CLocale");
                         });

TEST_P(LocaleTest, CalculatorDecimalsAndTheirHistory) {
  const std::vector<PressCase> presses = {
      {{"1", "1", "2"}, kPlus, {"2", "", ""}, {"3", "1", "2", "3.5"}},
      {{"", "1", "4"}, kMinus, {"1", "", ""}, {"", "-3", "4", "-0.75"}},
      {{"", "2", "3"}, kTimes, {"", "1", "1"}, {"", "2", "3", "0.666666666666667"}},
      {{"1", "2", "3"}, kTimes, {"", "3", "4"}, {"1", "1", "4", "1.25"}},
      {{"-2", "1", "4"}, kDivide, {"", "1", "2"}, {"-4", "1", "2", "-4.5"}},
  };
  Check(presses);
  // Undo brings the presses back, last first, with the texts the history kept.
  for (auto it = std::rbegin(presses); it != std::rend(presses); ++it) {
    ASSERT_TRUE(fw::testing::ChooseMenuItem(window(), "EditUndo"));
    EXPECT_EQ(Result(), it->expected) << *it;
  }
}

TEST_P(LocaleTest, FractionToDecimal) {
  EXPECT_EQ(FractionToDecimal("3", "1", "8"), "3.125");
  EXPECT_EQ(FractionToDecimal("-1", "1", "2"), "-1.5");
  EXPECT_EQ(FractionToDecimal("", "2", "3"), "0.666666666666667");
  // Not whole: shown with the digits that read back as the value, never as 1000000000000000.
  EXPECT_EQ(FractionToDecimal("999999999999999", "9", "10"), "999999999999999.9");
}

TEST_P(LocaleTest, DecimalToFraction) {
  EXPECT_EQ(DecimalToFraction("2.5", nullptr), "2|1|2");
  EXPECT_EQ(DecimalToFraction("3.14159", nullptr), "3|14159|100000");
  EXPECT_EQ(DecimalToFraction("3.14159", &window().CheckBox3()), "3|5|32");
  EXPECT_EQ(DecimalToFraction("12.375", &window().CheckBox5()), "12 ft 4 in |1|2");
}

}  // namespace

// Whole numbers at the top of the range keep every digit: whole parts and feet are exact integers,
// every integer text a 64-bit integer holds converts, and a whole decimal below 2^53 shows all its
// digits.
TEST_P(LocaleTest, WholeNumbersKeepEveryDigit) {
  const struct {
    const char* dec;
    bool ftIn;
    const char* shown;
  } decimals[] = {
      {"-4503599627370495.5", false, "-4503599627370495|1|2"},
      {"-4503599627370495.5", true, "-4503599627370495 ft 6 in |0|1"},
      {"9007199254740993", true, "9007199254740993 ft 0 in |0|1"},
      {"1234567890123456789", true, "1234567890123456789 ft 0 in |0|1"},
      {"9223372036854775807", false, "9223372036854775807|0|1"},
      {"-9223372036854775807", true, "-9223372036854775807 ft 0 in |0|1"},
      {"9223372036854775808", false, "Overflow||"},
      {"-9223372036854775808", false, "Overflow||"},
      // The feet are the whole part the press computed, also where the double of the decimal is
      // the next whole number.
      {"5.9999999999999999999", true, "6 ft 0 in |0|1"},
      {"-5.9999999999999999999", true, "-6 ft 0 in |0|1"},
      {"0.99999999999999999999999999999999999999", true, "1 ft 0 in |0|1"},
      {"-0.99999999999999999", true, "-1 ft 0 in |0|1"},
      {"11.99999999999999999999", true, "12 ft 0 in |0|1"},
      {"1e3", true, "1000 ft 0 in |0|1"},
      {"9223372036854775807", true, "9223372036854775807 ft 0 in |0|1"},
  };
  for (const auto& d : decimals) {
    EXPECT_EQ(DecimalToFraction(d.dec, d.ftIn ? &window().CheckBox5() : nullptr), d.shown) << d.dec;
  }
  EXPECT_EQ(DecimalToFraction("-1234567890123456.25", &window().CheckBox1()),
            "-1234567890123456|1|4");

  const char* const kMax = "9223372036854775807";
  EXPECT_EQ(FractionToDecimal("", kMax, kMax), "1");
  EXPECT_EQ(FractionToDecimal(kMax, "1", "2"), "9.22337203685478e+18");
  EXPECT_EQ(FractionToDecimal("-9223372036854775807", "1", "2"), "-9.22337203685478e+18");
  EXPECT_EQ(FractionToDecimal("-9223372036854775808", "1", "2"), "Overflow");
  EXPECT_EQ(FractionToDecimal("9223372036854775807.0", "1", "2"), "Overflow");  // not an integer

  // clang-format off
  Check({
      {{"4503599627370495", "", ""}, kPlus, {"0", "", ""}, {"4503599627370495", "", "", "4503599627370495"}},
      {{"999999999999999", "", ""}, kPlus, {"1", "", ""}, {"1000000000000000", "", "", "1000000000000000"}},
      {{"2", "1", "2"}, kPlus, {"4503599627370493", "1", "2"}, {"4503599627370496", "", "", "4503599627370496"}},
      {{"9007199254740999", "", ""}, kPlus, {"0", "", ""}, {"9007199254740999", "", "", "9.007199254741e+15"}},
  });
  // clang-format on
}
