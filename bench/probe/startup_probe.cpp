// Starts Tessimo as the program does, up to its main window shown (offscreen), then exits. The
// start-up benchmark times whole runs of this process.
#include <cstdlib>

#include "app/startup.h"
#include "framework/application.h"
#include "framework/testing.h"
#include "window/window1.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  fw::RuntimeInit(argc, argv);
  OpenApplication();
  fw::testing::ProcessEvents();
  // Only the window start-up opened counts: Instance() would build one of its own.
  const fw::Window* window = fw::GetImplicitWindow(Window1::kClassName);
  return window != nullptr && window->IsVisible() ? 0 : 1;
}
