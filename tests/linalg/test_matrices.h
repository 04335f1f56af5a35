#pragma once
// Building and comparing 1-based matrices in tests.

#include <gtest/gtest.h>

#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "linalg/matrix.h"

namespace curvix {

using Rows = std::vector<std::vector<double>>;

inline Matrix from_rows(const Rows& rows) {
  const int nr = static_cast<int>(rows.size());
  const int nc = nr == 0 ? 0 : static_cast<int>(rows[0].size());
  Matrix a = matrix_alloc(nr, nc);
  for (int i = 1; i <= nr; ++i)
    for (int j = 1; j <= nc; ++j)
      a[i][j] = rows[static_cast<size_t>(i - 1)][static_cast<size_t>(j - 1)];
  return a;
}

inline Matrix identity(int n) {
  Matrix b = matrix_alloc(n, n);
  for (int i = 1; i <= n; ++i) b[i][i] = 1.0;
  return b;
}

inline Matrix copy_of(const Matrix& a, int nr, int nc) {
  Matrix c = matrix_alloc(nr, nc);
  for (int i = 1; i <= nr; ++i)
    for (int j = 1; j <= nc; ++j) c[i][j] = a[i][j];
  return c;
}

inline std::uint64_t bits_of(double v) {
  std::uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  return bits;
}

// Bit-for-bit equality of elements (1..nr, 1..nc); reports the first mismatch.
inline std::string describe(double v) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17g (bits %016" PRIx64 ")", v, bits_of(v));
  return text;
}

// Which NaN a product of two NaNs returns is the first source operand's on
// x86, and which operand comes first is the compiler's choice: GCC for x86-64
// keeps the order the kernels pin down, so there NaNs must match in every bit
// too. Clang, and other processors, may order the plain loop's product either
// way, so there a NaN only has to meet a NaN; every other value still matches
// bit for bit.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
constexpr bool NAN_PAYLOADS_COMPARABLE = true;
#else
constexpr bool NAN_PAYLOADS_COMPARABLE = false;
#endif

inline bool same_value_bits(double expected, double actual) {
  if (!NAN_PAYLOADS_COMPARABLE && std::isnan(expected) && std::isnan(actual)) return true;
  return bits_of(expected) == bits_of(actual);
}

inline ::testing::AssertionResult same_bits(const Matrix& expected, const Matrix& actual, int nr,
                                            int nc) {
  for (int i = 1; i <= nr; ++i) {
    for (int j = 1; j <= nc; ++j) {
      if (!same_value_bits(expected[i][j], actual[i][j])) {
        return ::testing::AssertionFailure()
               << "element (" << i << ", " << j << "): expected " << describe(expected[i][j])
               << ", got " << describe(actual[i][j]);
      }
    }
  }
  return ::testing::AssertionSuccess();
}

// Element-wise equality with the given rows (== on doubles, so -0.0 matches 0.0).
inline ::testing::AssertionResult has_rows(const Matrix& a, const Rows& rows) {
  for (size_t i = 0; i < rows.size(); ++i) {
    for (size_t j = 0; j < rows[i].size(); ++j) {
      const double v = a[static_cast<int>(i + 1)][static_cast<int>(j + 1)];
      if (!(v == rows[i][j])) {
        return ::testing::AssertionFailure() << "element (" << i + 1 << ", " << j + 1
                                             << "): expected " << rows[i][j] << ", got " << v;
      }
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace curvix
