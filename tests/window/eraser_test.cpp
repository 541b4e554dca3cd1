// The eraser picture: loaded once and shown on the eraser button, and a window that still opens
// when the picture is missing.
#include "window/eraser.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/startup.h"
#include "framework/testing.h"
#include "tests/support/app_fixture.h"

namespace {

class EraserTest : public AppFixture {};

TEST_F(EraserTest, TheButtonShowsThePictureLoadedOnce) {
  const std::shared_ptr<fw::Picture> picture = eraser();
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(eraser(), picture);
  EXPECT_EQ(window().BevelButton1().Icon(), picture);
  EXPECT_GT(picture->Width(), 0);
  EXPECT_LE(picture->Width(), 53);
  EXPECT_LE(picture->Height(), 41);
}

// The picture cache lives for the whole run, so the missing picture is tried in a process of its
// own that starts with an empty cache.
TEST(EraserDeathTest, AMissingPictureLeavesTheButtonWithoutIcon) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        fw::testing::HidePicture("eraser");
        fw::testing::SetMsgBoxObserver([](const std::string&) { std::_Exit(2); });
        OpenApplication();
        Window1& w = Window1::Instance();
        const bool built = w.ControlNames().size() == 55 && w.IsVisible();
        const bool noIcon = w.BevelButton1().Icon() == nullptr && eraser() == nullptr;
        // The button still clears.
        w.whole1().SetText("5");
        fw::testing::Click(w.BevelButton1());
        const bool works = w.whole1().Text().empty();
        std::_Exit(built && noIcon && works ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
