// The menu bar: its tree, the one object shared by the application and the main window, what the
// window shows of it, and which items the program enables.
#include "window/menu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/testing.h"
#include "tests/support/app_fixture.h"

namespace {

struct ItemRow {
  const char* name;
  const char* cls;
  const char* parent;  // "" for a top-level menu
  const char* text;
  std::optional<std::string> shortcut;  // nullopt: never assigned
  bool autoEnabled;
};

// In creation order.
const std::vector<ItemRow> kItems = {
    {"UntitledMenu3", "MenuItem", "", "", "", false},
    {"UntitledMenu2", "MenuItem", "", "File", "", false},
    {"FileClose", "MenuItem", "UntitledMenu2", "Close", "Cmd+W", false},
    {"FileConversions", "MenuItem", "UntitledMenu2", "Decimal Conversions...", "Cmd+D", false},
    {"FileReset", "MenuItem", "UntitledMenu2", "Reset", "Cmd+R", false},
    {"FileQuit", "QuitMenuItem", "UntitledMenu2", "Quit", "Cmd+Q", true},
    {"UntitledMenu7", "MenuItem", "UntitledMenu2", "", "", false},
    {"UntitledMenu0", "MenuItem", "", "Edit", "", false},
    {"EditUndo", "MenuItem", "UntitledMenu0", "Undo", "Cmd+Z", false},
    {"UntitledMenu1", "MenuItem", "UntitledMenu0", "-", std::nullopt, false},
    {"EditCut", "MenuItem", "UntitledMenu0", "Cut", "Cmd+X", false},
    {"EditCopy", "MenuItem", "UntitledMenu0", "Copy", "Cmd+C", false},
    {"EditPaste", "MenuItem", "UntitledMenu0", "Paste", "Cmd+V", false},
    {"EditClear", "MenuItem", "UntitledMenu0", "Clear", "", false},
    {"UntitledMenu6", "MenuItem", "UntitledMenu0", "", "", false},
    {"fraction", "AppleMenuItem", "UntitledMenu0", "About Tessimo...", "", false},
    {"UntitledMenu5", "AppleMenuItem", "UntitledMenu0", "", "", false},
    {"UntitledMenu4", "MenuItem", "", "", "", false},
};

// Every item below `root`, depth first.
void Walk(fw::MenuItem& root, const std::function<void(fw::MenuItem&)>& visit) {
  for (std::size_t i = 0; i < root.Count(); ++i) {
    visit(*root.Item(i));
    Walk(*root.Item(i), visit);
  }
}

class MenuTest : public AppFixture {};

TEST_F(MenuTest, OneMenuBarServesTheApplicationAndTheWindow) {
  const std::shared_ptr<Menu> bar = Menu::Instance();
  EXPECT_EQ(Menu::Instance(), bar);
  ASSERT_NE(fw::App(), nullptr);
  EXPECT_EQ(fw::App()->MenuBar(), bar);
  EXPECT_EQ(window().MenuBar(), bar);
  // An item found through the window is the application's item.
  EXPECT_EQ(&window().FileReset(), bar->Lookup("FileReset"));
}

TEST_F(MenuTest, TheTreeHoldsTheEighteenItemsInOrder) {
  fw::MenuItem& bar = *Menu::Instance();
  std::vector<std::string> order;
  Walk(bar, [&order](fw::MenuItem& item) { order.push_back(item.Name()); });
  // Depth first is creation order here: each menu's items follow it.
  std::vector<std::string> expected;
  for (const ItemRow& row : kItems) expected.push_back(row.name);
  EXPECT_EQ(order, expected);

  ASSERT_EQ(bar.Count(), 4u);
  EXPECT_EQ(bar.Item(1)->Count(), 5u);
  EXPECT_EQ(bar.Item(2)->Count(), 9u);
  EXPECT_EQ(bar.Item(0)->Count() + bar.Item(3)->Count(), 0u);
}

TEST_F(MenuTest, EachItemCarriesItsClassCaptionShortcutAndFlags) {
  for (const ItemRow& row : kItems) {
    SCOPED_TRACE(row.name);
    fw::MenuItem* item = Menu::Instance()->Lookup(row.name);
    ASSERT_NE(item, nullptr);
    EXPECT_STREQ(item->ClassName(), row.cls);
    ASSERT_NE(item->Parent(), nullptr);
    EXPECT_EQ(item->Parent()->Name(), row.parent);
    EXPECT_EQ(item->Text(), row.text);
    EXPECT_EQ(item->ShortcutAssigned(), row.shortcut.has_value());
    EXPECT_EQ(item->Shortcut(), row.shortcut.value_or(""));
    EXPECT_EQ(item->AutoEnabled(), row.autoEnabled);
    EXPECT_TRUE(item->Visible());
  }
}

TEST_F(MenuTest, TheWindowsAccessorsFindTheItemsWithTheirClasses) {
  const Window1& w = window();
  EXPECT_EQ(w.fraction().Name(), "fraction");
  EXPECT_EQ(w.UntitledMenu5().Name(), "UntitledMenu5");
  EXPECT_EQ(w.FileQuit().Name(), "FileQuit");
  EXPECT_EQ(w.UntitledMenu1().Text(), "-");
  EXPECT_EQ(w.UntitledMenu3().Parent(), Menu::Instance().get());
}

TEST_F(MenuTest, TheWindowShowsFileAndEditWithTheirKeys) {
  window().UpdateMenus();
  struct Shown {
    std::string caption, accessKey, keys;
    int depth;
    bool operator==(const Shown&) const = default;
  };
  std::vector<Shown> shown;
  for (const auto& entry : fw::testing::ShownMenu(window())) {
    shown.push_back({entry.caption, entry.accessKey, entry.keys, entry.depth});
  }
  const std::vector<Shown> expected = {
      {"File", "F", "", 1},
      {"Close", "C", "Ctrl+W", 2},
      {"Decimal Conversions...", "D", "Ctrl+D", 2},
      {"Reset", "R", "Ctrl+R", 2},
      {"Quit", "Q", "Ctrl+Q", 2},
      {"Edit", "E", "", 1},
      {"Undo", "U", "Ctrl+Z", 2},
      {"-", "", "", 2},
      {"Cut", "C", "Ctrl+X", 2},
      {"Copy", "o", "Ctrl+C", 2},
      {"Paste", "P", "Ctrl+V", 2},
      {"Clear", "l", "", 2},
      {"About Tessimo...", "A", "", 2},
  };
  ASSERT_EQ(shown.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(shown[i], expected[i]) << expected[i].caption;
  }
}

// Alt with a menu's access letter opens that menu from a number field; Alt with another key does
// nothing, and none of them types into the field.
TEST_F(MenuTest, AltOpensTheMenuOfItsLetterAndNeverTypes) {
  fw::TextField& field = window().whole1();
  field.SetText("12");
  const struct {
    const char* keys;
    const char* menu;
  } rows[] = {{"Alt+F", "UntitledMenu2"}, {"Alt+E", "UntitledMenu0"}, {"Alt+Z", ""}, {"Alt+3", ""}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.keys);
    fw::testing::PressShortcut(field, row.keys);
    EXPECT_EQ(fw::testing::OpenMenu(), row.menu);
    fw::testing::CloseMenus();
    EXPECT_EQ(field.Text(), "12");
  }
}

TEST_F(MenuTest, OnlyAboutResetUndoAndQuitAreEnabled) {
  window().UpdateMenus();
  const std::vector<std::string> enabled = {"fraction", "FileReset", "EditUndo", "FileQuit"};
  for (const ItemRow& row : kItems) {
    if (std::string(row.parent).empty()) continue;
    const bool expected = std::find(enabled.begin(), enabled.end(), row.name) != enabled.end();
    EXPECT_EQ(Menu::Instance()->Lookup(row.name)->Enabled(), expected) << row.name;
  }
  for (const char* name :
       {"EditCut", "EditCopy", "EditPaste", "EditClear", "FileClose", "FileConversions"}) {
    EXPECT_FALSE(fw::testing::ChooseMenuItem(window(), name)) << name;
  }
  // Undo with an empty history changes nothing, and Reset on an empty tab neither.
  EXPECT_TRUE(fw::testing::ChooseMenuItem(window(), "EditUndo"));
  EXPECT_TRUE(fw::testing::ChooseMenuItem(window(), "FileReset"));
  EXPECT_EQ(window().keeptrack().Text(), "");
  EXPECT_TRUE(messages.empty());
}

}  // namespace
