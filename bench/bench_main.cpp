// The benchmarks' one main: starts the runtime offscreen, dismisses every message box, opens the
// real application and main window once, then runs every registered benchmark.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "app/startup.h"
#include "framework/application.h"
#include "framework/testing.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  fw::RuntimeInit(argc, argv);
  fw::testing::SetMsgBoxObserver([](const std::string&) {});
  OpenApplication();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
