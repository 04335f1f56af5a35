// The fixed-storage inversion against the plain transcription, bit for bit:
// every element, on success and on failure, and the result; at every order
// compiled for its own size and beyond.

#include "linalg/gauss_jordan_small.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "reference/plain_gauss_jordan_solve.h"
#include "tests/linalg/test_matrices.h"

using namespace curvix;

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double INF = std::numeric_limits<double>::infinity();
constexpr int STRIDE_SLACK = 3;  // cells between rows beyond the order, never touched

// Orders 1..13 (the specialised ones and the first general one), then larger.
std::vector<int> orders() {
  std::vector<int> sizes;
  for (int n = 1; n <= 13; ++n) sizes.push_back(n);
  for (int n : {16, 31, 64, SMALL_SYSTEM_MAX}) sizes.push_back(n);
  return sizes;
}

template <typename Draw>
Matrix filled(int n, Draw draw) {
  Matrix a = matrix_alloc(n, n);
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) a[i][j] = draw(i, j);
  return a;
}

// Inverts a copy of `a` both ways and compares the result and every element.
void expect_same_as_plain(const Matrix& a, int n, const std::string& what) {
  SCOPED_TRACE(what + ", n = " + std::to_string(n));
  Matrix plain = copy_of(a, n, n);
  Matrix unused = identity(n);
  const int plain_result = plain_gauss_jordan_solve(plain, n, unused, 0);

  const int stride = n + STRIDE_SLACK;
  std::vector<double> cells(static_cast<std::size_t>(n * stride), -7.0);
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j)
      cells[static_cast<std::size_t>((i - 1) * stride + j - 1)] = a[i][j];
  EXPECT_EQ(gauss_jordan_invert_small(cells.data(), n, stride), plain_result);
  Matrix small = matrix_alloc(n, n);
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j)
      small[i][j] = cells[static_cast<std::size_t>((i - 1) * stride + j - 1)];
    for (int j = n; j < stride; ++j)
      ASSERT_EQ(cells[static_cast<std::size_t>((i - 1) * stride + j)], -7.0) << "slack written";
  }
  EXPECT_TRUE(same_bits(plain, small, n, n));
}

TEST(SmallSolver, RandomAndStructuredSystemsMatchPlain) {
  std::mt19937_64 rng(2024);
  std::uniform_real_distribution<double> value(-1.0, 1.0);
  for (int n : orders()) {
    expect_same_as_plain(filled(n, [&](int, int) { return value(rng); }), n, "random");
    expect_same_as_plain(filled(n, [](int i, int j) { return 1.0 / (i + j - 1); }), n, "hilbert");
    // The shape of a stencil system: a zero corner, powers and multiquadrics.
    expect_same_as_plain(filled(n,
                                [](int i, int j) {
                                  if (i <= 2 && j <= 2) return 0.0;
                                  if (i <= 2) return std::pow(j - 3.0, i - 1.0);
                                  if (j <= 2) return std::pow(i - 3.0, j - 1.0);
                                  return std::sqrt((i - j) * (i - j) + 1.0);
                                }),
                         n, "stencil-like blocks");
  }
}

TEST(SmallSolver, TiesSingularAndNonFiniteSystemsMatchPlain) {
  std::mt19937_64 rng(31);
  std::uniform_int_distribution<int> small_integer(-2, 2);
  for (int trial = 0; trial < 400; ++trial) {
    const int n = 1 + trial % 14;
    expect_same_as_plain(
        filled(n, [&](int, int) { return static_cast<double>(small_integer(rng)); }), n,
        "ties, trial " + std::to_string(trial));
  }
  std::uniform_real_distribution<double> value(-1.0, 1.0);
  std::uniform_int_distribution<int> pick(0, 9);
  for (int n : orders()) {
    expect_same_as_plain(filled(n, [](int i, int j) { return i * 0.5 * j; }), n, "rank one");
    expect_same_as_plain(filled(n, [](int i, int j) { return i == j ? 1e-21 : 0.0; }), n,
                         "pivots below tolerance");
    expect_same_as_plain(filled(n,
                                [&](int, int) {
                                  const int k = pick(rng);
                                  return k == 0 ? NaN : k == 1 ? INF : value(rng);
                                }),
                         n, "NaN and infinity sprinkled");
    expect_same_as_plain(filled(n, [](int, int) { return NaN; }), n, "all NaN");
  }
}

}  // namespace
