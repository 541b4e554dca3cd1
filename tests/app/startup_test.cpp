// Start-up and the end of a run: the application object and its version data, the classes the
// program registers, the main window it opens, the keyboard focus, the default button, and
// closing.
#include "app/startup.h"

#include <gtest/gtest.h>

#include "framework/application.h"
#include "framework/services.h"
#include "framework/testing.h"
#include "tests/support/app_fixture.h"
#include "window/author.h"
#include "window/menu.h"

namespace {

class StartupTest : public AppFixture {};

TEST_F(StartupTest, TheApplicationObjectKeepsItsVersionDataAsGiven) {
  const fw::Application* app = fw::App();
  ASSERT_NE(app, nullptr);
  EXPECT_EQ(app->MajorVersion(), 1);
  EXPECT_EQ(app->MinorVersion(), 3);
  EXPECT_EQ(app->BugVersion(), 4);
  EXPECT_EQ(app->NonReleaseVersion(), 0);
  EXPECT_EQ(app->StageCode(), 3);
  EXPECT_EQ(app->LongVersion(), "Version 1.3.5");
  EXPECT_EQ(app->ShortVersion(), "1.3.5");
  EXPECT_EQ(app->PackageInfo(), "Pelvaro");
  EXPECT_EQ(window().Title(), "Tessimo 1.3.6");
  EXPECT_DOUBLE_EQ(fw::RuntimeBuildVersion(), 2021.011);
  for (const char* name : {"Window1", "Menu", "Author", "Tessimo"}) {
    EXPECT_TRUE(fw::RuntimeClassRegistered(name)) << name;
  }
}

TEST_F(StartupTest, StartUpOpensOneMainWindowAndNothingElse) {
  ASSERT_EQ(fw::OpenWindows().size(), 1u);
  EXPECT_EQ(fw::OpenWindows().front(), &window());
  EXPECT_TRUE(window().IsVisible());
  EXPECT_EQ(fw::GetImplicitWindow(Author::kClassName), nullptr);
  EXPECT_TRUE(messages.empty());
}

// Keys typed right after start-up land in the first operand's whole part.
TEST_F(StartupTest, TheFocusStartsInWhole1) {
  EXPECT_EQ(fw::testing::FocusedControl(window()), "whole1");
  fw::testing::TypeKeys(window(), "7");
  EXPECT_EQ(window().whole1().Text(), "7");
  // The About window's only control that takes the focus is its button, which shows it at once
  // as it does after Tab.
  ASSERT_TRUE(fw::testing::ChooseMenuItem(window(), "fraction"));
  EXPECT_EQ(fw::testing::FocusedControl(Author::Instance()), "PushButton1");
  fw::Control& button = *Author::Instance().ControlByName("PushButton1");
  fw::testing::ProcessEvents();  // the window becomes the active one
  const fw::testing::Drawing opened = fw::testing::Draw(button);
  fw::testing::PressKey(button, fw::testing::Key::Tab);
  EXPECT_TRUE(fw::testing::Draw(button) == opened);
}

// A control reached by Tab is drawn otherwise than without the focus, the default button too.
TEST_F(StartupTest, TheKeyboardFocusShowsOnEachKindOfControlThatTakesIt) {
  const struct {
    int tab;
    const char* before;
    const char* control;
  } cases[] = {{0, "EditField3", "PushButton2"},
               {0, "PushButton2", "PopupMenu3"},
               {0, "EditField4", "multiple"},
               {1, "answerd", "PushButton3"}};
  for (const auto& c : cases) {
    window().TabPanel1().SetValue(c.tab);
    const fw::Control& control = *window().ControlByName(c.control);
    const fw::testing::Drawing without = fw::testing::Draw(control);
    fw::testing::PressKey(*window().ControlByName(c.before), fw::testing::Key::Tab);
    ASSERT_EQ(fw::testing::FocusedControl(window()), c.control);
    EXPECT_FALSE(fw::testing::Draw(control) == without) << c.control;
  }
}

// A tab newly shown, by a click or by Ctrl+Tab / Ctrl+Shift+Tab, takes the focus into its first
// control, and typing goes there.
TEST_F(StartupTest, TheTabShownTakesTheFocus) {
  Window1& w = window();
  fw::testing::ClickTab(w.TabPanel1(), 1);
  fw::testing::TypeKeys(w, "3");
  EXPECT_EQ(w.main().Text(), "3");
  fw::testing::ClickTab(w.TabPanel1(), 0);
  fw::testing::TypeKeys(w, "4");
  EXPECT_EQ(w.whole1().Text(), "4");
  fw::testing::PressShortcut(w.PopupMenu3(), "Ctrl+Tab");
  EXPECT_EQ(fw::testing::FocusedControl(w), "main");
  fw::testing::PressShortcut(w.main(), "Ctrl+Shift+Tab");
  EXPECT_EQ(fw::testing::FocusedControl(w), "whole1");
}

// A message box carries the program's name, while the main window keeps its own title.
TEST_F(StartupTest, MessageBoxesCarryTheProgramsName) {
  fw::testing::TypeKeys(window().numbottom1(), "-75");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(fw::testing::LastMsgBoxTitle(), "Tessimo");
  EXPECT_EQ(window().Title(), "Tessimo 1.3.6");
}

TEST_F(StartupTest, ReturnPressesCalculateOnTheCalculatorTabOnly) {
  fw::testing::PressKey(window().whole1(), fw::testing::Key::Return);
  EXPECT_EQ(window().keeptrack().Text(), "1");

  window().TabPanel1().SetValue(1);
  fw::testing::PressKey(window().main(), fw::testing::Key::Return);
  fw::testing::PressKey(window().dec(), fw::testing::Key::Return);
  // Neither Fraction to Decimal (which would answer "Undefined") nor Calculate ran.
  EXPECT_EQ(window().answerd().Text(), "");
  EXPECT_EQ(window().main2().Text(), "");
  EXPECT_EQ(window().keeptrack().Text(), "1");
}

TEST_F(StartupTest, ClosingTheMainWindowQuitsWithExitCodeZero) {
  fw::testing::ResetQuit();
  window().Close();
  fw::testing::ProcessEvents();
  EXPECT_TRUE(fw::QuitRequested());
  fw::RuntimeRun();  // returns at once
  EXPECT_EQ(fw::RuntimeExit(), 0);
}

TEST_F(StartupTest, ClosingTheMainWindowQuitsAlsoWithTheAboutWindowOpen) {
  fw::testing::ResetQuit();
  ASSERT_TRUE(fw::testing::ChooseMenuItem(window(), "fraction"));
  ASSERT_NE(fw::GetImplicitWindow(Author::kClassName), nullptr);
  window().Close();
  fw::testing::ProcessEvents();
  EXPECT_TRUE(fw::QuitRequested());
  fw::RuntimeRun();
  EXPECT_EQ(fw::RuntimeExit(), 0);
}

TEST_F(StartupTest, TheApplicationCanBeOpenedAgainAfterItsWindowClosed) {
  const std::shared_ptr<Menu> bar = Menu::Instance();
  window().whole1().SetText("12");
  window().Close();
  fw::testing::ProcessEvents();
  EXPECT_EQ(fw::GetImplicitWindow(Window1::kClassName), nullptr);

  OpenApplication();
  EXPECT_EQ(window().whole1().Text(), "");
  EXPECT_EQ(window().ControlNames().size(), 55u);
  EXPECT_EQ(Menu::Instance(), bar);
  EXPECT_EQ(window().MenuBar(), bar);
  EXPECT_EQ(fw::App()->MenuBar(), bar);
  EXPECT_TRUE(messages.empty());
}

TEST(CallFunctionWithExceptionHandling, GivesBackRuntimeExceptionsOnly) {
  int calls = 0;
  EXPECT_EQ(CallFunctionWithExceptionHandling([](void* n) { ++*static_cast<int*>(n); }, &calls),
            nullptr);
  EXPECT_EQ(calls, 1);

  const std::exception_ptr raised = CallFunctionWithExceptionHandling(
      [](void*) { throw fw::NilObjectException("nothing there"); }, nullptr);
  ASSERT_NE(raised, nullptr);
  EXPECT_THROW(std::rethrow_exception(raised), fw::NilObjectException);

  EXPECT_THROW(
      CallFunctionWithExceptionHandling([](void*) { throw std::logic_error("other"); }, nullptr),
      std::logic_error);
}

}  // namespace
