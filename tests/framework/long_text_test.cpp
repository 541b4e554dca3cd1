// Text fields hold text of any length: a MaximumCharactersAllowed of 0 (or none in the record)
// sets no limit, for text from the record, set from code or pasted through the clipboard; a
// positive value cuts the text at that many characters.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/framework/framework_fixture.h"

namespace {

// Longer than the 32767 characters a toolkit field keeps by default.
const std::string kLong = std::string(40000, '0') + "7";

struct LimitCase {
  const char* name;
  std::int64_t allowed;  // -1: the record does not set it
  std::size_t kept;      // how many characters of kLong the field keeps
};

const LimitCase kCases[] = {
    {"unset", -1, kLong.size()},
    {"zero", 0, kLong.size()},
    {"five", 5, 5},
    {"large", 50000, kLong.size()},
};

// Whether `text` is the first `kept` characters of kLong; says only the length when not.
::testing::AssertionResult HoldsStartOfLong(const std::string& text, std::size_t kept) {
  if (text == kLong.substr(0, kept)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "holds " << text.size() << " characters, not the first " << kept << " of the long text";
}

class LongTextTest : public FrameworkTest {
 protected:
  TestWindow& OpenFields() {
    return Open([](TestWindow& w) {
      int top = 10;
      for (const LimitCase& c : kCases) {
        fw::PropertyRecord record = Placed(10, top, 200, 22);
        if (c.allowed >= 0) record.Integer("MaximumCharactersAllowed", c.allowed);
        w.Add<fw::TextField>(c.name, record.String("Text", kLong));
        top += 30;
      }
      w.Add<fw::TextField>("source", Placed(10, top, 200, 22));
    });
  }
};

TEST_F(LongTextTest, FieldsKeepTextFromTheRecordAndFromCodeUpToTheirLimit) {
  TestWindow& window = OpenFields();
  for (const LimitCase& c : kCases) {
    auto& field = window.ControlAs<fw::TextField>(c.name);
    EXPECT_TRUE(HoldsStartOfLong(field.Text(), c.kept)) << c.name << " from the record";
    field.SetText("");
    field.SetText(kLong);
    EXPECT_TRUE(HoldsStartOfLong(field.Text(), c.kept)) << c.name << " set from code";
  }
}

// Copied out of one field and pasted into each other one through the toolkit's clipboard.
TEST_F(LongTextTest, PastedTextIsKeptUpToTheLimit) {
  TestWindow& window = OpenFields();
  auto& source = window.ControlAs<fw::TextField>("source");
  source.SetText(kLong);
  fw::testing::PressShortcut(source, "Ctrl+A");
  fw::testing::PressShortcut(source, "Ctrl+C");
  for (const LimitCase& c : kCases) {
    auto& field = window.ControlAs<fw::TextField>(c.name);
    field.SetText("");
    fw::testing::PressShortcut(field, "Ctrl+V");
    EXPECT_TRUE(HoldsStartOfLong(field.Text(), c.kept)) << c.name;
  }
}

}  // namespace
