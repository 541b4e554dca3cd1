// The calculation history as it grows: 100,000 presses, then 100,000 Undos. Time per press and
// per Undo must stay flat whatever the history's length, and the history must stay small.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <chrono>
#include <cstdint>
#include <vector>

#include "framework/value.h"
#include "window/window1.h"

namespace {

constexpr int kPresses = 100000;
constexpr int kWindow = 1000;  // presses averaged at each end of the run

using Clock = std::chrono::steady_clock;

// Mean time in microseconds of the first and of the last kWindow samples.
double MeanMicros(const std::vector<Clock::duration>& samples, std::size_t from) {
  Clock::duration total{};
  for (std::size_t i = from; i < from + kWindow; ++i) total += samples[i];
  return std::chrono::duration<double, std::micro>(total).count() / kWindow;
}

std::size_t HeapInUse() {
  return mallinfo2().uordblks;
}

void HistoryOfAHundredThousandPresses(benchmark::State& state) {
  Window1& w = Window1::Instance();
  w.multiple().SetValue(false);
  w.PopupMenu3().SetListIndex(0);
  w.whole1().SetText("1");
  w.numtop1().SetText("2");
  w.numbottom1().SetText("3");
  w.whole2().SetText("-4");
  w.numtop2().SetText("5");
  w.numbottom2().SetText("7");
  std::vector<Clock::duration> presses(kPresses), undos(kPresses);
  for (auto _ : state) {
    const std::size_t heapBefore = HeapInUse();
    for (auto& sample : presses) {
      const auto start = Clock::now();
      w.PushButton2_Action(w.PushButton2());
      sample = Clock::now() - start;
    }
    const std::size_t heapAfter = HeapInUse();
    for (auto& sample : undos) {
      const auto start = Clock::now();
      w.EditUndo_Action();
      sample = Clock::now() - start;
    }
    if (fw::TruncText(w.keeptrack().Text()) != 0) state.SkipWithError("history not empty");
    state.counters["press_first_us"] = MeanMicros(presses, 0);
    state.counters["press_last_us"] = MeanMicros(presses, kPresses - kWindow);
    // Undos run newest first: the first ones meet the longest history.
    state.counters["undo_longest_us"] = MeanMicros(undos, 0);
    state.counters["undo_shortest_us"] = MeanMicros(undos, kPresses - kWindow);
    state.counters["history_bytes_per_press"] =
        static_cast<double>(heapAfter - heapBefore) / kPresses;
  }
}

BENCHMARK(HistoryOfAHundredThousandPresses)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
