// The fast solver against the plain transcription, bit for bit, for every
// kernel level this processor has: every element of a and b and the result.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "linalg/gauss_jordan_kernels.h"
#include "linalg/gauss_jordan_solve.h"
#include "reference/plain_gauss_jordan_solve.h"
#include "tests/linalg/test_matrices.h"

using namespace curvix;

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double INF = std::numeric_limits<double>::infinity();

// Solves copies of (a, b) with the plain solver and with the given kernels,
// through the full solver and the inverse-only path, and through the public
// entry points (which use the widest level), and compares.
void expect_kernels_match_plain(const GaussJordanKernels& kernels, const Matrix& a, int n,
                                const Matrix& b, int m, const std::string& what) {
  SCOPED_TRACE(what + ", n = " + std::to_string(n) + ", m = " + std::to_string(m));
  Matrix plain_a = copy_of(a, n, n);
  Matrix plain_b = copy_of(b, n, m);
  const int plain_result = plain_gauss_jordan_solve(plain_a, n, plain_b, m);
  Matrix fast_a = copy_of(a, n, n);
  Matrix fast_b = copy_of(b, n, m);
  EXPECT_EQ(gauss_jordan_solve_with(kernels, fast_a, n, &fast_b, m), plain_result);
  EXPECT_TRUE(same_bits(plain_a, fast_a, n, n));
  EXPECT_TRUE(same_bits(plain_b, fast_b, n, m));

  Matrix inverse_a = copy_of(a, n, n);
  EXPECT_EQ(gauss_jordan_solve_with(kernels, inverse_a, n, nullptr, 0), plain_result);
  EXPECT_TRUE(same_bits(plain_a, inverse_a, n, n));

  Matrix public_a = copy_of(a, n, n);
  Matrix public_b = copy_of(b, n, m);
  EXPECT_EQ(gauss_jordan_solve(public_a, n, public_b, m), plain_result);
  EXPECT_TRUE(same_bits(plain_a, public_a, n, n));
  EXPECT_TRUE(same_bits(plain_b, public_b, n, m));
  Matrix public_inverse = copy_of(a, n, n);
  EXPECT_EQ(gauss_jordan_invert(public_inverse, n), plain_result);
  EXPECT_TRUE(same_bits(plain_a, public_inverse, n, n));
}

// One instance per kernel level; a level this processor lacks is reported as
// skipped, so a run says which levels it did not check.
class FastSolver : public ::testing::TestWithParam<VectorIsa> {
 protected:
  void SetUp() override {
    kernels_ = gauss_jordan_kernels(GetParam());
    if (kernels_ == nullptr) GTEST_SKIP() << "this processor lacks the vector width";
  }
  void expect_same_as_plain(const Matrix& a, int n, const Matrix& b, int m,
                            const std::string& what) const {
    expect_kernels_match_plain(*kernels_, a, n, b, m, what);
  }

 private:
  const GaussJordanKernels* kernels_ = nullptr;
};

template <typename Draw>
Matrix filled(int nr, int nc, Draw draw) {
  Matrix a = matrix_alloc(nr, nc);
  for (int i = 1; i <= nr; ++i)
    for (int j = 1; j <= nc; ++j) a[i][j] = draw(i, j);
  return a;
}

// Sizes around the vector widths and row padding, and the largest curve system.
const std::vector<int> SIZES{1, 2, 3, 4, 5, 7, 8, 9, 15, 16, 17, 31, 33, 64, 100, 202};

TEST_P(FastSolver, RandomDenseSystemsMatchPlain) {
  std::mt19937_64 rng(12345);
  std::uniform_real_distribution<double> value(-1.0, 1.0);
  for (int n : SIZES) {
    const Matrix a = filled(n, n, [&](int, int) { return value(rng); });
    expect_same_as_plain(a, n, identity(n), n, "random with identity");
    const int m = n % 5 + 1;
    const Matrix b = filled(n, m, [&](int, int) { return value(rng); });
    expect_same_as_plain(a, n, b, m, "random with random right-hand sides");
  }
}

TEST_P(FastSolver, SmallIntegerSystemsWithManyTiesMatchPlain) {
  // Entries from -2..2: many equal magnitudes, exact zeros, signed zeros
  // produced by the elimination, and frequent singularity.
  std::mt19937_64 rng(777);
  std::uniform_int_distribution<int> value(-2, 2);
  for (int trial = 0; trial < 300; ++trial) {
    const int n = 1 + trial % 12;
    const Matrix a = filled(n, n, [&](int, int) { return static_cast<double>(value(rng)); });
    expect_same_as_plain(a, n, identity(n), n, "ties, trial " + std::to_string(trial));
  }
}

TEST_P(FastSolver, RegularStructuredSystemsMatchPlain) {
  for (int n : SIZES) {
    const Matrix hilbert = filled(n, n, [](int i, int j) { return 1.0 / (i + j - 1); });
    expect_same_as_plain(hilbert, n, identity(n), n, "hilbert");
    const Matrix dominant = filled(n, n, [n](int i, int j) { return i == j ? n + 1.0 : 1.0; });
    expect_same_as_plain(dominant, n, identity(n), n, "diagonally dominant");
    // The block shape of the curve systems: a zero corner, powers and distances.
    const Matrix blocks = filled(n, n, [](int i, int j) {
      if (i <= 2 && j <= 2) return 0.0;
      if (i <= 2) return std::pow(j - 3.0, i - 1.0);
      if (j <= 2) return std::pow(i - 3.0, j - 1.0);
      return std::sqrt((i - j) * (i - j) + 1.0);
    });
    expect_same_as_plain(blocks, n, identity(n), n, "curve-like blocks");
  }
}

TEST_P(FastSolver, SingularSystemsMatchPlainPartialReduction) {
  std::mt19937_64 rng(99);
  std::uniform_real_distribution<double> value(-1.0, 1.0);
  for (int n : SIZES) {
    if (n < 2) continue;
    Matrix repeated = filled(n, n, [&](int, int) { return value(rng); });
    for (int j = 1; j <= n; ++j) repeated[n][j] = repeated[1][j];
    expect_same_as_plain(repeated, n, identity(n), n, "repeated row");
    Matrix zero_row = filled(n, n, [&](int, int) { return value(rng); });
    for (int j = 1; j <= n; ++j) zero_row[n / 2][j] = 0.0;
    expect_same_as_plain(zero_row, n, identity(n), n, "zero row");
    const Matrix rank_one = filled(n, n, [](int i, int j) { return i * 0.5 * j; });
    expect_same_as_plain(rank_one, n, identity(n), n, "rank one");
    const Matrix tiny = filled(n, n, [](int i, int j) { return i == j ? 1e-21 : 0.0; });
    expect_same_as_plain(tiny, n, identity(n), n, "pivots below tolerance");
  }
}

TEST_P(FastSolver, SystemsWithNaNAndInfinityMatchPlain) {
  std::mt19937_64 rng(4242);
  std::uniform_real_distribution<double> value(-1.0, 1.0);
  std::uniform_int_distribution<int> pick(0, 9);
  for (int n : SIZES) {
    const Matrix sprinkled = filled(n, n, [&](int, int) {
      const int k = pick(rng);
      return k == 0 ? NaN : k == 1 ? INF : k == 2 ? -INF : value(rng);
    });
    expect_same_as_plain(sprinkled, n, identity(n), n, "NaN and infinity sprinkled");
    Matrix one_nan = filled(n, n, [&](int, int) { return value(rng); });
    one_nan[(n + 1) / 2][n] = NaN;
    expect_same_as_plain(one_nan, n, identity(n), n, "one NaN");
    const Matrix all_nan = filled(n, n, [](int, int) { return NaN; });
    expect_same_as_plain(all_nan, n, identity(n), n, "all NaN");
    Matrix nan_b = identity(n);
    nan_b[1][1] = NaN;
    expect_same_as_plain(filled(n, n, [&](int, int) { return value(rng); }), n, nan_b, n,
                         "NaN right-hand side");
  }
}

std::string level_name(const ::testing::TestParamInfo<VectorIsa>& level) {
  switch (level.param) {
    case VECTOR_BASELINE: return "Baseline";
    case VECTOR_AVX2: return "Avx2";
    case VECTOR_AVX512: return "Avx512";
  }
  return "Unknown";
}

INSTANTIATE_TEST_SUITE_P(KernelLevels, FastSolver,
                         ::testing::Values(VECTOR_BASELINE, VECTOR_AVX2, VECTOR_AVX512),
                         level_name);

}  // namespace
