// The About window: one at a time, built afresh after it was closed, its record and controls,
// and its button.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "framework/application.h"
#include "framework/property_record.h"
#include "framework/services.h"
#include "framework/testing.h"
#include "tests/support/app_fixture.h"
#include "window/author.h"

namespace {

class AboutTest : public AppFixture {
 protected:
  std::vector<Author*> OpenAboutWindows() {
    std::vector<Author*> found;
    for (fw::Window* open : fw::OpenWindows()) {
      if (auto* about = dynamic_cast<Author*>(open)) found.push_back(about);
    }
    return found;
  }
  void ChooseAbout() { ASSERT_TRUE(fw::testing::ChooseMenuItem(window(), "fraction")); }
};

TEST_F(AboutTest, ChoosingAboutTwiceLeavesOneWindow) {
  ChooseAbout();
  ChooseAbout();
  ASSERT_EQ(OpenAboutWindows().size(), 1u);
  EXPECT_EQ(OpenAboutWindows().front(), &Author::Instance());
  EXPECT_TRUE(Author::Instance().IsVisible());
  EXPECT_EQ(fw::OpenWindows().size(), 2u);
}

TEST_F(AboutTest, AfterClosingItTheNextChoiceBuildsAFreshWindow) {
  fw::testing::ResetQuit();
  ChooseAbout();
  OpenAboutWindows().front()->Close();
  fw::testing::ProcessEvents();
  EXPECT_TRUE(OpenAboutWindows().empty());
  // Closing the About window does not end the run.
  EXPECT_FALSE(fw::QuitRequested());
  EXPECT_TRUE(window().IsOpen());

  ChooseAbout();
  ASSERT_EQ(OpenAboutWindows().size(), 1u);
  EXPECT_EQ(OpenAboutWindows().front()->ControlNames(),
            (std::vector<std::string>{"StaticText1", "PushButton1", "StaticText3", "StaticText4"}));
}

TEST_F(AboutTest, TheButtonOpensTheWebPageAndLeavesTheWindowOpen) {
  ChooseAbout();
  Author& about = Author::Instance();
  fw::testing::Click(about.PushButton1());
  fw::testing::Click(about.PushButton1());
  EXPECT_EQ(urls, (std::vector<std::string>(2, std::string(kAuthorWebAddress))));
  EXPECT_TRUE(about.IsOpen());
  EXPECT_TRUE(messages.empty());
}

// The About window belongs to the main window, which the system keeps it in front of, and opens
// centred over it wherever it stands.
TEST_F(AboutTest, ItBelongsToTheMainWindowAndOpensCentredOverIt) {
  fw::testing::MoveWindow(window(), 40, 30);
  ChooseAbout();
  const Author& about = Author::Instance();
  EXPECT_EQ(fw::testing::ShownOwner(about), &window());
  EXPECT_EQ(fw::testing::ShownOwner(window()), nullptr);
  // Doubled centres stay whole numbers.
  const auto centre = [](const fw::Window& shown) {
    const fw::testing::Geometry frame = fw::testing::ShownScreenPlacement(shown).frame;
    return std::pair(2 * frame.left + frame.width, 2 * frame.top + frame.height);
  };
  const auto [mainX, mainY] = centre(window());
  const auto [aboutX, aboutY] = centre(about);
  EXPECT_LE(std::abs(aboutX - mainX), 2) << mainX;
  EXPECT_LE(std::abs(aboutY - mainY), 2) << mainY;
}

TEST_F(AboutTest, EscapeClosesItButNotTheMainWindow) {
  fw::testing::ResetQuit();
  ChooseAbout();
  fw::testing::TypeKeys(Author::Instance(), "\x1b");
  fw::testing::ProcessEvents();
  EXPECT_TRUE(OpenAboutWindows().empty());
  fw::testing::TypeKeys(window(), "\x1b");
  EXPECT_TRUE(window().IsOpen());
  EXPECT_FALSE(fw::QuitRequested());
}

TEST_F(AboutTest, TheMainWindowStaysUsable) {
  ChooseAbout();
  fw::testing::TypeKeys(window().whole1(), "42");
  EXPECT_EQ(window().whole1().Text(), "42");
}

// With the About window in front, the application's menu bar still answers: the main window's
// commands do nothing there, and Quit ends the run with exit code 0.
TEST_F(AboutTest, InFrontOnlyQuitAnswersTheApplicationsShortcuts) {
  fw::testing::ResetQuit();
  Window1& w = window();
  w.numtop1().SetText("1");
  w.numbottom1().SetText("2");
  fw::testing::Click(w.PushButton2());  // a press that Undo would take back
  w.whole2().SetText("5");              // a text that Reset would clear
  ChooseAbout();
  fw::PushButton& button = Author::Instance().PushButton1();
  fw::testing::PressShortcut(button, "Ctrl+Z");
  fw::testing::PressShortcut(button, "Ctrl+R");
  EXPECT_EQ(w.keeptrack().Text(), "1");
  EXPECT_EQ(w.numtop1().Text() + "/" + w.numbottom1().Text() + " " + w.whole2().Text(), "1/2 5");
  EXPECT_FALSE(fw::QuitRequested());
  // Back in the main window its shortcuts work as before.
  fw::testing::PressShortcut(w.whole1(), "Ctrl+R");
  EXPECT_EQ(w.whole2().Text(), "");

  fw::testing::PressShortcut(button, "Ctrl+Q");
  ASSERT_TRUE(fw::QuitRequested());
  fw::RuntimeRun();  // returns at once
  EXPECT_EQ(fw::RuntimeExit(), 0);
  fw::testing::ResetQuit();
}

TEST_F(AboutTest, WindowRecordAndNoMenuBar) {
  ChooseAbout();
  const Author& about = Author::Instance();
  const fw::PropertyValues& p = about.Properties();
  EXPECT_EQ(about.Title(), "About the Author");
  EXPECT_EQ(fw::IntegerProperty(p, "Width"), 304);
  EXPECT_EQ(fw::IntegerProperty(p, "Height"), 149);
  EXPECT_FALSE(fw::BooleanProperty(p, "HasMaximizeButton"));
  EXPECT_FALSE(fw::BooleanProperty(p, "HasMinimizeButton"));
  EXPECT_FALSE(fw::BooleanProperty(p, "Resizeable"));
  EXPECT_EQ(fw::IntegerProperty(p, "DefaultLocation"), 0);
  EXPECT_EQ(fw::ColorProperty(p, "BackgroundColor").rgb, 0xFFFFFFu);
  EXPECT_EQ(p.size(), fw::Window::DeclaredProperties().size());
  EXPECT_EQ(about.MenuBar(), nullptr);
  EXPECT_TRUE(fw::testing::ShownMenu(Author::Instance()).empty());
  // Only a close button: it can be neither resized nor minimised.
  EXPECT_EQ(fw::testing::ShownTitleBarButtons(about),
            (fw::testing::TitleBarButtons{true, false, false}));
}

TEST_F(AboutTest, ControlsReadFromTheTopNameByAuthorButton) {
  ChooseAbout();
  const Author& about = Author::Instance();
  const struct {
    const char* name;
    std::int64_t left, top, width, height, tabIndex;
    const char* text;
    bool multiline;
  } rows[] = {
      {"StaticText1", 115, 64, 80, 21, 0, "Pelvaro", true},
      {"PushButton1", 27, 97, 257, 32, 2, "Visit my web site for updates", false},
      {"StaticText3", 110, 13, 85, 20, 3, "Tessimo", false},
      {"StaticText4", 141, 37, 49, 20, 4, "by", false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const auto& control = about.ControlAs<fw::RectControl>(row.name);
    const fw::PropertyValues& p = control.Properties();
    EXPECT_EQ(p.size(), control.DeclaredProperties().size());
    EXPECT_EQ(control.Left(), row.left);
    EXPECT_EQ(control.Top(), row.top);
    EXPECT_EQ(control.Width(), row.width);
    EXPECT_EQ(control.Height(), row.height);
    EXPECT_EQ(fw::IntegerProperty(p, "TabIndex"), row.tabIndex);
    EXPECT_EQ(fw::StringProperty(p, "InitialParent"), "");
    EXPECT_EQ(fw::IntegerProperty(p, "TabPanelIndex"), 0);
    EXPECT_EQ(fw::IntegerProperty(p, "Index"), -2147483648LL);
    const bool isButton = std::string(control.ClassName()) == "PushButton";
    EXPECT_EQ(fw::StringProperty(p, isButton ? "Caption" : "Text"), row.text);
    if (!isButton) {
      EXPECT_EQ(fw::BooleanProperty(p, "Multiline"), row.multiline);
    }
    EXPECT_EQ(fw::SingleProperty(p, "FontSize"), isButton ? 12.0f : 0.0f);
  }
  EXPECT_FALSE(about.PushButton1().Default());
}

}  // namespace
