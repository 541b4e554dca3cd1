// A "Calculate" press of Decimal to Fraction with each rounding choice: none, 1/8, 1/16, 1/32,
// 1/64 and feet and inches (once plainly, once with both carries). Every press reduces a
// fraction over 100000 first, then a second time over 8 to 64 when a box is checked.
#include <benchmark/benchmark.h>

#include "window/window1.h"

namespace {

enum class Box { kNone, k8, k16, k32, k64, kFtIn };

void DecimalToFraction(benchmark::State& state, const char* decimal, Box box) {
  Window1& w = Window1::Instance();
  w.dec().SetText(decimal);
  w.CheckBox1().SetValue(box == Box::k8);
  w.CheckBox2().SetValue(box == Box::k16);
  w.CheckBox3().SetValue(box == Box::k32);
  w.CheckBox4().SetValue(box == Box::k64);
  w.CheckBox5().SetValue(box == Box::kFtIn);
  // A press reads only dec and the boxes, so each one computes the same result.
  for (auto _ : state) w.PushButton4_Action(w.PushButton4());
  w.CheckBox1().SetValue(false);
  w.CheckBox2().SetValue(false);
  w.CheckBox3().SetValue(false);
  w.CheckBox4().SetValue(false);
  w.CheckBox5().SetValue(false);
}

BENCHMARK_CAPTURE(DecimalToFraction, none, "3.14159", Box::kNone);
BENCHMARK_CAPTURE(DecimalToFraction, eighths, "3.14159", Box::k8);
BENCHMARK_CAPTURE(DecimalToFraction, sixteenths, "3.14159", Box::k16);
BENCHMARK_CAPTURE(DecimalToFraction, thirty_seconds, "3.14159", Box::k32);
BENCHMARK_CAPTURE(DecimalToFraction, sixty_fourths, "3.14159", Box::k64);
BENCHMARK_CAPTURE(DecimalToFraction, ft_in, "3.14159", Box::kFtIn);
BENCHMARK_CAPTURE(DecimalToFraction, ft_in_carried_foot, "2.999", Box::kFtIn);

}  // namespace
