#include "tests/support/app_fixture.h"

#include "app/startup.h"
#include "framework/testing.h"
#include "framework/window.h"

void AppFixture::SetUp() {
  fw::testing::SetMsgBoxObserver([this](const std::string& text) { messages.push_back(text); });
  fw::testing::SetShowURLObserver([this](const std::string& url) { urls.push_back(url); });
  OpenApplication();
}

void AppFixture::TearDown() {
  for (fw::Window* open : fw::OpenWindows()) open->Close();
  fw::testing::ProcessEvents();
  fw::testing::SetMsgBoxObserver(nullptr);
  fw::testing::SetShowURLObserver(nullptr);
}
