// Renders the two tabs of the main window and the About window to PNG files, so anyone can look
// at them: $TESSIMO_BUILD_DIR/screenshots/ (set by CTest), else ./screenshots/.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "framework/testing.h"
#include "tests/support/app_fixture.h"
#include "window/author.h"

namespace {

namespace fs = std::filesystem;

fs::path ScreenshotDir() {
  const char* build = std::getenv("TESSIMO_BUILD_DIR");
  fs::path dir = build != nullptr ? fs::path(build) / "screenshots" : fs::path("screenshots");
  fs::create_directories(dir);
  return dir;
}

struct PngSize {
  std::uint32_t width = 0, height = 0;
};

// The width and height in a PNG file's header.
PngSize ReadPngSize(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<unsigned char> head(24);
  in.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size()));
  auto word = [&head](int at) {
    return std::uint32_t{head[at]} << 24 | std::uint32_t{head[at + 1]} << 16 |
           std::uint32_t{head[at + 2]} << 8 | head[at + 3];
  };
  return {word(16), word(20)};
}

class ScreenshotTest : public AppFixture {
 protected:
  // Renders `w` into the screenshot folder and checks the file is a real picture of it.
  void Render(fw::Window& w, const std::string& file, std::uint32_t contentWidth,
              std::uint32_t contentHeight) {
    const fs::path path = ScreenshotDir() / file;
    fs::remove(path);
    ASSERT_TRUE(fw::testing::RenderToPng(w, path.string())) << path;
    ASSERT_TRUE(fs::exists(path)) << path;
    EXPECT_GT(fs::file_size(path), 4000u) << path;
    const PngSize size = ReadPngSize(path);
    EXPECT_EQ(size.width, contentWidth) << path;
    EXPECT_GE(size.height, contentHeight) << path;
  }
};

// Each tab with a real result on it, as a person would see it.
TEST_F(ScreenshotTest, BothTabsAndTheAboutWindow) {
  Window1& w = window();
  w.TabPanel1().SetValue(0);
  fw::testing::TypeKeys(w.whole1(), "1");
  fw::testing::TypeKeys(w.numtop1(), "2");
  fw::testing::TypeKeys(w.numbottom1(), "3");
  fw::testing::TypeKeys(w.numtop2(), "3");
  fw::testing::TypeKeys(w.numbottom2(), "4");
  w.PopupMenu3().SetListIndex(2);
  fw::testing::Click(w.PushButton2());
  ASSERT_EQ(w.EditField3().Text() + " " + w.EditField1().Text() + "/" + w.EditField2().Text() +
                " = " + w.EditField4().Text(),
            "1 1/4 = 1.25");
  Render(w, "calculator.png", 395, 362);

  w.TabPanel1().SetValue(1);
  w.main().SetText("1");
  w.topper().SetText("3");
  w.bottomer().SetText("8");
  fw::testing::Click(w.PushButton3());
  w.dec().SetText("2.4375");
  fw::testing::Click(w.CheckBox2());
  fw::testing::Click(w.PushButton4());
  ASSERT_EQ(w.answerd().Text(), "1.375");
  ASSERT_EQ(w.main2().Text() + " " + w.topnum().Text() + "/" + w.bnum().Text(), "2 7/16");
  Render(w, "fraction-decimal.png", 395, 362);

  ASSERT_TRUE(fw::testing::ChooseMenuItem(w, "fraction"));
  Render(Author::Instance(), "about.png", 304, 149);
}

}  // namespace
