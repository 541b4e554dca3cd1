// Records as bytes: the entry layout the framework decodes, entry order, and the reversed form.
#include "window/records.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/controls.h"
#include "framework/property_record.h"
#include "framework/window.h"
#include "tests/support/app_fixture.h"

namespace {

using window::kWindow;

const window::WindowLook kLook{395, 362, "Tessimo 1.3.6", true, 2, 0xD1D1D1};

TEST(Records, WindowRecordBytesFollowTheEntryLayout) {
  const std::string bytes = window::WindowRecord(kLook).Bytes();
  // Width 395: the name, a blank, 8 little-endian bytes.
  EXPECT_EQ(bytes.substr(0, 14), std::string("Width \x8B\x01\0\0\0\0\0\0", 14));
  // Visible True: the name, a blank, one byte.
  EXPECT_NE(bytes.find(std::string("Visible \x01", 9)), std::string::npos);
  // The title: a 4-byte count, then the UTF-8 text.
  EXPECT_NE(bytes.find(std::string("Title \x0D\0\0\0Tessimo 1.3.6", 23)), std::string::npos);
  // The colour: one little-endian word, top byte 0.
  EXPECT_NE(bytes.find(std::string("BackgroundColor \xD1\xD1\xD1\0", 20)), std::string::npos);

  const fw::PropertyValues values = fw::DecodeProperties(bytes, fw::Window::DeclaredProperties());
  EXPECT_EQ(values.size(), 22u);
  EXPECT_EQ(fw::StringProperty(values, "Title"), "Tessimo 1.3.6");
  EXPECT_EQ(fw::IntegerProperty(values, "MacProcID"), 0);
}

class ReversedRecord : public AppFixture {};

TEST_F(ReversedRecord, CarriesTheSameValues) {
  const auto button =
      window::PushButtonRecord({"PushButton1", kWindow, 27, 97, 257, 32, 2}, "Visit", false);
  const auto reversed = button.Reversed();
  EXPECT_EQ(reversed.StringEntry("Name"), "PushButton1");
  EXPECT_NE(reversed.Bytes(), button.Bytes());
  EXPECT_EQ(reversed.Bytes().size(), button.Bytes().size());

  const fw::PropertyTypes& types = window().PushButton2().DeclaredProperties();
  EXPECT_EQ(fw::DecodeProperties(reversed.Bytes(), types),
            fw::DecodeProperties(button.Bytes(), types));
}

}  // namespace
