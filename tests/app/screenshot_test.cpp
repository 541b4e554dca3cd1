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

#include "app/author.h"
#include "framework/testing.h"
#include "tests/support/app_fixture.h"

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

TEST_F(ScreenshotTest, BothTabsAndTheAboutWindow) {
  window().TabPanel1().SetValue(0);
  Render(window(), "calculator.png", 395, 362);
  window().TabPanel1().SetValue(1);
  Render(window(), "fraction-decimal.png", 395, 362);
  ASSERT_TRUE(fw::testing::ChooseMenuItem(window(), "fraction"));
  Render(Author::Instance(), "about.png", 304, 149);
}

}  // namespace
