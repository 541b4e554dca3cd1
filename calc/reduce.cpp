// Reduction of a fraction standing in two fields. The rule is that of trial division by every
// whole number from 2 to half the denominator: the denominator itself is never tried, so a
// denominator of 0, 1 or a prime leaves the fraction as it is (2/2, 5/5 and 0/5 stay), and any
// other denominator loses every factor it shares with the numerator (4/4 becomes 1/1, 0/4 becomes
// 0/1). It is computed with a primality test and the greatest common divisor, in bounded time.
#include <cstdint>
#include <numeric>

#include "calc/calc_window.h"
#include "calc/integers.h"
#include "framework/value.h"

namespace calc {
namespace {

__extension__ typedef unsigned __int128 Wide;

std::uint64_t MulMod(std::uint64_t a, std::uint64_t b, std::uint64_t m) {
  return static_cast<std::uint64_t>(static_cast<Wide>(a) * b % m);
}

std::uint64_t PowMod(std::uint64_t base, std::uint64_t exponent, std::uint64_t m) {
  std::uint64_t result = 1;
  base %= m;
  for (; exponent != 0; exponent >>= 1) {
    if (exponent & 1) result = MulMod(result, base, m);
    base = MulMod(base, base, m);
  }
  return result;
}

// Miller-Rabin with the first twelve primes as bases, which decides every 64-bit number.
bool IsPrime(std::uint64_t n) {
  constexpr std::uint64_t kBases[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37};
  if (n < 2) return false;
  for (std::uint64_t p : kBases) {
    if (n % p == 0) return n == p;
  }
  std::uint64_t d = n - 1;
  int s = 0;
  for (; d % 2 == 0; d /= 2) ++s;
  for (std::uint64_t a : kBases) {
    std::uint64_t x = PowMod(a, d, n);
    if (x == 1 || x == n - 1) continue;
    bool composite = true;
    for (int i = 1; i < s && composite; ++i) {
      x = MulMod(x, x, n);
      composite = x != n - 1;
    }
    if (composite) return false;
  }
  return true;
}

struct Reduced {
  bool negative;  // the fraction's sign, which goes onto the numerator
  std::uint64_t a;
  std::uint64_t b;
};

// Reads the numerator and denominator fields (each twice: for its sign, then for its magnitude)
// and reduces the magnitudes.
Reduced ReduceFields(const fw::TextField& numerator, const fw::TextField& denominator) {
  const std::int64_t n = fw::TruncText(numerator.Text());
  const std::int64_t d = fw::TruncText(denominator.Text());
  std::uint64_t a = UnsignedMagnitude(fw::TruncText(numerator.Text()));
  std::uint64_t b = UnsignedMagnitude(fw::TruncText(denominator.Text()));
  if (b > 1 && !IsPrime(b)) {
    const std::uint64_t g = std::gcd(a, b);
    a /= g;
    b /= g;
  }
  // Two negative parts make a positive fraction; a part that reads as 0 gives no sign.
  const bool negative = (n > 0 && d < 0) || (n < 0 && d > 0);
  return {negative, a, b};
}

void WriteReduced(fw::TextField& numerator, fw::TextField& denominator, const Reduced& r) {
  numerator.SetText(Digits(r.negative, r.a));
  denominator.SetText(Digits(false, r.b));
}

}  // namespace

void CalcWindow::reduce() {
  const Reduced r = ReduceFields(EditField1(), EditField2());
  WriteReduced(EditField1(), EditField2(), r);
  // The decimal of the whole result: the fraction plus the whole part, negative when either
  // carries a minus. A denominator of 0 gives an infinite or NaN decimal.
  const double v =
      static_cast<double>(r.a) / static_cast<double>(r.b) + fw::Abs(fw::Val(EditField3().Text()));
  EditField4().SetText(fw::Str(v));
  if (fw::Val(EditField3().Text()) < 0 || r.negative) {
    EditField4().SetText(fw::Str(fw::Val(EditField4().Text()) * -1.0));
  }
}

void CalcWindow::reduction() {
  const Reduced r = ReduceFields(topnum(), bnum());
  WriteReduced(topnum(), bnum(), r);
}

}  // namespace calc
