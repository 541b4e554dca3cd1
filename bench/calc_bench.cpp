// A "Calculate" press of each operation on small operands, on denominators near 10^9 and on parts
// near 2^62 and 2^63 (whose intermediates reach 250 bits), and reduce on a denominator near 10^18,
// prime and composite. Every press should take under 50 microseconds, whatever the operands.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "calc/result_texts.h"
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
// Parts near 2^62 over a shared prime denominator near 2^62 (the sum, just below 2^63, and the
// difference fit; the product and the quotient do not), and parts near 2^63 (2^63 - 1 and the two
// largest primes below 2^63: nothing fits).
constexpr Operands kNear2to62{"4611686018427387904", "4611686018427387903", "4611686018427387847",
                              "4611686018427387900", "4611686018427387901", "4611686018427387847"};
constexpr Operands kNear2to63{"9223372036854775807", "9223372036854775643", "9223372036854775783",
                              "9223372036854775783", "9223372036854775807", "9223372036854775643"};
// Fractions over primes near 2^63 and 2^62: denominators of 126 bits, which only the product
// reduces into 64 bits.
constexpr Operands kPrimesNear2to63{"", "9223372036854775643", "9223372036854775783",
                                    "", "4611686018427387847", "9223372036854775643"};
// Divided, each of these is a fraction equal to 1 before reduction: over 2^63 + 29, a prime
// (Miller-Rabin keeps it, so "Overflow"), and over a product of three primes near 2^63 (1/1).
constexpr Operands kPrimeOverItself{"4611686018427387904", "4611686018427387933", "",
                                    "4611686018427387904", "4611686018427387933", ""};
constexpr Operands kWideOverItself{"9223372036854775783", "", "9223372036854775643",
                                   "9223372036854775783", "", "4611686018427387847"};
// Zero divided by 2^62 x (2^63 - 25) + 9, a prime of 125 bits.
constexpr Operands kZeroOverWidePrime{
    "", "", "", "4611686018427387904", "9", "9223372036854775783"};

// The rows of the table of answers that fit: operands, operation, and the decimal shown.
constexpr Operands kRow1{"3037000500", "", "3037000500", "", "1", "2"};
constexpr Operands kRow2{"", "1", "3037000500", "", "1", "3037000500"};
constexpr Operands kRow3{"482187", "11", "94693", "2892", "", "970297"};
constexpr Operands kRow4{"", "1", "4294967296", "", "1", "4294967296"};
constexpr Operands kRow5{"1000000000000000000", "", "", "", "4", "9"};
constexpr Operands kRow6{"9223372036854775807", "", "", "1", "", ""};
constexpr Operands kRow7{"4294967296", "", "", "4294967296", "", ""};
constexpr Operands kRow8{"-4611686018427387904", "", "", "4611686018427387904", "", ""};
constexpr Operands kRow9{"", "1", "4294967311", "", "1", "4294967357"};

enum Outcome { kAnswer, kOverflows };

void Press(benchmark::State& state, std::int64_t operation, Operands o, Outcome outcome) {
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
  // Measure the path meant: an answer, or "Overflow".
  const std::string decimal = w.EditField4().Text();
  const bool overflowed = decimal == calc::kOverflow;
  if (decimal == calc::kUndefined || overflowed != (outcome == kOverflows)) {
    state.SkipWithError(("unexpected " + decimal).c_str());
  }
  state.SetLabel(decimal);
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

BENCHMARK_CAPTURE(Press, add_small, 0, kSmall, kAnswer);
BENCHMARK_CAPTURE(Press, subtract_small, 1, kSmall, kAnswer);
BENCHMARK_CAPTURE(Press, multiply_small, 2, kSmall, kAnswer);
BENCHMARK_CAPTURE(Press, divide_small, 3, kSmall, kAnswer);
BENCHMARK_CAPTURE(Press, add_near_1e9, 0, kNear1e9, kAnswer);
BENCHMARK_CAPTURE(Press, subtract_near_1e9, 1, kNear1e9, kAnswer);
BENCHMARK_CAPTURE(Press, multiply_near_1e9, 2, kNear1e9, kAnswer);
BENCHMARK_CAPTURE(Press, divide_near_1e9, 3, kNear1e9, kAnswer);
BENCHMARK_CAPTURE(Press, add_near_2to62, 0, kNear2to62, kAnswer);
BENCHMARK_CAPTURE(Press, subtract_near_2to62, 1, kNear2to62, kAnswer);
BENCHMARK_CAPTURE(Press, multiply_near_2to62, 2, kNear2to62, kOverflows);
BENCHMARK_CAPTURE(Press, divide_near_2to62, 3, kNear2to62, kOverflows);
BENCHMARK_CAPTURE(Press, add_near_2to63, 0, kNear2to63, kOverflows);
BENCHMARK_CAPTURE(Press, subtract_near_2to63, 1, kNear2to63, kOverflows);
BENCHMARK_CAPTURE(Press, multiply_near_2to63, 2, kNear2to63, kOverflows);
BENCHMARK_CAPTURE(Press, divide_near_2to63, 3, kNear2to63, kOverflows);
BENCHMARK_CAPTURE(Press, add_primes_near_2to63, 0, kPrimesNear2to63, kOverflows);
BENCHMARK_CAPTURE(Press, subtract_primes_near_2to63, 1, kPrimesNear2to63, kOverflows);
BENCHMARK_CAPTURE(Press, multiply_primes_near_2to63, 2, kPrimesNear2to63, kAnswer);
BENCHMARK_CAPTURE(Press, divide_primes_near_2to63, 3, kPrimesNear2to63, kOverflows);
BENCHMARK_CAPTURE(Press, divide_prime_over_itself, 3, kPrimeOverItself, kOverflows);
BENCHMARK_CAPTURE(Press, divide_wide_over_itself, 3, kWideOverItself, kAnswer);
BENCHMARK_CAPTURE(Press, divide_zero_over_wide_prime, 3, kZeroOverWidePrime, kAnswer);
BENCHMARK_CAPTURE(Press, table_row1_multiply, 2, kRow1, kAnswer);
BENCHMARK_CAPTURE(Press, table_row2_add, 0, kRow2, kAnswer);
BENCHMARK_CAPTURE(Press, table_row3_multiply, 2, kRow3, kAnswer);
BENCHMARK_CAPTURE(Press, table_row4_subtract, 1, kRow4, kAnswer);
BENCHMARK_CAPTURE(Press, table_row5_multiply, 2, kRow5, kAnswer);
BENCHMARK_CAPTURE(Press, table_row6_add, 0, kRow6, kOverflows);
BENCHMARK_CAPTURE(Press, table_row7_multiply, 2, kRow7, kOverflows);
BENCHMARK_CAPTURE(Press, table_row8_subtract, 1, kRow8, kOverflows);
BENCHMARK_CAPTURE(Press, table_row9_add, 0, kRow9, kOverflows);
// 999999999999999989 is the largest prime below 10^18; 999999866000004473 is 999999937 x
// 999999929; 10^18 - 1 has many small factors.
BENCHMARK_CAPTURE(Reduce, prime_near_1e18, "999999999999999988", "999999999999999989");
BENCHMARK_CAPTURE(Reduce, semiprime_near_1e18, "999999937", "999999866000004473");
BENCHMARK_CAPTURE(Reduce, composite_near_1e18, "333333333333333333", "999999999999999999");

}  // namespace
