// The value functions: how texts read as numbers and numbers print as texts. The handlers rely
// on these exact texts (a whole value prints bare digits, empty text reads as 0, Str and Val
// round-trip), so each rule has its own table. Every table runs in the C locale and again with
// the C library in a locale that writes a decimal comma: the texts must not change.
#include "framework/value.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

#include "tests/support/comma_locale.h"

namespace {

struct LocaleCase {
  const char* label;
  int category;  // switched to the comma locale; -1 leaves the C locale
};

void PrintTo(const LocaleCase& c, std::ostream* os) {
  *os << c.label;
}

class ValueFunctions : public ::testing::TestWithParam<LocaleCase> {
 protected:
  void SetUp() override {
    if (GetParam().category != -1) CommaLocale::Use(GetParam().category);
  }

 private:
  CommaLocale restore_;
};

INSTANTIATE_TEST_SUITE_P(Locales, ValueFunctions,
                         ::testing::Values(LocaleCase{"C", -1}, LocaleCase{"NumericDe", LC_NUMERIC},
                                           LocaleCase{"AllDe", LC_ALL}),
                         [](const ::testing::TestParamInfo<LocaleCase>& info) {
                           return std::string(info.param.label);
                         });

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

struct ReadCase {
  const char* text;
  double value;
};

TEST_P(ValueFunctions, ValAndCDblReadTheLongestNumberPrefix) {
  const ReadCase cases[] = {
      {"", 0.0},
      {"-", 0.0},
      {"+", 0.0},
      {"abc", 0.0},
      {".", 0.0},
      {"-1", -1.0},
      {"12", 12.0},
      {"+7", 7.0},
      {"0.5", 0.5},
      {".5", 0.5},
      {"5.", 5.0},
      {"-2.75", -2.75},
      {"  42", 42.0},
      {"\t-3", -3.0},
      {"3 4", 3.0},
      {"12abc", 12.0},
      {"1e3", 1000.0},
      {"2.5E-1", 0.25},
      {"1e", 1.0},
      {"1e+", 1.0},
      {"7e2x", 700.0},
      {"1,5", 1.0},
      {"--1", 0.0},
      {"- 1", 0.0},
      {"1e400", kInf},
      {"-1e400", -kInf},
      {"1e-400", 0.0},
      {"INF", kInf},
      {"-inf", -kInf},
      {"Infinity", kInf},
      {"x1", 0.0},
      {"0x10", 0.0},
      {"100000", 100000.0},
      {"3.14159", 3.14159},
  };
  for (const ReadCase& c : cases) {
    EXPECT_EQ(fw::Val(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(fw::CDbl(c.text), c.value) << '"' << c.text << '"';
  }
}

TEST_P(ValueFunctions, NotANumberReadsInAnyCase) {
  for (const char* text : {"NAN", "nan", "-NaN", " nAn"}) {
    EXPECT_TRUE(std::isnan(fw::Val(text))) << text;
    EXPECT_TRUE(std::isnan(fw::CDbl(text))) << text;
  }
}

TEST_P(ValueFunctions, VeryLongDigitStringsOverflowOrUnderflow) {
  const std::string huge = "1" + std::string(400, '0');
  const std::string tiny = "0." + std::string(400, '0') + "1";
  EXPECT_EQ(fw::Val(huge), kInf);
  EXPECT_EQ(fw::Val("-" + huge), -kInf);
  EXPECT_EQ(fw::Val(tiny), 0.0);
  EXPECT_EQ(fw::Val("0" + huge + "e-500"), 1e-100);
  EXPECT_EQ(fw::Val("0" + huge + "e-900"), 0.0);
}

// A field holds text of any length: leading zeros and long fractions read whole.
TEST_P(ValueFunctions, LongTextsReadWhole) {
  const std::string zeros(40000, '0');
  EXPECT_EQ(fw::Val(zeros + "7"), 7.0);
  EXPECT_EQ(fw::CDbl("-" + zeros + "2.5"), -2.5);
  EXPECT_EQ(fw::Val("0." + std::string(40000, '3')), 1.0 / 3.0);
  EXPECT_EQ(fw::Val("1." + zeros + "1"), 1.0);
  EXPECT_EQ(fw::Val("2" + zeros), kInf);
  EXPECT_EQ(fw::TruncText(zeros + "7"), 7);
  EXPECT_EQ(fw::TruncText("-" + zeros + "12.9" + zeros), -12);
  EXPECT_EQ(fw::TruncText("1" + zeros), kMin);
}

TEST_P(ValueFunctions, StrOfAnIntegerIsItsDigits) {
  const std::pair<std::int64_t, const char*> cases[] = {
      {0, "0"},
      {12, "12"},
      {-3, "-3"},
      {kMax, "9223372036854775807"},
      {kMin, "-9223372036854775808"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(fw::Str(value), text);
}

TEST_P(ValueFunctions, StrOfADouble) {
  const std::pair<double, const char*> cases[] = {
      {1.0, "1"},
      {0.0, "0"},
      {-0.0, "0"},
      {-2.0, "-2"},
      {100000.0, "100000"},
      {3.5, "3.5"},
      {-0.75, "-0.75"},
      {2.25, "2.25"},
      {1.0 / 3.0, "0.333333333333333"},
      {2.0 + 2.0 / 3.0, "2.66666666666667"},
      {999999999999999.0, "999999999999999"},  // whole below 2^53: every digit
      {-123456789012345.0, "-123456789012345"},
      {1e15, "1000000000000000"},
      {4503599627370495.0, "4503599627370495"},
      {-9007199254740991.0, "-9007199254740991"},
      {9007199254741000.0, "9.007199254741e+15"},     // from 2^53 on, fifteen digits at most,
      {9007199254740993.0, "9.007199254740992e+15"},  // more where fifteen read back below 2^53
      {-9007199254740994.0, "-9.007199254740994e+15"},
      {444444444444444444.0, "4.44444444444444e+17"},
      {9223372036854774784.0, "9.22337203685477e+18"},
      {9223372036854775808.0, "9.22337203685478e+18"},  // 2^63 is past the integer range
      {-9223372036854775808.0, "-9.22337203685478e+18"},
      {1e20, "1e+20"},
      {1e15 + 0.5, "1000000000000000.5"},  // not whole: never shown as a whole number of 16 digits
      {999999999999999.9, "999999999999999.9"},
      {-1234567890123456.25, "-1234567890123456.2"},
      {123456789012345.6, "123456789012346"},
      {0.9999999999999999, "1"},
      {1e-7, "1e-07"},
      {kInf, "INF"},
      {-kInf, "-INF"},
      {-1.7976931348623157e308, "-1.7976931348623e+308"},  // 15 digits would read as -INF
      {std::nan(""), "NAN"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(fw::Str(value), text) << value;
}

TEST_P(ValueFunctions, ValReadsBackWhatStrWrites) {
  const double values[] = {0.0,
                           1.0,
                           -1.0,
                           0.1,
                           1.0 / 3.0,
                           -2.0 / 3.0,
                           123456.789,
                           1e20,
                           1e-300,
                           4.9e-324,
                           1.7e308,
                           kInf,
                           -kInf,
                           1e15 + 0.5,
                           999999999999999.9,
                           -1234567890123456.25,
                           4503599627370495.0,
                           9007199254740993.0,
                           9007199254740994.0,
                           9007199254740996.0,
                           9223372036854775807.0,
                           -9223372036854775808.0};
  for (double value : values) {
    const std::string text = fw::Str(value);
    EXPECT_EQ(fw::Str(fw::Val(text)), text) << text;
    EXPECT_EQ(fw::Str(fw::CDbl(text)), text) << text;
  }
  EXPECT_EQ(fw::Str(fw::Val(fw::Str(std::nan("")))), "NAN");
}

TEST_P(ValueFunctions, AbsFloorRound) {
  EXPECT_EQ(fw::Abs(-1.0), 1.0);
  EXPECT_EQ(fw::Abs(2.5), 2.5);
  const std::pair<double, double> floors[] = {{2.9, 2.0}, {-2.1, -3.0}, {5.0, 5.0}, {-0.5, -1.0}};
  for (const auto& [x, floor] : floors) EXPECT_EQ(fw::Floor(x), floor) << x;
  // Halves go away from zero: 0.0625 rounded to eighths must give 1/8, not 0/8.
  const std::pair<double, double> rounds[] = {{0.5, 1.0},   {1.5, 2.0},      {2.5, 3.0},
                                              {-0.5, -1.0}, {-2.5, -3.0},    {2.4, 2.0},
                                              {2.6, 3.0},   {6249.9, 6250.0}};
  for (const auto& [x, rounded] : rounds) EXPECT_EQ(fw::Round(x), rounded) << x;
}

TEST_P(ValueFunctions, TruncGoesTowardZeroAndMarksOutOfRange) {
  const std::pair<double, std::int64_t> cases[] = {
      {2.9, 2},
      {-2.9, -2},
      {-0.5, 0},
      {9223372036854774784.0, 9223372036854774784},
      {-9223372036854775808.0, kMin},
      {9223372036854775808.0, kMin},
      {1e300, kMin},
      {kInf, kMin},
      {-kInf, kMin},
      {std::nan(""), kMin},
  };
  for (const auto& [x, truncated] : cases) EXPECT_EQ(fw::trunc(x), truncated) << x;
}

TEST_P(ValueFunctions, TruncTextIsExactForDecimalTexts) {
  const std::pair<const char*, std::int64_t> cases[] = {
      {"", 0},
      {"-", 0},
      {"12", 12},
      {"-12.9", -12},
      {" 7abc", 7},
      {".9", 0},
      {"9007199254740993", 9007199254740993},  // 2^53 + 1: a double would say ...992
      {"-9007199254740993", -9007199254740993},
      {"9223372036854775807", kMax},
      {"-9223372036854775807", -kMax},
      {"9223372036854775807.99", kMax},
      {"9223372036854775808", kMin},
      {"-9223372036854775808", kMin},
      {"99999999999999999999", kMin},
      {"00000000000000000000000012", 12},
      {"1e3", 1000},  // exponent texts go through the double
      {"1e30", kMin},
      {"INF", kMin},
      {"NAN", kMin},
  };
  for (const auto& [text, value] : cases)
    EXPECT_EQ(fw::TruncText(text), value) << '"' << text << '"';
}

TEST_P(ValueFunctions, TruncTextAgreesWithTruncOfValBelowTwoTo53) {
  for (const char* text : {"0", "-1", "3.75", "-0.5", "123456789", "-4503599627370495.5", "+8"}) {
    EXPECT_EQ(fw::TruncText(text), fw::trunc(fw::Val(text))) << text;
  }
}

}  // namespace
