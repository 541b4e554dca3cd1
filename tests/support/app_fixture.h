// A test fixture that opens the real application and main window (offscreen) as start-up does,
// records every message box instead of waiting for a person, and closes every window afterwards
// so tests of one executable can also run in one process.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "window/window1.h"

class AppFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  Window1& window() { return Window1::Instance(); }

  // Texts of the message boxes shown so far, in order.
  std::vector<std::string> messages;
  // Addresses ShowURL was asked to open.
  std::vector<std::string> urls;
};
