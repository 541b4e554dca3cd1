// Menu trees and what a window's menu bar makes of them: lookups, the shown entries with their
// shortcuts, the enabling at each menu update, and choosing items by menu or by shortcut.
#include "framework/menus.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "framework/application.h"
#include "framework/exceptions.h"
#include "framework/services.h"
#include "tests/framework/framework_fixture.h"

namespace {

template <class T = fw::MenuItem>
std::unique_ptr<T> Item(const std::string& name, const std::string& text,
                        const char* shortcut = nullptr, bool autoEnabled = false) {
  auto item = std::make_unique<T>();
  item->SetName(name);
  item->SetAutoEnabled(autoEnabled);
  item->SetText(text);
  item->SetVisible(true);
  if (shortcut != nullptr) item->SetShortcut(shortcut);
  return item;
}

// A small tree shaped like the program's: empty top-level menus around File and Edit.
std::shared_ptr<fw::MenuBar> MakeBar() {
  auto bar = std::make_shared<fw::MenuBar>();
  bar->AddMenu(Item("Top0", "", ""));
  bar->AddMenu(Item("File", "File", ""));
  bar->Child("File")->AddMenu(Item("FileReset", "Reset", "Cmd+R"));
  bar->Child("File")->AddMenu(Item<fw::QuitMenuItem>("FileQuit", "Quit", "Cmd+Q", true));
  bar->Child("File")->AddMenu(Item("FileBlank", "", ""));
  bar->AddMenu(Item("Edit", "Edit", ""));
  bar->Child("Edit")->AddMenu(Item("EditUndo", "Undo", "Cmd+Z"));
  bar->Child("Edit")->AddMenu(Item("EditSep", "-"));
  bar->Child("Edit")->AddMenu(Item("EditCut", "Cut", "Cmd+X"));
  bar->Child("Edit")->AddMenu(Item("EditCopy", "Cut & Copy", ""));
  bar->Child("Edit")->AddMenu(Item<fw::AppleMenuItem>("About", "About Tessimo...", ""));
  bar->AddMenu(Item("Top4", "", ""));
  return bar;
}

class MenusTest : public FrameworkTest {
 protected:
  void TearDown() override {
    FrameworkTest::TearDown();
    fw::testing::ResetQuit();
    fw::RuntimeRegisterAppObject(nullptr);
  }

  // A window showing `bar` whose menu update enables Undo and About, with a text field.
  TestWindow& OpenWithMenus(std::shared_ptr<fw::MenuBar> bar) {
    TestWindow& window = fw::NewWindow<TestWindow>();
    window.layout = [bar](TestWindow& self) {
      self.SetMenuBar(bar);
      self.SetProperties(WindowRecord(200, 100, "Menus").Bytes());
    };
    window.createControls = [](TestWindow& self) {
      self.Add<fw::TextField>("field", Placed(10, 10, 80, 22));
    };
    window.addMenuHandlers = [this](TestWindow& self) {
      for (const char* name : {"EditUndo", "About", "EditCut"}) {
        self.AddMenuHandler(name, [this, name] {
          chosen.push_back(name);
          return false;
        });
      }
    };
    window.onEnableMenuItems = [&window] {
      fw::LookupAs<fw::MenuItem>(window.MenuBar().get(), "EditUndo").SetEnabled(true);
      fw::LookupAs<fw::AppleMenuItem>(window.MenuBar().get(), "About").SetEnabled(true);
    };
    window.Constructor();
    return window;
  }

  std::vector<std::string> chosen;
};

TEST_F(MenusTest, ItemsStartVisibleDisabledAndWithoutShortcut) {
  fw::MenuItem item;
  EXPECT_TRUE(item.Visible());
  EXPECT_FALSE(item.Enabled());
  EXPECT_FALSE(item.AutoEnabled());
  EXPECT_FALSE(item.ShortcutAssigned());
  item.SetShortcut("");
  EXPECT_TRUE(item.ShortcutAssigned());
}

TEST_F(MenusTest, LookupSearchesTheWholeTreeAndChildOnlyOneLevel) {
  const auto bar = MakeBar();
  EXPECT_EQ(bar->Count(), 4u);
  EXPECT_EQ(bar->Lookup("EditCut")->Text(), "Cut");
  EXPECT_EQ(bar->Lookup("EditCut")->Parent(), bar->Child("Edit"));
  EXPECT_EQ(bar->Child("EditCut"), nullptr);
  EXPECT_EQ(bar->Lookup("missing"), nullptr);
  EXPECT_EQ(&fw::LookupAs<fw::QuitMenuItem>(bar.get(), "FileQuit"), bar->Lookup("FileQuit"));
  EXPECT_THROW(fw::LookupAs<fw::QuitMenuItem>(bar.get(), "FileReset"), fw::IllegalCastException);
  EXPECT_THROW(fw::LookupAs<fw::MenuItem>(bar.get(), "missing"), fw::NilObjectException);
  EXPECT_THROW(fw::LookupAs<fw::MenuItem>(nullptr, "File"), fw::NilObjectException);
  EXPECT_THROW(bar->Item(4), fw::OutOfBoundsException);
}

// Each caption of a menu gets an access letter of its own, a word's first where it is free; the
// items' texts stay as they were set.
TEST_F(MenusTest, TheMenuBarShowsCaptionedItemsWithAccessLettersAndCtrlShortcuts) {
  const auto bar = MakeBar();
  TestWindow& window = OpenWithMenus(bar);
  const auto shown = fw::testing::ShownMenu(window);
  struct Expected {
    const char* name;
    const char* caption;
    const char* accessKey;
    const char* keys;
    int depth;
    bool enabled;
  };
  const Expected expected[] = {
      {"File", "File", "F", "", 1, true},
      {"FileReset", "Reset", "R", "Ctrl+R", 2, false},
      {"FileQuit", "Quit", "Q", "Ctrl+Q", 2, true},
      {"Edit", "Edit", "E", "", 1, true},
      {"EditUndo", "Undo", "U", "Ctrl+Z", 2, true},
      {"EditSep", "-", "", "", 2, false},
      {"EditCut", "Cut", "C", "Ctrl+X", 2, false},
      {"EditCopy", "Cut & Copy", "t", "", 2, false},
      {"About", "About Tessimo...", "A", "", 2, true},
  };
  ASSERT_EQ(shown.size(), std::size(expected));
  for (std::size_t i = 0; i < shown.size(); ++i) {
    EXPECT_EQ(shown[i].name, expected[i].name) << i;
    EXPECT_EQ(shown[i].caption, expected[i].caption) << i;
    EXPECT_EQ(bar->Lookup(shown[i].name)->Text(), expected[i].caption) << i;
    EXPECT_EQ(shown[i].accessKey, expected[i].accessKey) << i;
    EXPECT_EQ(shown[i].keys, expected[i].keys) << i;
    EXPECT_EQ(shown[i].depth, expected[i].depth) << i;
    if (std::string(expected[i].caption) != "-") {
      EXPECT_EQ(shown[i].enabled, expected[i].enabled) << i;
    }
  }
}

TEST_F(MenusTest, UpdateEnablesAutoEnabledItemsThenRunsTheWindowsEvent) {
  const auto bar = MakeBar();
  TestWindow& window = OpenWithMenus(bar);
  bar->Lookup("FileReset")->SetEnabled(true);  // set by hand, undone by the next update
  bar->Lookup("FileQuit")->SetEnabled(false);
  const int before = window.menuUpdates;
  window.UpdateMenus();
  EXPECT_EQ(window.menuUpdates, before + 1);
  EXPECT_FALSE(bar->Lookup("FileReset")->Enabled());
  EXPECT_TRUE(bar->Lookup("FileQuit")->Enabled());
  EXPECT_TRUE(bar->Lookup("EditUndo")->Enabled());
  EXPECT_FALSE(bar->Lookup("File")->Enabled());
}

TEST_F(MenusTest, ChoosingRunsTheBoundHandlerOrTheItemsOwnActionWhenEnabled) {
  const auto bar = MakeBar();
  TestWindow& window = OpenWithMenus(bar);
  EXPECT_TRUE(fw::testing::ChooseMenuItem(window, "EditUndo"));
  EXPECT_TRUE(fw::testing::ChooseMenuItem(window, "About"));
  EXPECT_FALSE(fw::testing::ChooseMenuItem(window, "EditCut"));    // bound but never enabled
  EXPECT_FALSE(fw::testing::ChooseMenuItem(window, "FileReset"));  // neither bound nor enabled
  EXPECT_THROW(fw::testing::ChooseMenuItem(window, "missing"), fw::NilObjectException);
  EXPECT_EQ(chosen, (std::vector<std::string>{"EditUndo", "About"}));
  EXPECT_FALSE(fw::QuitRequested());
  EXPECT_TRUE(fw::testing::ChooseMenuItem(window, "FileQuit"));
  EXPECT_TRUE(fw::QuitRequested());
  EXPECT_EQ(fw::RuntimeExit(), 0);
}

TEST_F(MenusTest, AnEnabledShortcutWinsOverTheTextFieldAndADisabledOneDoesNothing) {
  const auto bar = MakeBar();
  TestWindow& window = OpenWithMenus(bar);
  auto& field = window.ControlAs<fw::TextField>("field");
  field.SetText("12");
  fw::testing::PressShortcut(field, "Ctrl+Z");
  EXPECT_EQ(chosen, std::vector<std::string>{"EditUndo"});
  EXPECT_EQ(field.Text(), "12");
  fw::testing::PressShortcut(field, "Ctrl+X");  // Cut is disabled: its handler never runs
  EXPECT_EQ(chosen, std::vector<std::string>{"EditUndo"});
}

TEST_F(MenusTest, OneTreeSharedByTwoWindowsIsOneSetOfItems) {
  const auto bar = MakeBar();
  TestWindow& first = OpenWithMenus(bar);
  TestWindow& second = OpenWithMenus(bar);
  EXPECT_EQ(first.MenuBar(), second.MenuBar());
  bar->Lookup("EditCut")->SetEnabled(true);
  for (TestWindow* window : {&first, &second}) {
    int enabledCuts = 0;
    for (const auto& entry : fw::testing::ShownMenu(*window)) {
      enabledCuts += entry.name == "EditCut" && entry.enabled ? 1 : 0;
    }
    EXPECT_EQ(enabledCuts, 1);
  }
}

// A window without a menu bar of its own shows none, but the application's menu bar answers its
// shortcuts for that window: the quit item quits, a command bound only in another window does
// nothing, and a command the window binds and enables itself runs.
TEST_F(MenusTest, AWindowWithoutAMenuBarAnswersTheApplicationsShortcuts) {
  const auto bar = MakeBar();
  auto app = std::make_unique<fw::Application>();
  app->SetMenuBar(bar);
  fw::RuntimeRegisterAppObject(std::move(app));
  TestWindow& main = OpenWithMenus(bar);
  TestWindow& plain = fw::NewWindow<TestWindow>();
  plain.className = "PlainWindow";
  plain.layout = [](TestWindow& self) {
    self.SetProperties(WindowRecord(200, 100, "Plain").Bytes());
  };
  plain.createControls = [](TestWindow& self) {
    self.Add<fw::PushButton>("button", Placed(10, 10, 80, 25));
  };
  plain.addMenuHandlers = [this](TestWindow& self) {
    self.AddMenuHandler("FileReset", [this] {
      chosen.push_back("plain FileReset");
      return false;
    });
  };
  plain.onEnableMenuItems = [&bar] { bar->Lookup("FileReset")->SetEnabled(true); };
  plain.Constructor();
  EXPECT_EQ(plain.MenuBar(), nullptr);
  EXPECT_TRUE(fw::testing::ShownMenu(plain).empty());

  auto& button = plain.ControlAs<fw::PushButton>("button");
  fw::testing::PressShortcut(button, "Ctrl+Z");  // bound in the other window only
  fw::testing::PressShortcut(button, "Ctrl+R");
  EXPECT_EQ(chosen, std::vector<std::string>{"plain FileReset"});
  EXPECT_FALSE(fw::QuitRequested());
  fw::testing::PressShortcut(button, "Ctrl+Q");
  EXPECT_TRUE(fw::QuitRequested());
  EXPECT_EQ(fw::RuntimeExit(), 0);
  // The other window's own shortcuts still reach its handlers.
  fw::testing::PressShortcut(main.ControlAs<fw::TextField>("field"), "Ctrl+Z");
  EXPECT_EQ(chosen, (std::vector<std::string>{"plain FileReset", "EditUndo"}));
}

TEST_F(MenusTest, MenuOperationsOffTheMainThreadRaise) {
  const auto bar = MakeBar();
  bool raised = false;
  std::thread worker([&] {
    try {
      bar->Lookup("EditUndo")->SetEnabled(true);
    } catch (const fw::ThreadAccessingUIException&) {
      raised = true;
    }
  });
  worker.join();
  EXPECT_TRUE(raised);
  EXPECT_FALSE(bar->Lookup("EditUndo")->Enabled());
}

}  // namespace
