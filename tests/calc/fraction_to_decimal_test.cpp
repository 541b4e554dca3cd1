// Fraction to Decimal through the real window: the whole part, numerator and denominator set,
// a click on "Calculate", then answerd read back. Rows run one after another in the same window,
// so each row also checks that the previous answer is cleared.
#include <gtest/gtest.h>

#include <string>

#include "framework/testing.h"
#include "tests/support/app_fixture.h"

namespace {

struct Row {
  const char* main;
  const char* topper;
  const char* bottomer;
  const char* answerd;
};

class FractionToDecimal : public AppFixture {
 protected:
  void Run(const Row& row) {
    SCOPED_TRACE(std::string("\"") + row.main + "\" \"" + row.topper + "\" / \"" + row.bottomer +
                 "\"");
    window().main().SetText(row.main);
    window().topper().SetText(row.topper);
    window().bottomer().SetText(row.bottomer);
    fw::testing::Click(window().PushButton3());
    EXPECT_EQ(window().answerd().Text(), row.answerd);
  }
};

TEST_F(FractionToDecimal, EdgeCaseTable) {
  // clang-format off
  const Row rows[] = {
      {"3", "1", "2", "3.5"},
      {"0", "1", "2", "0.5"},
      {"-2", "1", "2", "-2.5"},
      {"-3", "2", "4", "-3.5"},
      {"", "1", "4", "0.25"},
      {"2.9", "1", "2", "2.5"},       // the whole part truncates,
      {"-2.7", "3", "4", "-2.75"},    // a negative one too,
      {"2", "0.5", "2", "2"},         // and so does the numerator
      {"-0.5", "1", "2", "-0.5"},     // only the sign of the whole part shows
      {"5", "0", "5", ""},            // a zero numerator gives no answer,
      {"5", "-1", "2", ""},           // nor does a negative numerator
      {"1", "1", "-2", ""},           // or a negative denominator
      {"5", "1", "", "Undefined"},    // an empty denominator reads as 0
      {"5", "1", "0", "Undefined"},
      {"-4", "3", "0.0", "Undefined"},
      {"7", "0", "0", "Undefined"},   // a zero denominator wins over a zero numerator
      {"", "-1", "", "Undefined"},
      {"", "", "", "Undefined"},
  };
  // clang-format on
  for (const Row& row : rows) Run(row);
}

// A denominator that reads above 0 but below 1 has no whole part to divide by: "Undefined", as
// for 0, whether the whole part is positive, empty or negative and whether the numerator
// truncates to 0 too.
TEST_F(FractionToDecimal, DenominatorBelowOneIsUndefined) {
  // clang-format off
  const Row rows[] = {
      {"3", "1", "0.5", "Undefined"},
      {"", "1", "0.5", "Undefined"},
      {"-2", "7", "0.99", "Undefined"},
      {"", "0.5", "0.5", "Undefined"},
      {"3", "0.5", "0.25", "Undefined"},
      {"3", "1", "1", "4"},  // from 1 on it divides again
  };
  // clang-format on
  for (const Row& row : rows) Run(row);
}

// A part whose whole number lies beyond the 64-bit range has no exact truncation: "Overflow"
// instead of a meaningless (often negative) decimal. The largest whole part that fits converts.
TEST_F(FractionToDecimal, PartsBeyondSixtyFourBitsOverflow) {
  // clang-format off
  const Row rows[] = {
      {"1e300", "1", "2", "Overflow"},
      {"3", "1e19", "2", "Overflow"},
      {"", "1e19", "2", "Overflow"},    // also without a whole part
      {"3", "1", "1e19", "Overflow"},
      {"", "1", "INF", "Overflow"},
      {"-1e300", "1", "2", "Overflow"},
      {"-1e300", "1", "0", "Undefined"},  // a zero denominator is tested before the parts
      {"9223372036854774784", "1", "2", "9.22337203685477e+18"},
      {"-9223372036854774784", "1", "2", "-9.22337203685477e+18"},
  };
  // clang-format on
  for (const Row& row : rows) Run(row);
}

}  // namespace
