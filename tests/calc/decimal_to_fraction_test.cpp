// Decimal to Fraction through the real window: a decimal in dec, the rounding boxes set, a click
// on "Calculate", then main2, topnum and bnum read back as texts. Rows run one after another in
// the same window, so each row also checks that the previous result is overwritten.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "calc/conversion_text.h"
#include "framework/testing.h"
#include "tests/support/app_fixture.h"

namespace {

enum class Box { kNone, k8, k16, k32, k64, kFtIn };

const char* BoxName(Box box) {
  switch (box) {
    case Box::kNone:
      return "none";
    case Box::k8:
      return "1/8";
    case Box::k16:
      return "1/16";
    case Box::k32:
      return "1/32";
    case Box::k64:
      return "1/64";
    case Box::kFtIn:
      return "ft in";
  }
  return "?";
}

struct Row {
  const char* dec;
  Box box;
  const char* main2;
  const char* topnum;
  const char* bnum;
};

class DecimalToFraction : public AppFixture {
 protected:
  // Sets the boxes from code (no handler runs), then presses "Calculate" as a person would.
  void Convert(const std::string& text, bool ft_in, bool b8, bool b16, bool b32, bool b64) {
    window().dec().SetText(text);
    window().CheckBox5().SetValue(ft_in);
    window().CheckBox1().SetValue(b8);
    window().CheckBox2().SetValue(b16);
    window().CheckBox3().SetValue(b32);
    window().CheckBox4().SetValue(b64);
    fw::testing::Click(window().PushButton4());
  }
  void Convert(const std::string& text, Box box) {
    Convert(text, box == Box::kFtIn, box == Box::k8, box == Box::k16, box == Box::k32,
            box == Box::k64);
  }
  void ExpectResult(const char* main2, const char* topnum, const char* bnum) {
    EXPECT_EQ(window().main2().Text(), main2);
    EXPECT_EQ(window().topnum().Text(), topnum);
    EXPECT_EQ(window().bnum().Text(), bnum);
  }
  void Run(const Row& row) {
    SCOPED_TRACE(std::string("dec \"") + row.dec + "\", box " + BoxName(row.box));
    Convert(row.dec, row.box);
    ExpectResult(row.main2, row.topnum, row.bnum);
  }
};

TEST_F(DecimalToFraction, EdgeCaseTable) {
  const Row rows[] = {
      {"2.5", Box::kNone, "2", "1", "2"},
      {"1.75", Box::kNone, "1", "3", "4"},
      {"3.14159", Box::kNone, "3", "14159", "100000"},
      {"5", Box::kNone, "5", "0", "1"},
      {"1.0", Box::kNone, "1.0", "0", "1"},
      {"", Box::kNone, "", "0", "1"},
      {"2.000001", Box::kNone, "2.000001", "0", "1"},
      {"0.00001", Box::kNone, "0", "1", "100000"},
      {"3.00001", Box::kNone, "3", "1", "100000"},
      {"5.00001", Box::kNone, "5.00001", "0", "1"},
      {"-2.5", Box::kNone, "-2", "1", "2"},
      {"-5.5", Box::kNone, "-5", "1", "2"},
      {"-0.5", Box::kNone, "0", "1", "2"},
      {"-3", Box::kNone, "-3", "0", "1"},
      {"0.999999", Box::kNone, "0", "1", "1"},
      {"3.14159", Box::k8, "3", "1", "8"},
      {"0.333", Box::k8, "0", "3", "8"},
      {"7.99", Box::k8, "7", "1", "1"},
      {"5", Box::k8, "5", "0", "1"},
      {"3.14159", Box::k16, "3", "1", "8"},
      {"0.1", Box::k16, "0", "1", "8"},
      {"3.14159", Box::k32, "3", "5", "32"},
      {"3.14159", Box::k64, "3", "9", "64"},
      {"7.99", Box::k64, "7", "63", "64"},
      {"2.5", Box::kFtIn, "2 ft 6 in ", "0", "1"},
      {"1.75", Box::kFtIn, "1 ft 9 in ", "0", "1"},
      {"12.375", Box::kFtIn, "12 ft 4 in ", "1", "2"},
      {"3.14159", Box::kFtIn, "3 ft 1 in ", "11", "16"},
      {"7.99", Box::kFtIn, "7 ft 11 in ", "7", "8"},
      {"0.1", Box::kFtIn, "0 ft 1 in ", "3", "16"},
      {"5", Box::kFtIn, "5 ft 0 in ", "0", "1"},
      {"-3", Box::kFtIn, "-3 ft 0 in ", "0", "1"},
      {"", Box::kFtIn, "0 ft 0 in ", "0", "1"},
      {"0.333", Box::kFtIn, "0 ft 4 in ", "", ""},
      {"2.4999", Box::kFtIn, "2 ft 6 in ", "", ""},
      {"2.999", Box::kFtIn, "3 ft 0 in", "", ""},
      {"11.999", Box::kFtIn, "12 ft 0 in", "", ""},
      {"0.99999", Box::kFtIn, "1 ft 0 in", "", ""},
      {"-2.999", Box::kFtIn, "-2 ft 11 in ", "1", "1"},
      {"-2.5", Box::kFtIn, "-2 ft 6 in ", "0", "1"},
      {"-0.5", Box::kFtIn, "0 ft 6 in ", "0", "1"},
      {"0.999999", Box::kFtIn, "0 ft 12 in ", "0", "1"},
  };
  for (const Row& row : rows) Run(row);
}

// 0.0625 reduces to 1/16; with 1/8 the numerator over 8 is exactly one half, which goes up.
TEST_F(DecimalToFraction, HalvesRoundAwayFromZero) {
  Run({"0.0625", Box::k8, "0", "1", "8"});
  Run({"0.0625", Box::kNone, "0", "1", "16"});
}

// Two boxes checked from code: the first in the order ft in, 1/8, 1/16, 1/32, 1/64 decides.
// Each decimal gives different results for the two boxes of its row (the comment gives the
// result of the box that loses).
TEST_F(DecimalToFraction, CheckedBoxesDecideInPriorityOrder) {
  struct PairRow {
    const char* dec;
    bool ft_in, b8, b16, b32, b64;
    const char *main2, *topnum, *bnum;
  };
  const PairRow rows[] = {
      {"2.5", true, true, false, false, false, "2 ft 6 in ", "0", "1"},  // 1/8: 2 and 1/2
      {"2.5", true, false, false, false, true, "2 ft 6 in ", "0", "1"},  // 1/64: 2 and 1/2
      {"0.2", false, true, true, false, false, "0", "1", "4"},           // 1/16: 3/16
      {"0.02", false, false, true, true, false, "0", "0", "1"},          // 1/32: 1/32
      {"0.02", false, false, false, true, true, "0", "1", "32"},         // 1/64: 1/64
      {"2.5", true, true, true, true, true, "2 ft 6 in ", "0", "1"},
  };
  for (const PairRow& r : rows) {
    SCOPED_TRACE(r.dec);
    Convert(r.dec, r.ft_in, r.b8, r.b16, r.b32, r.b64);
    ExpectResult(r.main2, r.topnum, r.bnum);
  }
}

// A decimal whose whole part no 64-bit integer holds (2^63 or more, infinite, not a number)
// shows "Overflow" and leaves the fraction empty, whatever box is checked.
TEST_F(DecimalToFraction, HugeInfiniteOrNotANumberShowsOverflow) {
  const char* texts[] = {"9223372036854775808",
                         "-9223372036854775808",
                         "1e300",
                         "9223372036854775807.0",  // not an integer text: read as the double 2^63
                         "INF",
                         "-inf",
                         "1e400",
                         "NAN",
                         "-nan"};
  for (const char* text : texts) {
    for (Box box : {Box::kNone, Box::k8, Box::kFtIn}) {
      Run({"2.5", Box::kNone, "2", "1", "2"});
      Run({text, box, "Overflow", "", ""});
    }
  }
}

// The largest double below 2^63 still has a whole part.
TEST_F(DecimalToFraction, LargestWholePartBelowTwoToThe63) {
  Run({"9223372036854774784", Box::kNone, "9223372036854774784", "0", "1"});
  Run({"-9223372036854774784", Box::kNone, "-9223372036854774784", "0", "1"});
  Run({"9223372036854774784", Box::kFtIn, "9223372036854774784 ft 0 in ", "0", "1"});
}

// A foot carried from the top of the 64-bit range has no next foot.
TEST(ConversionText, NextFootChecksTheRange) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  EXPECT_EQ(calc::conversion::NextFoot(kMax), "Overflow");
  EXPECT_EQ(calc::conversion::NextFoot(kMax - 1), "9223372036854775807 ft 0 in");
  EXPECT_EQ(calc::conversion::NextFoot(-1), "0 ft 0 in");
}

// The boxes ticked by a person exclude each other, so the last one ticked decides.
TEST_F(DecimalToFraction, BoxesTickedByClicking) {
  window().dec().SetText("3.14159");
  fw::testing::Click(window().CheckBox5());
  fw::testing::Click(window().CheckBox3());
  fw::testing::Click(window().PushButton4());
  ExpectResult("3", "5", "32");
  fw::testing::Click(window().CheckBox3());  // unticked: no rounding
  fw::testing::Click(window().PushButton4());
  ExpectResult("3", "14159", "100000");
}

}  // namespace
