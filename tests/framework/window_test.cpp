// Windows: building through the hooks, the control registry, closing, the implicit instance and
// the window's own properties.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "framework/application.h"
#include "framework/exceptions.h"
#include "framework/services.h"
#include "tests/framework/framework_fixture.h"

namespace {

class WindowTest : public FrameworkTest {};

TEST_F(WindowTest, ConstructorRunsTheHooksInOrderRegistersAndShows) {
  TestWindow& window = Open([](TestWindow&) {});
  EXPECT_EQ(window.hooks, (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers",
                                                    "EnableMenuItems"}));
  EXPECT_TRUE(window.IsOpen());
  EXPECT_TRUE(window.IsVisible());
  EXPECT_EQ(window.Title(), "Test");
  EXPECT_EQ(fw::GetImplicitWindow("TestWindow"), &window);
  EXPECT_EQ(fw::OpenWindows().front(), &window);
}

TEST_F(WindowTest, AWindowWhoseRecordSaysInvisibleStaysHidden) {
  TestWindow& window =
      Open([](TestWindow&) {}, WindowRecord(100, 100, "Hidden").Boolean("Visible", false));
  EXPECT_TRUE(window.IsOpen());
  EXPECT_FALSE(window.IsVisible());
  window.Show();
  EXPECT_TRUE(window.IsVisible());
}

// The title bar offers what the record asks for, and no maximise button on a fixed-size window.
TEST_F(WindowTest, TheTitleBarOffersTheButtonsTheRecordAsksFor) {
  const struct {
    bool close, minimize, maximize, resizeable;
    fw::testing::TitleBarButtons shown;
  } cases[] = {
      {true, false, true, false, {true, false, false}},   // the main window
      {true, false, false, false, {true, false, false}},  // the About window
      {true, true, true, true, {true, true, true}},
      {false, true, false, true, {false, true, false}},
  };
  for (const auto& c : cases) {
    TestWindow& window = Open([](TestWindow&) {}, WindowRecord(100, 100, "Buttons")
                                                      .Boolean("HasCloseButton", c.close)
                                                      .Boolean("HasMinimizeButton", c.minimize)
                                                      .Boolean("HasMaximizeButton", c.maximize)
                                                      .Boolean("Resizeable", c.resizeable));
    EXPECT_EQ(fw::testing::ShownTitleBarButtons(window), c.shown);
    EXPECT_TRUE(window.IsVisible());
    window.Close();
  }
}

// DefaultLocation 2 puts the window in the middle of its screen.
TEST_F(WindowTest, ACentredWindowStandsInTheMiddleOfTheScreen) {
  TestWindow& window =
      Open([](TestWindow&) {}, WindowRecord(300, 200, "Centred").Integer("DefaultLocation", 2));
  const fw::testing::ScreenPlacement placed = fw::testing::ShownScreenPlacement(window);
  ASSERT_GT(placed.screen.width, placed.frame.width);
  const int middleX = placed.frame.left + placed.frame.width / 2;
  const int middleY = placed.frame.top + placed.frame.height / 2;
  // The frame's margins are only known once the window is shown: a few pixels of slack.
  EXPECT_NEAR(middleX, placed.screen.left + placed.screen.width / 2, 4);
  EXPECT_NEAR(middleY, placed.screen.top + placed.screen.height / 2, 4);
}

TEST_F(WindowTest, ControlsAreFoundByNameInRegistrationOrder) {
  TestWindow& window = Open([](TestWindow& w) {
    w.Add<fw::TabPanel>("TabPanel1", Placed(7, 7, 375, 344).String("TabDefinition", "A\rB"));
    w.Add<fw::TextField>("whole1", Placed(74, 78, 42, 22, "TabPanel1", 1));
    w.Add<fw::Listbox>("operation", Placed(351, 577, 100, 100).Boolean("Visible", false));
  });
  EXPECT_EQ(window.ControlNames(), (std::vector<std::string>{"TabPanel1", "whole1", "operation"}));
  EXPECT_EQ(window.ControlAs<fw::TextField>("whole1").Name(), "whole1");
  EXPECT_EQ(window.ControlByName("nothing"), nullptr);
  EXPECT_THROW(window.ControlAs<fw::TextField>("nothing"), fw::NilObjectException);
  EXPECT_THROW(window.ControlAs<fw::CheckBox>("whole1"), fw::IllegalCastException);
  // The class a control is converted to must be its own or a base of it.
  EXPECT_NO_THROW(window.ControlAs<fw::RectControl>("whole1"));
}

TEST_F(WindowTest, ANameIsRegisteredOnce) {
  TestWindow& window = Open([](TestWindow& w) { w.Add<fw::Label>("same", Placed(0, 0, 1, 1)); });
  EXPECT_THROW(window.AddControl("same", window.New<fw::Label>()), fw::RuntimeException);
  EXPECT_EQ(window.ControlNames().size(), 1u);
}

TEST_F(WindowTest, ARecordNamingAMissingParentRaises) {
  TestWindow& window = Open([](TestWindow&) {});
  window.AddControl("orphan", window.New<fw::TextField>());
  EXPECT_THROW(window.ControlAs<fw::TextField>("orphan").SetProperties(
                   Placed(1, 1, 10, 10, "nobody", 1).Bytes()),
               fw::NilObjectException);
}

TEST_F(WindowTest, CloseRunsCloseOnceUnregistersAndDeletesTheWindowLater) {
  TestWindow& window = Open([](TestWindow&) {});
  bool destroyed = false;
  struct Flag {
    bool* flag;
    ~Flag() { *flag = true; }
  };
  auto flag = std::shared_ptr<Flag>(new Flag{&destroyed});
  window.onClose = [flag] {};
  flag.reset();
  window.Close();
  window.Close();  // already closed: nothing more
  EXPECT_EQ(window.closes, 1);
  EXPECT_FALSE(window.IsOpen());
  EXPECT_EQ(fw::GetImplicitWindow("TestWindow"), nullptr);
  EXPECT_TRUE(fw::OpenWindows().empty());
  EXPECT_FALSE(destroyed);  // still usable by the handler that closed it
  fw::testing::ProcessEvents();
  EXPECT_TRUE(destroyed);
}

TEST_F(WindowTest, ShowBringsAWindowToTheFront) {
  TestWindow& first = Open([](TestWindow&) {});
  TestWindow& second = Open([](TestWindow&) {});
  EXPECT_EQ(fw::OpenWindows(), (std::vector<fw::Window*>{&second, &first}));
  first.Show();
  EXPECT_EQ(fw::OpenWindows(), (std::vector<fw::Window*>{&first, &second}));
  // Both are of the same class; the implicit instance is the one opened last.
  EXPECT_EQ(fw::GetImplicitWindow("TestWindow"), &second);
}

TEST_F(WindowTest, WindowAsChecksTheClass) {
  TestWindow& window = Open([](TestWindow&) {});
  EXPECT_EQ(&fw::WindowAs<TestWindow>(&window), &window);
  EXPECT_THROW(fw::WindowAs<TestWindow>(nullptr), fw::NilObjectException);
  struct OtherWindow : fw::Window {
    const char* ClassName() const override { return "Other"; }
  } other;
  EXPECT_THROW(fw::WindowAs<TestWindow>(&other), fw::IllegalCastException);
}

TEST_F(WindowTest, EventBindingsCallTheWindowMethodWithTheControl) {
  struct BoundWindow : TestWindow {
    void Pressed(fw::PushButton& button) { pressed.push_back(button.Name()); }
    bool Key(fw::TextField& field, const std::string& key) {
      pressed.push_back(field.Name() + ":" + key);
      return false;
    }
    std::vector<std::string> pressed;
  };
  auto& window = fw::NewWindow<BoundWindow>();
  window.createControls = [](TestWindow& self) {
    auto& w = static_cast<BoundWindow&>(self);
    w.AddEventHandler(w.Add<fw::PushButton>("PushButton3", Placed(0, 0, 50, 20)),
                      &BoundWindow::Pressed);
    w.AddEventHandler(w.Add<fw::TextField>("topper", Placed(0, 30, 50, 20)), &BoundWindow::Key);
  };
  window.Constructor();
  fw::testing::Click(window.ControlAs<fw::PushButton>("PushButton3"));
  fw::testing::TypeKeys(window.ControlAs<fw::TextField>("topper"), "7");
  EXPECT_EQ(window.pressed, (std::vector<std::string>{"PushButton3", "topper:7"}));
}

TEST_F(WindowTest, OffTheMainThreadWindowAndControlOperationsRaise) {
  TestWindow& window = Open([](TestWindow& w) { w.Add<fw::TextField>("f", Placed(0, 0, 9, 9)); });
  auto& field = window.ControlAs<fw::TextField>("f");
  const std::vector<std::pair<const char*, std::function<void()>>> operations = {
      {"TextField::Text", [&] { (void)field.Text(); }},
      {"TextField::SetText", [&] { field.SetText("x"); }},
      {"Window::ControlByName", [&] { (void)window.ControlByName("f"); }},
      {"Window::Show", [&] { window.Show(); }},
      {"OpenWindows", [] { (void)fw::OpenWindows(); }},
  };
  for (const auto& [what, operation] : operations) {
    bool raised = false;
    std::thread worker([&, op = operation] {
      try {
        op();
      } catch (const fw::ThreadAccessingUIException&) {
        raised = true;
      }
    });
    worker.join();
    EXPECT_TRUE(raised) << what;
  }
  EXPECT_EQ(field.Text(), "");
}

TEST_F(WindowTest, RenderingWritesAPngOfTheWholeWindow) {
  TestWindow& window = Open([](TestWindow& w) {
    w.Add<fw::PushButton>("b", Placed(10, 10, 80, 25).String("Caption", "Calculate"));
  });
  const auto path = std::filesystem::temp_directory_path() / "tessimo-fw-test" / "sub" / "w.png";
  std::filesystem::remove_all(path.parent_path());
  ASSERT_TRUE(fw::testing::RenderToPng(window, path.string()));
  EXPECT_GT(std::filesystem::file_size(path), 100u);
  std::filesystem::remove_all(path.parent_path().parent_path());
}

// The program's name stands where no title of the window's own does, and on every message box.
TEST_F(WindowTest, UntitledWindowsAndMessageBoxesShowTheProgramsName) {
  fw::RuntimeSetProgramName("Fractions");
  fw::PropertyRecord noTitle;
  noTitle.Integer("Width", 100).Integer("Height", 50);
  TestWindow& untitled = Open([](TestWindow&) {}, noTitle);
  TestWindow& titled = Open([](TestWindow&) {}, WindowRecord(100, 50, "Own title"));
  TestWindow& empty = Open([](TestWindow&) {}, WindowRecord(100, 50, ""));
  EXPECT_EQ(untitled.Title(), "Fractions");
  EXPECT_EQ(titled.Title(), "Own title");
  EXPECT_EQ(empty.Title(), "Fractions");
  fw::MsgBox("hello");
  EXPECT_EQ(messages, std::vector<std::string>{"hello"});
  EXPECT_EQ(fw::testing::LastMsgBoxTitle(), "Fractions");
  // A name given later reaches the windows already open.
  fw::RuntimeSetProgramName("Mixed");
  EXPECT_EQ(untitled.Title(), "Mixed");
  EXPECT_EQ(titled.Title(), "Own title");
  fw::RuntimeSetProgramName("");
}

// Controls created out of order: the window's own, a tab panel whose two tabs hold controls out
// of order, a group box with two check boxes on the second tab, and controls Tab passes over (a
// label, a check box that is no tab stop, the tabs themselves).
void BuildOutOfOrder(TestWindow& w) {
  auto at = [](int top, const std::string& parent, int tab, int tabIndex) {
    return Placed(20, top, 60, 22, parent, tab).Integer("TabIndex", tabIndex);
  };
  w.Add<fw::TextField>("last", at(330, "", 0, 3));
  w.Add<fw::TabPanel>("tabs", at(7, "", 0, 2)
                                  .Integer("Width", 260)
                                  .Integer("Height", 300)
                                  .String("TabDefinition", "One\rTwo")
                                  .Integer("Value", 0));
  w.Add<fw::TextField>("one.b", at(80, "tabs", 1, 1));
  w.Add<fw::PushButton>("two.a", at(50, "tabs", 2, 0));
  w.Add<fw::TextField>("one.a", at(50, "tabs", 1, 0));
  w.Add<fw::CheckBox>("one.skip", at(110, "tabs", 1, 2).Boolean("TabStop", false));
  w.Add<fw::TextField>("one.c", at(140, "tabs", 1, 3));
  w.Add<fw::GroupBox>("two.box", Placed(10, 140, 200, 120, "tabs", 2).Integer("TabIndex", 2));
  w.Add<fw::CheckBox>("two.box.b", at(200, "two.box", 2, 1));
  w.Add<fw::CheckBox>("two.box.a", at(170, "two.box", 2, 0));
  w.Add<fw::TextField>("two.c", at(270, "tabs", 2, 3));
  w.Add<fw::TextField>("two.b", at(80, "tabs", 2, 1));
  w.Add<fw::TextField>("first", at(360, "", 0, 1));
  w.Add<fw::Label>("caption", at(390, "", 0, 0).String("Text", "takes no focus"));
}

// Presses Tab `presses` times from `start` and names where the focus is after each press.
std::vector<std::string> TabWalk(fw::Window& window, const std::string& start, int presses) {
  std::vector<std::string> walk{start};
  for (int i = 0; i < presses; ++i) {
    fw::testing::PressKey(*window.ControlByName(walk.back()), fw::testing::Key::Tab);
    walk.push_back(fw::testing::FocusedControl(window));
  }
  return walk;
}

TEST_F(WindowTest, AnOpenedWindowHasTheFocusOnItsFirstControlThatTakesIt) {
  TestWindow& window = Open(BuildOutOfOrder, WindowRecord(300, 420, "Focus"));
  EXPECT_EQ(fw::testing::FocusedControl(window), "first");
  fw::testing::TypeKeys(window, "12");
  EXPECT_EQ(window.ControlAs<fw::TextField>("first").Text(), "12");
  // A window without a control that takes the focus has none to give.
  TestWindow& empty = Open([](TestWindow& w) { w.Add<fw::Label>("label", Placed(5, 5, 50, 20)); });
  EXPECT_EQ(fw::testing::FocusedControl(empty), "");
}

TEST_F(WindowTest, TabFollowsTabIndexWithinEachParentAndTabWhateverTheCreationOrder) {
  TestWindow& window = Open(BuildOutOfOrder, WindowRecord(300, 420, "Focus"));
  EXPECT_EQ(TabWalk(window, "first", 5),
            (std::vector<std::string>{"first", "one.a", "one.b", "one.c", "last", "first"}));
  window.ControlAs<fw::TabPanel>("tabs").SetValue(1);
  EXPECT_EQ(TabWalk(window, "first", 7),
            (std::vector<std::string>{"first", "two.a", "two.b", "two.box.a", "two.box.b", "two.c",
                                      "last", "first"}));
  // A record applied to the open window moves its control in the order.
  window.ControlAs<fw::TextField>("last").SetProperties(
      fw::PropertyRecord().Integer("TabIndex", -1).Bytes());
  EXPECT_EQ(TabWalk(window, "two.c", 2), (std::vector<std::string>{"two.c", "last", "first"}));
}

}  // namespace
