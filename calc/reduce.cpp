// Reduction of a fraction standing in two fields, and the rule behind it: that of trial division
// by every whole number from 2 to half the denominator (see calc/wide.h), computed in bounded
// time from the greatest common divisor and a primality test.
#include <cstdint>
#include <limits>
#include <stdexcept>

#include "calc/calc_window.h"
#include "calc/integers.h"
#include "calc/wide.h"
#include "framework/value.h"

namespace calc {
namespace {

__extension__ typedef unsigned __int128 Product128;

std::uint64_t MulMod(std::uint64_t a, std::uint64_t b, std::uint64_t m) {
  return static_cast<std::uint64_t>(static_cast<Product128>(a) * b % m);
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

// Whether b, which divides a, is prime. Miller-Rabin decides below 2^64. A wider b comes only from
// the operations, which hand over such a b dividing a only as a == b with b composite (see
// calculate_operations.cpp). Testing that here would take a wide Miller-Rabin: tens of
// microseconds for a composite of 190 bits, most of a millisecond for a prime.
bool DividingDenominatorIsPrime(const Fraction& f) {
  if (f.b <= std::numeric_limits<std::uint64_t>::max()) {
    return IsPrime(static_cast<std::uint64_t>(f.b));
  }
  if (f.a != f.b)
    throw std::logic_error("a denominator beyond 64 bits divides a numerator other than itself");
  return false;
}

// A fraction read from two fields, reduced, with its sign apart.
struct SignedFraction {
  bool negative;  // the fraction's sign, which goes onto the numerator
  std::uint64_t a;
  std::uint64_t b;
};

// Reads the numerator and denominator fields (each twice: for its sign, then for its magnitude)
// and reduces the magnitudes.
SignedFraction ReduceFields(const fw::TextField& numerator, const fw::TextField& denominator) {
  const std::int64_t n = fw::TruncText(numerator.Text());
  const std::int64_t d = fw::TruncText(denominator.Text());
  const Fraction r = Reduced({UnsignedMagnitude(fw::TruncText(numerator.Text())),
                              UnsignedMagnitude(fw::TruncText(denominator.Text()))});
  // Two negative parts make a positive fraction; a part that reads as 0 gives no sign.
  const bool negative = (n > 0 && d < 0) || (n < 0 && d > 0);
  // Reduction only shrinks the magnitudes, which came from 64 bits.
  return {negative, static_cast<std::uint64_t>(r.a), static_cast<std::uint64_t>(r.b)};
}

void WriteReduced(fw::TextField& numerator, fw::TextField& denominator, const SignedFraction& r) {
  numerator.SetText(Digits(r.negative, r.a));
  denominator.SetText(Digits(false, r.b));
}

}  // namespace

Fraction Reduced(const Fraction& f) {
  if (f.b <= 1) return f;
  const Wide g = gcd(f.a, f.b);
  // A common factor below b shows b composite; only when b divides a does its primality decide.
  if (g == 1 || (g == f.b && DividingDenominatorIsPrime(f))) return f;
  return {f.a / g, f.b / g};
}

void CalcWindow::reduce() {
  const SignedFraction r = ReduceFields(EditField1(), EditField2());
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
  const SignedFraction r = ReduceFields(topnum(), bnum());
  WriteReduced(topnum(), bnum(), r);
}

}  // namespace calc
