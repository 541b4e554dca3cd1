// Start-up to a shown main window: whole runs of a process that starts the program as main does
// and exits once the window is shown (offscreen), so loading, the runtime, the menu bar and the
// 55 controls all count.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>

extern char** environ;

namespace {

// The probe stands beside the benchmark executable.
std::string ProbePath() {
  char path[4096];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return {};
  std::string self(path, static_cast<std::size_t>(length));
  return self.substr(0, self.rfind('/') + 1) + "tessimo-startup-probe";
}

void StartupToShownWindow(benchmark::State& state) {
  const std::string probe = ProbePath();
  char* const argv[] = {const_cast<char*>(probe.c_str()), nullptr};
  // The toolkit's start-up notes on stderr would drown the report; the exit status tells.
  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
  for (auto _ : state) {
    pid_t pid = 0;
    if (posix_spawn(&pid, probe.c_str(), &quiet, nullptr, argv, environ) != 0) {
      state.SkipWithError("cannot start the probe");
      break;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("the main window was not shown");
      break;
    }
  }
  posix_spawn_file_actions_destroy(&quiet);
}

BENCHMARK(StartupToShownWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

}  // namespace
