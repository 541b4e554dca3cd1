// Every test executable starts the runtime once (offscreen) before the tests run.
#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/application.h"

int main(int argc, char** argv) {
  // Tests never need a display: real widgets, drawn offscreen.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  testing::InitGoogleTest(&argc, argv);
  fw::RuntimeInit(argc, argv);
  return RUN_ALL_TESTS();
}
