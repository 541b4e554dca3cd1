// Controls driven through real widgets: key filters, actions, pop-up rows, lists, labels, tab
// pages and the window-coordinate geometry of nested controls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/exceptions.h"
#include "framework/services.h"
#include "tests/framework/framework_fixture.h"

namespace {

using fw::testing::Geometry;

class ControlsTest : public FrameworkTest {};

TEST_F(ControlsTest, KeyDownSeesTheTextBeforeTheKeyAndTheKeyLandsOnTheTextItLeaves) {
  std::vector<std::string> seen;
  TestWindow& window = Open([&](TestWindow& w) {
    auto& field = w.Add<fw::TextField>("field", Placed(10, 10, 80, 22));
    field.AddKeyDownHandler([&](fw::TextField& self, const std::string& key) {
      seen.push_back(self.Text() + "|" + key);
      if (self.Text() == "-2") self.SetText("2");  // a guard that rewrites the text
      return key == "x";                           // and swallows one key
    });
  });
  auto& field = window.ControlAs<fw::TextField>("field");
  fw::testing::TypeKeys(field, "-2x5");
  EXPECT_EQ(field.Text(), "25");
  EXPECT_EQ(seen, (std::vector<std::string>{"|-", "-|2", "-2|x", "2|5"}));

  seen.clear();
  fw::testing::PressKey(field, fw::testing::Key::Backspace);
  fw::testing::PressKey(field, fw::testing::Key::Delete);
  EXPECT_EQ(seen, (std::vector<std::string>{"25|\b", "2|\x7f"}));
  EXPECT_EQ(field.Text(), "2");
}

TEST_F(ControlsTest, SetTextRunsNoKeyFilterAndAFailingFilterLetsTheKeyThrough) {
  int calls = 0;
  TestWindow& window = Open([&](TestWindow& w) {
    w.Add<fw::TextField>("field", Placed(10, 10, 80, 22))
        .AddKeyDownHandler([&](fw::TextField&, const std::string&) -> bool {
          ++calls;
          throw fw::NilObjectException("no such thing");
        });
  });
  auto& field = window.ControlAs<fw::TextField>("field");
  field.SetText("12");
  EXPECT_EQ(calls, 0);
  fw::testing::TypeKeys(field, "3");
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(field.Text(), "123");
  EXPECT_EQ(messages,
            std::vector<std::string>{
                "An exception of class NilObjectException was not handled: no such thing"});
}

TEST_F(ControlsTest, CheckBoxActsOnClicksOnlyAndClickToggles) {
  int actions = 0;
  TestWindow& window = Open([&](TestWindow& w) {
    auto& box = w.Add<fw::CheckBox>(
        "box", Placed(10, 10, 80, 20).String("Caption", "1/8").Integer("VisualState", 1));
    box.AddActionHandler([&] { ++actions; });
  });
  auto& box = window.ControlAs<fw::CheckBox>("box");
  EXPECT_TRUE(box.Value());
  EXPECT_EQ(box.Caption(), "1/8");
  box.SetValue(false);
  EXPECT_FALSE(box.Value());
  EXPECT_EQ(actions, 0);
  fw::testing::Click(box);
  EXPECT_TRUE(box.Value());
  EXPECT_EQ(actions, 1);
}

TEST_F(ControlsTest, ButtonHandlersRunInOrderEachThroughTheExceptionHandling) {
  std::vector<int> order;
  TestWindow& window = Open([&](TestWindow& w) {
    auto& button = w.Add<fw::PushButton>("go", Placed(10, 10, 80, 25).String("Caption", "Go"));
    button.AddActionHandler([&] {
      order.push_back(1);
      throw std::runtime_error("first failed");
    });
    button.AddActionHandler([&] { order.push_back(2); });
  });
  fw::testing::Click(window.ControlAs<fw::PushButton>("go"));
  EXPECT_EQ(order, (std::vector<int>{1, 2}));
  EXPECT_EQ(messages, std::vector<std::string>{
                          "An exception of class std::exception was not handled: first failed"});
}

TEST_F(ControlsTest, PopupRowsKeepTheirTextsAndIndexesAreChecked) {
  TestWindow& window = Open([](TestWindow& w) {
    w.Add<fw::PopupMenu>("op", Placed(10, 10, 64, 26)
                                   .String("InitialValue", " +\r -\r x\r \xC3\xB7")
                                   .Integer("SelectedRowIndex", 0));
  });
  auto& popup = window.ControlAs<fw::PopupMenu>("op");
  ASSERT_EQ(popup.ListCount(), 4);
  const std::vector<std::string> rows = {" +", " -", " x", " \xC3\xB7"};
  for (std::int64_t i = 0; i < 4; ++i) {
    EXPECT_EQ(popup.List(i), rows[static_cast<std::size_t>(i)]);
    popup.SetListIndex(i);
    EXPECT_EQ(popup.ListIndex(), i);
    EXPECT_EQ(popup.Text(), rows[static_cast<std::size_t>(i)]);
  }
  popup.SetListIndex(-1);
  EXPECT_EQ(popup.ListIndex(), -1);
  EXPECT_EQ(popup.Text(), "");
  for (std::int64_t bad : {-2, 4}) {
    EXPECT_THROW(popup.SetListIndex(bad), fw::OutOfBoundsException) << bad;
    EXPECT_THROW(popup.List(bad), fw::OutOfBoundsException) << bad;
  }
}

TEST_F(ControlsTest, HiddenListKeepsRowsInOrderAndRefusesRowsItHasNot) {
  TestWindow& window = Open([](TestWindow& w) {
    w.Add<fw::Listbox>("list", Placed(15, 363, 100, 100).Boolean("Visible", false));
  });
  auto& list = window.ControlAs<fw::Listbox>("list");
  list.AddRow({"1/2"});
  list.AddRow({});
  list.AddRow({"-3", "ignored column"});
  ASSERT_EQ(list.ListCount(), 3);
  EXPECT_EQ(list.List(0), "1/2");
  EXPECT_EQ(list.List(1), "");
  EXPECT_EQ(list.List(2), "-3");
  list.RemoveRow(1);
  EXPECT_EQ(list.ListCount(), 2);
  EXPECT_EQ(list.List(1), "-3");
  for (std::int64_t bad : {-1, 2}) {
    EXPECT_THROW(list.List(bad), fw::OutOfBoundsException) << bad;
    EXPECT_THROW(list.RemoveRow(bad), fw::OutOfBoundsException) << bad;
  }
  EXPECT_FALSE(fw::testing::IsShown(list));
}

TEST_F(ControlsTest, LabelKeepsItsTextAsSet) {
  TestWindow& window = Open([](TestWindow& w) {
    w.Add<fw::Label>(
        "label",
        Placed(10, 10, 60, 34).String("Text", "To the\rnearest:").Boolean("Multiline", true));
  });
  EXPECT_EQ(window.ControlAs<fw::Label>("label").Text(), "To the\rnearest:");
}

TEST_F(ControlsTest, BevelButtonActsKeepsItsIconAndTabPassesOverIt) {
  fw::testing::HidePicture("eraser-for-test");
  TestWindow& window = Open([](TestWindow& w) {
    w.Add<fw::TextField>("before", Placed(10, 10, 60, 22));
    auto& bevel = w.Add<fw::BevelButton>(
        "bevel", Placed(100, 10, 53, 41).String("Caption", "").Boolean("AllowFocus", false));
    bevel.SetIcon(fw::Picture::OpenFromApp("eraser-for-test"));
    w.Add<fw::TextField>("after", Placed(10, 60, 60, 22));
  });
  auto& bevel = window.ControlAs<fw::BevelButton>("bevel");
  EXPECT_EQ(bevel.Icon(), nullptr);
  int presses = 0;
  bevel.AddActionHandler([&] { ++presses; });
  fw::testing::Click(bevel);
  EXPECT_EQ(presses, 1);
  fw::testing::PressKey(window.ControlAs<fw::TextField>("before"), fw::testing::Key::Tab);
  EXPECT_FALSE(fw::testing::HasFocus(bevel));
  EXPECT_TRUE(fw::testing::HasFocus(window.ControlAs<fw::TextField>("after")));
}

// A tab panel at (7,7) with a group box on its second page holding a check box: every control
// stands at its window coordinates whatever holds it.
void BuildNested(TestWindow& w) {
  w.Add<fw::TabPanel>("tabs", Placed(7, 7, 375, 344)
                                  .String("TabDefinition", "Calculator\rFraction/Decimal")
                                  .Integer("Value", 0));
  w.Add<fw::TextField>("first", Placed(74, 78, 42, 22, "tabs", 1));
  w.Add<fw::PushButton>("go", Placed(263, 183, 95, 30, "tabs", 1).Boolean("Default", true));
  w.Add<fw::GroupBox>(
      "group", Placed(20, 193, 351, 148, "tabs", 2).String("Caption", "Decimal to Fraction"));
  w.Add<fw::CheckBox>("eighth", Placed(113, 285, 52, 20, "group", 2));
  w.Add<fw::TextField>("second", Placed(39, 243, 80, 22, "tabs", 2));
  w.Add<fw::TextField>("outside", Placed(340, 387, 42, 22).Boolean("Visible", false));
}

TEST_F(ControlsTest, NestedControlsStandAtTheirWindowCoordinates) {
  TestWindow& window = Open(BuildNested, WindowRecord(395, 362, "Nested"));
  const struct {
    const char* name;
    Geometry expected;
  } cases[] = {
      {"tabs", {7, 7, 375, 344}},     {"first", {74, 78, 42, 22}},
      {"group", {20, 193, 351, 148}}, {"eighth", {113, 285, 52, 20}},
      {"second", {39, 243, 80, 22}},  {"outside", {340, 387, 42, 22}},
  };
  for (const auto& c : cases) {
    const fw::Control& control = *window.ControlByName(c.name);
    EXPECT_EQ(fw::testing::ShownGeometry(control), c.expected) << c.name;
    const auto& rect = static_cast<const fw::RectControl&>(control);
    EXPECT_EQ(rect.Left(), c.expected.left) << c.name;
    EXPECT_EQ(rect.Top(), c.expected.top) << c.name;
  }
}

TEST_F(ControlsTest, OnlyTheSelectedTabPageIsShown) {
  TestWindow& window = Open(BuildNested, WindowRecord(395, 362, "Nested"));
  auto& tabs = window.ControlAs<fw::TabPanel>("tabs");
  ASSERT_EQ(tabs.TabCount(), 2);
  EXPECT_EQ(tabs.TabText(1), "Fraction/Decimal");
  auto shown = [&](const char* name) { return fw::testing::IsShown(*window.ControlByName(name)); };
  EXPECT_TRUE(shown("first"));
  EXPECT_FALSE(shown("second"));
  EXPECT_FALSE(shown("eighth"));
  EXPECT_FALSE(shown("outside"));
  tabs.SetValue(1);
  EXPECT_EQ(tabs.Value(), 1);
  EXPECT_FALSE(shown("first"));
  EXPECT_TRUE(shown("second"));
  EXPECT_TRUE(shown("eighth"));
  EXPECT_THROW(tabs.SetValue(2), fw::OutOfBoundsException);
}

TEST_F(ControlsTest, ReturnInAFieldPressesTheDefaultButtonOnlyWhileItIsShown) {
  std::vector<std::string> events;
  TestWindow& window = Open(BuildNested, WindowRecord(395, 362, "Nested"));
  window.ControlAs<fw::PushButton>("go").AddActionHandler([&] { events.push_back("go"); });
  for (const char* name : {"first", "second"}) {
    window.ControlAs<fw::TextField>(name).AddKeyDownHandler(
        [&events, name](fw::TextField&, const std::string& key) {
          events.push_back(std::string(name) + (key == "\r" ? " return" : " key"));
          return false;
        });
  }
  fw::testing::PressKey(window.ControlAs<fw::TextField>("first"), fw::testing::Key::Return);
  EXPECT_EQ(events, (std::vector<std::string>{"first return", "go"}));

  events.clear();
  window.ControlAs<fw::TabPanel>("tabs").SetValue(1);
  fw::testing::PressKey(window.ControlAs<fw::TextField>("second"), fw::testing::Key::Return);
  EXPECT_EQ(events, (std::vector<std::string>{"second return"}));
}

TEST_F(ControlsTest, TabMovesTheFocusAndSetFocusTakesIt) {
  TestWindow& window = Open([](TestWindow& w) {
    w.Add<fw::TextField>("a", Placed(10, 10, 80, 22));
    w.Add<fw::TextField>("b", Placed(10, 40, 80, 22));
  });
  auto& a = window.ControlAs<fw::TextField>("a");
  auto& b = window.ControlAs<fw::TextField>("b");
  b.SetFocus();
  EXPECT_TRUE(fw::testing::HasFocus(b));
  fw::testing::PressKey(a, fw::testing::Key::Tab);
  EXPECT_TRUE(fw::testing::HasFocus(b));
  EXPECT_FALSE(fw::testing::HasFocus(a));
  EXPECT_EQ(a.Text(), "");
}

TEST_F(ControlsTest, EveryAppliedPropertyIsKept) {
  TestWindow& window = Open([](TestWindow& w) {
    w.Add<fw::TextField>("field", Placed(1, 2, 3, 4)
                                      .Boolean("ReadOnly", true)
                                      .ColorValue("BackgroundColor", 0x8CBBFF)
                                      .Single("FontSize", 12)
                                      .String("DataField", "unused"));
  });
  auto& field = window.ControlAs<fw::TextField>("field");
  EXPECT_TRUE(field.ReadOnly());
  EXPECT_EQ(fw::ColorProperty(field.Properties(), "BackgroundColor").rgb, 0x8CBBFFu);
  EXPECT_EQ(fw::StringProperty(field.Properties(), "DataField"), "unused");
  EXPECT_THROW(field.SetProperties(fw::PropertyRecord().Integer("Value", 1).Bytes()),
               fw::RuntimeException);
}

}  // namespace
