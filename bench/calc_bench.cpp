// A "Calculate" press of each operation on small operands and on denominators near 10^9, and
// reduce on a denominator near 10^18, prime and composite. Every press should take well under a
// millisecond, whatever the operands.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "framework/value.h"
#include "window/window1.h"

namespace {

struct Operands {
  const char* whole1;
  const char* numtop1;
  const char* numbottom1;
  const char* whole2;
  const char* numtop2;
  const char* numbottom2;
};

constexpr Operands kSmall{"1", "1", "2", "2", "1", "3"};
// 999999937 and 999999929 are the two largest primes below 10^9.
constexpr Operands kNear1e9{"", "123456789", "999999937", "", "987654321", "999999929"};

void Press(benchmark::State& state, std::int64_t operation, Operands o) {
  Window1& w = Window1::Instance();
  w.multiple().SetValue(false);
  w.PopupMenu3().SetListIndex(operation);
  w.whole1().SetText(o.whole1);
  w.numtop1().SetText(o.numtop1);
  w.numbottom1().SetText(o.numbottom1);
  w.whole2().SetText(o.whole2);
  w.numtop2().SetText(o.numtop2);
  w.numbottom2().SetText(o.numbottom2);
  // A press changes no operand field here, so each one computes the same result.
  for (auto _ : state) w.PushButton2_Action(w.PushButton2());
  const std::string decimal = w.EditField4().Text();
  if (decimal == "Overflow" || decimal == "Undefined") state.SkipWithError(decimal.c_str());
  // Keep the history from growing across benchmarks.
  while (fw::TruncText(w.keeptrack().Text()) > 0) w.EditUndo_Action();
}

void Reduce(benchmark::State& state, const char* numerator, const char* denominator) {
  Window1& w = Window1::Instance();
  w.EditField3().SetText("1");
  for (auto _ : state) {
    w.EditField1().SetText(numerator);
    w.EditField2().SetText(denominator);
    w.reduce();
  }
}

BENCHMARK_CAPTURE(Press, add_small, 0, kSmall);
BENCHMARK_CAPTURE(Press, subtract_small, 1, kSmall);
BENCHMARK_CAPTURE(Press, multiply_small, 2, kSmall);
BENCHMARK_CAPTURE(Press, divide_small, 3, kSmall);
BENCHMARK_CAPTURE(Press, add_near_1e9, 0, kNear1e9);
BENCHMARK_CAPTURE(Press, subtract_near_1e9, 1, kNear1e9);
BENCHMARK_CAPTURE(Press, multiply_near_1e9, 2, kNear1e9);
BENCHMARK_CAPTURE(Press, divide_near_1e9, 3, kNear1e9);
// 999999999999999989 is the largest prime below 10^18; 999999866000004473 is 999999937 x
// 999999929; 10^18 - 1 has many small factors.
BENCHMARK_CAPTURE(Reduce, prime_near_1e18, "999999999999999988", "999999999999999989");
BENCHMARK_CAPTURE(Reduce, semiprime_near_1e18, "999999937", "999999866000004473");
BENCHMARK_CAPTURE(Reduce, composite_near_1e18, "333333333333333333", "999999999999999999");

}  // namespace
