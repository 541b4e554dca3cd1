// The input guards as a person meets them: keys typed into the real fields, boxes clicked, the
// eraser pressed and File > Reset chosen.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/testing.h"
#include "tests/support/app_fixture.h"

namespace {

using fw::testing::Click;
using fw::testing::TypeKeys;

const std::string kDenominatorMessage =
    "All negative numbers in the denominator will be changed to a positive. If you wish to assign "
    "negative values, use the whole number or the numerator.";
const std::string kPositiveMessage = "This field can only accept positive integers.";

class GuardsTest : public AppFixture {
 protected:
  fw::TextField& Field(const std::string& name) { return window().ControlAs<fw::TextField>(name); }
  void ShowFractionTab() { window().TabPanel1().SetValue(1); }
};

// The field holds `before` when `key` is typed; the filter sees the text without the key.
struct KeyCase {
  const char* before;
  const char* key;
  bool warned;
  const char* after;
};

TEST_F(GuardsTest, DenominatorsWarnAndBecomeTheirIntegerMagnitude) {
  const std::vector<KeyCase> cases = {
      {"-7", "3", true, "73"},   {"-2.5", "1", true, "21"},   {"-0.5", "4", true, "04"},
      {"-0", "1", false, "-01"}, {"", "-", false, "-"},       {"7", "2", false, "72"},
      {"-", "5", false, "-5"},   {"2.5", "1", false, "2.51"},
  };
  for (const char* name : {"numbottom1", "numbottom2"}) {
    for (const KeyCase& c : cases) {
      SCOPED_TRACE(std::string(name) + " holding \"" + c.before + "\"");
      messages.clear();
      Field(name).SetText(c.before);
      TypeKeys(Field(name), c.key);
      EXPECT_EQ(messages, c.warned ? std::vector<std::string>{kDenominatorMessage}
                                   : std::vector<std::string>{});
      EXPECT_EQ(Field(name).Text(), c.after);
    }
  }
}

TEST_F(GuardsTest, MinusThenDigitIntoAnEmptyDenominatorWarnsOnlyAtTheNextKey) {
  TypeKeys(window().numbottom1(), "-5");
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(window().numbottom1().Text(), "-5");
  TypeKeys(window().numbottom1(), "0");
  EXPECT_EQ(messages, std::vector<std::string>{kDenominatorMessage});
  EXPECT_EQ(window().numbottom1().Text(), "50");
}

TEST_F(GuardsTest, DenominatorBeyondTheIntegerRange) {
  const struct {
    const char* before;
    const char* after;
  } cases[] = {
      {"-9223372036854775807", "9223372036854775807"},
      {"-9223372036854775808", "9.22337203685478e+18"},
      {"-123456789012345678901234", "1.23456789012346e+23"},
      {"-1e300", "1e+300"},
  };
  for (const auto& c : cases) {
    messages.clear();
    window().numbottom2().SetText(c.before);
    EXPECT_FALSE(window().numbottom2_KeyDown(window().numbottom2(), "1"));
    EXPECT_EQ(messages.size(), 1u) << c.before;
    EXPECT_EQ(window().numbottom2().Text(), c.after) << c.before;
    // Repaired once, the field no longer reads as negative.
    EXPECT_FALSE(window().numbottom2_KeyDown(window().numbottom2(), "1"));
    EXPECT_EQ(messages.size(), 1u) << c.before;
  }
}

TEST_F(GuardsTest, FractionInputsWarnAtEveryKeyAndKeepTheirText) {
  ShowFractionTab();
  for (const char* name : {"topper", "bottomer"}) {
    SCOPED_TRACE(name);
    messages.clear();
    Field(name).SetText("-3");
    TypeKeys(Field(name), "12");
    fw::testing::PressKey(Field(name), fw::testing::Key::Backspace);
    EXPECT_EQ(messages, std::vector<std::string>(3, kPositiveMessage));
    EXPECT_EQ(Field(name).Text(), "-31");

    messages.clear();
    for (const char* harmless : {"0", "2.5", "", "-0"}) {
      Field(name).SetText(harmless);
      TypeKeys(Field(name), "1");
    }
    EXPECT_TRUE(messages.empty());
  }
}

TEST_F(GuardsTest, OtherFieldsHaveNoFilter) {
  for (const char* name : {"whole1", "numtop1", "whole2", "numtop2"}) {
    Field(name).SetText("-4");
    TypeKeys(Field(name), "-5");
    EXPECT_EQ(Field(name).Text(), "-4-5") << name;
  }
  ShowFractionTab();
  for (const char* name : {"main", "dec"}) {
    Field(name).SetText("-4");
    TypeKeys(Field(name), "-5");
    EXPECT_EQ(Field(name).Text(), "-4-5") << name;
  }
  EXPECT_TRUE(messages.empty());
}

TEST_F(GuardsTest, RoundingBoxesExcludeEachOther) {
  ShowFractionTab();
  for (int first = 1; first <= 5; ++first) {
    for (int second = 1; second <= 5; ++second) {
      if (first == second) continue;
      SCOPED_TRACE("CheckBox" + std::to_string(first) + " then CheckBox" + std::to_string(second));
      auto box = [this](int n) -> fw::CheckBox& {
        return window().ControlAs<fw::CheckBox>("CheckBox" + std::to_string(n));
      };
      Click(box(first));
      Click(box(second));
      for (int n = 1; n <= 5; ++n) EXPECT_EQ(box(n).Value(), n == second) << n;
      // Unchecking leaves all five unchecked.
      Click(box(second));
      for (int n = 1; n <= 5; ++n) EXPECT_FALSE(box(n).Value()) << n;
    }
  }
}

// The eraser and File > Reset empty the Calculator tab's ten fields and nothing else.
TEST_F(GuardsTest, EraserAndResetClearExactlyTheTenFields) {
  const std::vector<std::string> cleared = {"whole1",     "numtop1",   "numbottom1", "numtop2",
                                            "numbottom2", "whole2",    "EditField1", "EditField2",
                                            "EditField3", "EditField4"};
  const std::vector<std::string> kept = {"main",  "topper", "bottomer", "answerd",  "dec",
                                         "main2", "topnum", "bnum",     "keeptrack"};
  const std::vector<std::pair<std::string, std::function<void()>>> ways = {
      {"eraser", [this] { Click(window().BevelButton1()); }},
      {"File > Reset", [this] { EXPECT_TRUE(fw::testing::ChooseMenuItem(window(), "FileReset")); }},
      {"Ctrl+R", [this] { fw::testing::PressShortcut(window().dec(), "Ctrl+R"); }},
  };
  for (const auto& [way, clear] : ways) {
    SCOPED_TRACE(way);
    Window1& w = window();
    w.TabPanel1().SetValue(0);
    for (const auto& name : cleared) Field(name).SetText(name + "-text");
    for (const auto& name : kept) Field(name).SetText(name + "-text");
    w.PopupMenu3().SetListIndex(2);
    w.multiple().SetValue(true);
    w.CheckBox4().SetValue(true);
    w.operation().AddRow({"2"});
    const std::int64_t rows = w.operation().ListCount();

    clear();

    for (const auto& name : cleared) EXPECT_EQ(Field(name).Text(), "") << name;
    for (const auto& name : kept) EXPECT_EQ(Field(name).Text(), name + "-text") << name;
    EXPECT_EQ(w.PopupMenu3().ListIndex(), 2);
    EXPECT_TRUE(w.multiple().Value());
    EXPECT_TRUE(w.CheckBox4().Value());
    EXPECT_EQ(w.operation().ListCount(), rows);
  }
  EXPECT_TRUE(messages.empty());
  EXPECT_FALSE(window().FileReset_Action());
}

}  // namespace
