// The main window's 55 controls as they come out of their records: creation order, classes,
// places, parents, tabs, texts and colours, and the values every control of a class shares.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "framework/controls.h"
#include "framework/property_record.h"
#include "framework/testing.h"
#include "tests/support/app_fixture.h"

namespace {

using Values = fw::PropertyValues;

// One row of the control table. `text` is the Text, Caption, InitialValue or TabDefinition
// the control shows (nullopt for controls without one); colours are -1 on controls that are not
// text fields.
struct Row {
  const char* name;
  const char* cls;
  const char* parent;
  std::int64_t tab, left, top, width, height, tabIndex;
  bool visible;
  std::optional<std::string> text;
  bool readOnly = false;
  std::int64_t background = -1, textColor = -1;
};

constexpr std::int64_t kOp = 0x8CBBFF, kRes = 0xF9F3FF, kBrown = 0x291A10, kFr = 0x9EC6F3;

// clang-format off
const std::vector<Row> kControls = {
    {"TabPanel1", "TabPanel", "", 0, 7, 7, 375, 344, 0, true, "Calculator\rFraction/Decimal"},
    {"whole1", "TextField", "TabPanel1", 1, 74, 78, 42, 22, 0, true, "", false, kOp, 0},
    {"numtop1", "TextField", "TabPanel1", 1, 138, 54, 62, 22, 1, true, "", false, kOp, 0},
    {"numbottom1", "TextField", "TabPanel1", 1, 138, 105, 62, 22, 2, true, "", false, kOp, 0},
    {"Separator1", "Separator", "TabPanel1", 1, 123, 296, 97, 4, 3, true, std::nullopt},
    {"whole2", "TextField", "TabPanel1", 1, 74, 187, 42, 22, 4, true, "", false, kOp, 0},
    {"numtop2", "TextField", "TabPanel1", 1, 138, 163, 62, 22, 5, true, "", false, kOp, 0},
    {"numbottom2", "TextField", "TabPanel1", 1, 138, 214, 62, 22, 6, true, "", false, kOp, 0},
    {"EditField1", "TextField", "TabPanel1", 1, 138, 261, 62, 22, 7, true, "", true, kRes, kBrown},
    {"EditField2", "TextField", "TabPanel1", 1, 138, 312, 62, 22, 8, true, "", true, kRes, kBrown},
    {"Separator2", "Separator", "TabPanel1", 1, 123, 197, 97, 4, 9, true, std::nullopt},
    {"Separator3", "Separator", "TabPanel1", 1, 123, 88, 97, 4, 10, true, std::nullopt},
    {"StaticText3", "Label", "TabPanel1", 1, 47, 286, 15, 21, 11, true, "="},
    {"EditField3", "TextField", "TabPanel1", 1, 74, 285, 41, 22, 12, true, "", true, kRes, kBrown},
    {"PushButton2", "PushButton", "TabPanel1", 1, 263, 183, 95, 30, 13, true, "Calculate"},
    {"PopupMenu3", "PopupMenu", "TabPanel1", 1, 24, 125, 64, 26, 14, true, " +\r -\r x\r \xC3\xB7"},
    {"StaticText1", "Label", "TabPanel1", 1, 222, 285, 15, 21, 15, true, "="},
    {"EditField4", "TextField", "TabPanel1", 1, 255, 285, 103, 22, 16, true, "", true, kRes, 0},
    {"main", "TextField", "TabPanel1", 2, 28, 97, 55, 22, 0, true, "", false, kFr, 0},
    {"topper", "TextField", "TabPanel1", 2, 108, 73, 80, 22, 1, true, "", false, kFr, 0},
    {"bottomer", "TextField", "TabPanel1", 2, 108, 124, 80, 22, 2, true, "", false, kFr, 0},
    {"answerd", "TextField", "TabPanel1", 2, 257, 97, 87, 21, 3, true, "", true, 0xFFFFFF, 0},
    {"PushButton3", "PushButton", "TabPanel1", 2, 256, 143, 88, 25, 4, true, "Calculate"},
    {"Separator6", "Separator", "TabPanel1", 2, 99, 108, 98, 4, 5, true, std::nullopt},
    {"StaticText4", "Label", "TabPanel1", 2, 223, 98, 21, 20, 6, true, "="},
    {"dec", "TextField", "TabPanel1", 2, 39, 243, 80, 22, 7, true, "", false, 0xA2C4F1, 0},
    {"StaticText2", "Label", "TabPanel1", 2, 131, 244, 19, 21, 8, true, "="},
    {"main2", "TextField", "TabPanel1", 2, 156, 243, 79, 22, 9, true, "", true, 0xFFFFFF, 0},
    {"topnum", "TextField", "TabPanel1", 2, 256, 215, 80, 22, 10, true, "", true, 0xFFFFFF, 0},
    {"bnum", "TextField", "TabPanel1", 2, 256, 265, 80, 22, 11, true, "", true, 0xFFFFFF, 0},
    {"Separator4", "Separator", "TabPanel1", 2, 247, 249, 98, 4, 12, true, std::nullopt},
    {"PushButton4", "PushButton", "TabPanel1", 2, 257, 306, 88, 25, 13, true, "Calculate"},
    {"GroupBox1", "GroupBox", "TabPanel1", 2, 20, 193, 351, 148, 14, true, "Decimal to Fraction"},
    {"CheckBox1", "CheckBox", "GroupBox1", 2, 113, 285, 52, 20, 0, true, "1/8"},
    {"CheckBox2", "CheckBox", "GroupBox1", 2, 178, 285, 57, 20, 1, true, "1/16"},
    {"CheckBox3", "CheckBox", "GroupBox1", 2, 112, 311, 55, 20, 2, true, "1/32"},
    {"CheckBox4", "CheckBox", "GroupBox1", 2, 178, 311, 57, 20, 3, true, "1/64"},
    {"StaticText5", "Label", "GroupBox1", 2, 39, 277, 54, 34, 4, true, "To the\rnearest:"},
    {"CheckBox5", "CheckBox", "GroupBox1", 2, 39, 311, 55, 22, 5, true, "ft in"},
    {"GroupBox2", "GroupBox", "TabPanel1", 2, 20, 43, 351, 138, 15, true, "Fraction to Decimal"},
    {"BevelButton1", "BevelButton", "TabPanel1", 1, 278, 112, 53, 41, 17, true, ""},
    {"Separator5", "Separator", "TabPanel1", 1, 20, 247, 354, 2, 18, true, std::nullopt},
    {"multiple", "CheckBox", "TabPanel1", 1, 240, 58, 139, 23, 19, true, "Multiple Operations"},
    {"whole1temp", "Listbox", "", 0, 15, 363, 100, 100, 1, false, std::nullopt},
    {"num1temp", "Listbox", "", 0, 127, 363, 100, 100, 2, false, std::nullopt},
    {"denom1temp", "Listbox", "", 0, 239, 363, 100, 100, 3, false, std::nullopt},
    {"whole2temp", "Listbox", "", 0, 9, 480, 100, 100, 4, false, std::nullopt},
    {"num2temp", "Listbox", "", 0, 133, 480, 100, 100, 5, false, std::nullopt},
    {"denom2temp", "Listbox", "", 0, 245, 480, 100, 100, 6, false, std::nullopt},
    {"wholetemp", "Listbox", "", 0, 0, 597, 100, 100, 7, false, std::nullopt},
    {"numtemp", "Listbox", "", 0, 127, 597, 100, 100, 8, false, std::nullopt},
    {"denomtemp", "Listbox", "", 0, 239, 597, 100, 100, 9, false, std::nullopt},
    {"keeptrack", "TextField", "", 0, 340, 387, 42, 22, 10, false, "", false, 0xFFFFFF, 0},
    {"decimaltemp", "Listbox", "", 0, 351, 451, 100, 100, 11, false, std::nullopt},
    {"operation", "Listbox", "", 0, 351, 577, 100, 100, 12, false, std::nullopt},
};
// clang-format on

std::vector<std::string> NamesOf(std::size_t first, std::size_t count) {
  std::vector<std::string> names;
  for (std::size_t i = first; i < first + count; ++i) names.push_back(kControls[i].name);
  return names;
}

// The property that carries a control's visible text, by class.
const char* TextProperty(const std::string& cls) {
  if (cls == "TextField" || cls == "Label") return "Text";
  if (cls == "PopupMenu") return "InitialValue";
  if (cls == "TabPanel") return "TabDefinition";
  return "Caption";
}

std::set<std::string> Keys(const fw::PropertyValues& values) {
  std::set<std::string> keys;
  for (const auto& entry : values) keys.insert(entry.first);
  return keys;
}
std::set<std::string> Keys(const fw::PropertyTypes& types) {
  std::set<std::string> keys;
  for (const auto& entry : types) keys.insert(entry.first);
  return keys;
}

class LayoutTest : public AppFixture {};

TEST_F(LayoutTest, ControlsAreRegisteredInCreationOrderWithTheirClasses) {
  EXPECT_EQ(window().ControlNames(), NamesOf(0, kControls.size()));
  for (const Row& row : kControls) {
    SCOPED_TRACE(row.name);
    fw::Control* control = window().ControlByName(row.name);
    ASSERT_NE(control, nullptr);
    EXPECT_STREQ(control->ClassName(), row.cls);
    EXPECT_EQ(control->Name(), row.name);
  }
}

TEST_F(LayoutTest, EachRecordPlacesItsControlAsTheTableSays) {
  for (const Row& row : kControls) {
    SCOPED_TRACE(row.name);
    const auto& control = window().ControlAs<fw::RectControl>(row.name);
    const Values& p = control.Properties();
    EXPECT_EQ(fw::StringProperty(p, "Name"), row.name);
    EXPECT_EQ(fw::StringProperty(p, "InitialParent"), row.parent);
    EXPECT_EQ(fw::IntegerProperty(p, "TabPanelIndex"), row.tab);
    EXPECT_EQ(fw::IntegerProperty(p, "TabIndex"), row.tabIndex);
    EXPECT_EQ(fw::BooleanProperty(p, "Visible"), row.visible);
    EXPECT_EQ(control.Left(), row.left);
    EXPECT_EQ(control.Top(), row.top);
    EXPECT_EQ(control.Width(), row.width);
    EXPECT_EQ(control.Height(), row.height);
    // Where the widget really is: window coordinates whatever the parent. (The history lists
    // keep their rows without a widget.)
    if (std::string(row.cls) != "Listbox") {
      const fw::testing::Geometry shown = fw::testing::ShownGeometry(control);
      EXPECT_EQ(shown,
                (fw::testing::Geometry{static_cast<int>(row.left), static_cast<int>(row.top),
                                       static_cast<int>(row.width), static_cast<int>(row.height)}));
    }
    if (row.text) {
      EXPECT_EQ(fw::StringProperty(p, TextProperty(row.cls)), *row.text);
    }
    if (row.background >= 0) {
      EXPECT_EQ(fw::BooleanProperty(p, "ReadOnly"), row.readOnly);
      EXPECT_EQ(fw::ColorProperty(p, "BackgroundColor").rgb, row.background);
      EXPECT_EQ(fw::ColorProperty(p, "TextColor").rgb, row.textColor);
    }
  }
}

// Every record sets each property its class declares, once; decoding consumed it exactly, or
// the window would not have been built.
TEST_F(LayoutTest, EachRecordSetsEveryDeclaredPropertyOfItsClass) {
  for (const Row& row : kControls) {
    SCOPED_TRACE(row.name);
    const fw::Control& control = *window().ControlByName(row.name);
    EXPECT_EQ(Keys(control.Properties()), Keys(control.DeclaredProperties()));
  }
  EXPECT_EQ(Keys(window().Properties()), Keys(fw::Window::DeclaredProperties()));
}

TEST_F(LayoutTest, ValuesSharedByEveryControl) {
  for (const Row& row : kControls) {
    SCOPED_TRACE(row.name);
    const Values& p = window().ControlByName(row.name)->Properties();
    EXPECT_EQ(fw::IntegerProperty(p, "Index"), -2147483648LL);
    for (const char* lock : {"LockLeft", "LockTop", "LockRight", "LockBottom"}) {
      EXPECT_FALSE(fw::BooleanProperty(p, lock)) << lock;
    }
    EXPECT_TRUE(fw::BooleanProperty(p, "TabStop"));
    EXPECT_TRUE(fw::BooleanProperty(p, "AllowAutoDeactivate"));
    EXPECT_TRUE(fw::BooleanProperty(p, "Enabled"));
    EXPECT_EQ(fw::StringProperty(p, "Tooltip"), "");
    // Labels alone are opaque.
    EXPECT_EQ(fw::BooleanProperty(p, "Transparent"), std::string(row.cls) != "Label");
    if (std::string(row.cls) == "Separator") continue;
    EXPECT_EQ(fw::StringProperty(p, "FontName"), "System");
    EXPECT_EQ(std::get<std::uint8_t>(p.at("FontUnit")), 0);
    EXPECT_FALSE(fw::BooleanProperty(p, "Bold"));
    EXPECT_FALSE(fw::BooleanProperty(p, "Italic"));
    EXPECT_FALSE(fw::BooleanProperty(p, "Underline"));
    EXPECT_EQ(fw::SingleProperty(p, "FontSize"), std::string(row.cls) == "Label" ? 0.0f : 12.0f);
  }
}

TEST_F(LayoutTest, ClassValuesThatDecideBehaviour) {
  const Window1& w = window();
  // Return presses the Calculator's button only.
  EXPECT_TRUE(w.PushButton2().Default());
  EXPECT_FALSE(w.PushButton3().Default());
  EXPECT_FALSE(w.PushButton4().Default());
  // The tabs, the first one shown; the operation rows, the first one selected.
  EXPECT_EQ(w.TabPanel1().Value(), 0);
  ASSERT_EQ(w.TabPanel1().TabCount(), 2);
  EXPECT_EQ(w.TabPanel1().TabText(1), "Fraction/Decimal");
  ASSERT_EQ(w.PopupMenu3().ListCount(), 4);
  EXPECT_EQ(w.PopupMenu3().ListIndex(), 0);
  EXPECT_EQ(w.PopupMenu3().List(3), " \xC3\xB7");
  // The eraser shows its picture alone and never takes the focus.
  const Values& bevel = w.BevelButton1().Properties();
  EXPECT_EQ(w.BevelButton1().Caption(), "");
  EXPECT_FALSE(fw::BooleanProperty(bevel, "AllowFocus"));
  EXPECT_FALSE(fw::BooleanProperty(bevel, "Value"));
  EXPECT_EQ(fw::ColorProperty(bevel, "BackgroundColor").rgb, 0xDEDC7Au);
  // Only the rounding label spans two lines.
  EXPECT_TRUE(fw::BooleanProperty(w.StaticText5().Properties(), "Multiline"));
  EXPECT_FALSE(fw::BooleanProperty(w.StaticText2().Properties(), "Multiline"));
  // Every check box and field starts empty; the history holds nothing.
  for (fw::CheckBox* box : {&w.CheckBox1(), &w.CheckBox2(), &w.CheckBox3(), &w.CheckBox4(),
                            &w.CheckBox5(), &w.multiple()}) {
    EXPECT_FALSE(box->Value()) << box->Name();
  }
  EXPECT_EQ(w.keeptrack().Text(), "");
  EXPECT_EQ(w.operation().ListCount(), 0);
  EXPECT_TRUE(w.EditField4().ReadOnly());
  EXPECT_FALSE(w.whole1().ReadOnly());
}

TEST_F(LayoutTest, TheWindowsOwnRecord) {
  const Values& p = window().Properties();
  EXPECT_EQ(window().Title(), "Tessimo 1.3.6");
  EXPECT_EQ(fw::IntegerProperty(p, "Width"), 395);
  EXPECT_EQ(fw::IntegerProperty(p, "Height"), 362);
  EXPECT_EQ(fw::IntegerProperty(p, "MinimumWidth"), 64);
  EXPECT_EQ(fw::IntegerProperty(p, "MaximumHeight"), 32000);
  EXPECT_FALSE(fw::BooleanProperty(p, "Resizeable"));
  EXPECT_TRUE(fw::BooleanProperty(p, "HasMaximizeButton"));
  EXPECT_FALSE(fw::BooleanProperty(p, "HasMinimizeButton"));
  EXPECT_EQ(fw::IntegerProperty(p, "DefaultLocation"), 2);
  EXPECT_FALSE(fw::BooleanProperty(p, "HasBackgroundColor"));
  EXPECT_EQ(fw::ColorProperty(p, "BackgroundColor").rgb, 0xD1D1D1u);
  EXPECT_TRUE(window().IsVisible());
}

// A control on a tab shows while its tab is selected; the hidden history never shows.
TEST_F(LayoutTest, OnlyTheSelectedTabsControlsAreShown) {
  for (std::int64_t selected : {1, 2}) {
    window().TabPanel1().SetValue(selected - 1);
    for (const Row& row : kControls) {
      const bool shown = row.tab == 0 ? row.visible : row.tab == selected;
      EXPECT_EQ(fw::testing::IsShown(*window().ControlByName(row.name)), shown)
          << row.name << " with tab " << selected;
    }
  }
}

// A click at the middle of a control reaches that control: no container drawn later (the group
// boxes of the second tab) may cover the fields and buttons it frames.
TEST_F(LayoutTest, AClickReachesTheControlUnderIt) {
  for (std::int64_t selected : {1, 2}) {
    window().TabPanel1().SetValue(selected - 1);
    for (const Row& row : kControls) {
      if (row.tab != selected || std::string(row.cls) == "Separator" ||
          std::string(row.cls) == "GroupBox") {
        continue;
      }
      EXPECT_EQ(fw::testing::ControlAt(window(), static_cast<int>(row.left + row.width / 2),
                                       static_cast<int>(row.top + row.height / 2)),
                row.name);
    }
  }
}

TEST_F(LayoutTest, TheAccessorFindsTheOpenWindow) {
  Window1& first = Window1::Instance();
  EXPECT_EQ(&Window1::Instance(), &first);
  EXPECT_EQ(first.ControlNames().size(), kControls.size());
}

// The two halves of CreateControls, one at a time, on a window that is not built.
TEST(CreateControls, EachHalfRegistersItsOwnControls) {
  Window1& bare = fw::NewWindow<Window1>();
  bare.CreateControls0();
  EXPECT_EQ(bare.ControlNames(), NamesOf(0, 30));
  bare.CreateControls1();
  EXPECT_EQ(bare.ControlNames(), NamesOf(0, 55));
}

}  // namespace
