// Exact integers for the Calculator's arithmetic, and the reduction rule that reduce, reduction
// and the four operations share. calc/*.cpp include this, and the calc tests that check the
// rule on wide values; nothing above calc/ does.
#pragma once

#include <boost/multiprecision/cpp_int.hpp>

namespace calc {

// Signed integers of 256 bits. The operations take parts below 2^63, so their widest
// intermediate, the product of two improper numerators, stays below 2^254. Checked: a value beyond
// 256 bits raises std::overflow_error instead of wrapping, so a mistake cannot pass for an answer.
using Wide = boost::multiprecision::checked_int256_t;

// A fraction as the magnitudes of its numerator a and its denominator b.
struct Fraction {
  Wide a;
  Wide b;
};

// The fraction that trial division leaves: every whole number from 2 to half of b is tried, and
// while one divides both a and b, both are divided by it. b itself is never tried, so a
// denominator of 0, 1 or a prime leaves the fraction as it is (2/2, 5/5 and 0/5 stay), and any
// other loses every factor it shares with the numerator (4/4 becomes 1/1, 0/4 becomes 0/1).
// Computed from the greatest common divisor and, when b divides a, a primality test of b.
// That test is exact below 2^64. A wider b may divide a only when it equals a and is composite,
// as the operations guarantee; a wider b that divides a other than a itself raises
// std::logic_error.
Fraction Reduced(const Fraction& f);

}  // namespace calc
