// Worked cases of the solver, run on the plain transcription and on the fast
// solver alike, so that the baseline the fast one is held to is itself right.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "linalg/gauss_jordan_solve.h"
#include "reference/plain_gauss_jordan_solve.h"
#include "tests/linalg/test_matrices.h"

using namespace curvix;

namespace {

using Solver = int (*)(Matrix&, int, Matrix&, int);

class SolverTest : public ::testing::TestWithParam<Solver> {
 protected:
  int solve(Matrix& a, int n, Matrix& b, int m) { return GetParam()(a, n, b, m); }
};

INSTANTIATE_TEST_SUITE_P(PlainAndFast, SolverTest,
                         ::testing::Values(&plain_gauss_jordan_solve, &gauss_jordan_solve),
                         [](const ::testing::TestParamInfo<Solver>& param) {
                           return param.index == 0 ? std::string("plain") : std::string("fast");
                         });

TEST_P(SolverTest, OneByOneInvertsAndSolves) {
  Matrix a = from_rows({{4.0}});
  Matrix b = from_rows({{1.0}});
  EXPECT_EQ(solve(a, 1, b, 1), 1);
  EXPECT_EQ(a[1][1], 0.25);
  EXPECT_EQ(b[1][1], 0.25);
}

TEST_P(SolverTest, OneByOneZeroFails) {
  Matrix a = from_rows({{0.0}});
  Matrix b = from_rows({{1.0}});
  EXPECT_EQ(solve(a, 1, b, 1), 0);
}

TEST_P(SolverTest, OffDiagonalPivotsAreUndoneByColumnExchange) {
  // The largest elements sit off the diagonal: the row exchange and the final
  // column exchange together give the true inverse, the matrix itself.
  Matrix a = from_rows({{0, 1}, {1, 0}});
  Matrix b = identity(2);
  EXPECT_EQ(solve(a, 2, b, 2), 1);
  EXPECT_TRUE(has_rows(a, {{0, 1}, {1, 0}}));
  EXPECT_TRUE(has_rows(b, {{0, 1}, {1, 0}}));
}

TEST_P(SolverTest, SymmetricTwoByTwoInverse) {
  Matrix a = from_rows({{2, 1}, {1, 2}});
  Matrix b = identity(2);
  EXPECT_EQ(solve(a, 2, b, 2), 1);
  EXPECT_DOUBLE_EQ(a[1][1], 2.0 / 3.0);
  EXPECT_DOUBLE_EQ(a[1][2], -1.0 / 3.0);
  EXPECT_DOUBLE_EQ(a[2][1], -1.0 / 3.0);
  EXPECT_DOUBLE_EQ(a[2][2], 2.0 / 3.0);
  EXPECT_TRUE(same_bits(a, b, 2, 2));
}

TEST_P(SolverTest, PivotTieTakesLastRow) {
  // Four equal magnitudes: (2, 2) wins the first pass. Its row scaled by 1 and
  // subtracted from row 1 leaves (0, -1); the second pass finds only 0 and
  // fails, exposing the choice. Taking (1, 1) first would leave (1, 1; -1, 0).
  Matrix a = from_rows({{1, 1}, {1, 1}});
  Matrix b = identity(2);
  EXPECT_EQ(solve(a, 2, b, 2), 0);
  EXPECT_TRUE(has_rows(a, {{0, -1}, {1, 1}}));
  EXPECT_TRUE(has_rows(b, {{1, -1}, {0, 1}}));
}

TEST_P(SolverTest, PivotTieWithinRowTakesLastColumn) {
  // (1, 2) ties with (1, 1) and wins: rows 1 and 2 are exchanged to put the
  // pivot at (2, 2). The second pass then fails on 0 with a partial reduction.
  Matrix a = from_rows({{2, 2}, {1, 1}});
  Matrix b = identity(2);
  EXPECT_EQ(solve(a, 2, b, 2), 0);
  EXPECT_TRUE(has_rows(a, {{0, -0.5}, {1, 0.5}}));
  EXPECT_TRUE(has_rows(b, {{-0.5, 1}, {0.5, 0}}));
}

TEST_P(SolverTest, ZeroRowFailsWhenOnlyZerosRemain) {
  Matrix a = from_rows({{1, 2}, {0, 0}});
  Matrix b = identity(2);
  EXPECT_EQ(solve(a, 2, b, 2), 0);
  // First pass: pivot (1, 2), rows exchanged, the zero row eliminated by 0.
  EXPECT_TRUE(has_rows(a, {{0, 0}, {0.5, 0.5}}));
  EXPECT_TRUE(has_rows(b, {{0, 1}, {0.5, 0}}));
}

TEST_P(SolverTest, PivotToleranceIsInclusive) {
  Matrix at_tolerance = from_rows({{1e-20}});
  Matrix b = identity(1);
  EXPECT_EQ(solve(at_tolerance, 1, b, 1), 1);
  EXPECT_EQ(at_tolerance[1][1], 1.0 / 1e-20);

  Matrix negative = from_rows({{-1e-20}});
  Matrix b2 = identity(1);
  EXPECT_EQ(solve(negative, 1, b2, 1), 1);

  Matrix below = from_rows({{0.99e-20}});
  Matrix b3 = identity(1);
  EXPECT_EQ(solve(below, 1, b3, 1), 0);
  EXPECT_EQ(below[1][1], 0.99e-20);  // failed before scaling: untouched
  EXPECT_EQ(b3[1][1], 1.0);
}

TEST_P(SolverTest, ToleranceAppliesInLaterPasses) {
  Matrix accepted = from_rows({{1, 0}, {0, 1e-20}});
  Matrix b = identity(2);
  EXPECT_EQ(solve(accepted, 2, b, 2), 1);
  EXPECT_EQ(accepted[2][2], 1e20);
  Matrix rejected = from_rows({{1, 0}, {0, 0.99e-20}});
  Matrix b2 = identity(2);
  EXPECT_EQ(solve(rejected, 2, b2, 2), 0);
}

TEST_P(SolverTest, AllNaNHasNoPivotAndFails) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  Matrix a = from_rows({{nan}});
  Matrix b = identity(1);
  EXPECT_EQ(solve(a, 1, b, 1), 0);
  EXPECT_EQ(b[1][1], 1.0);
}

TEST_P(SolverTest, NaNIsNeverChosenAsPivot) {
  // The NaN at (2, 2) would win every tie; 3 at (1, 2) is chosen instead and
  // its row, exchanged into row 2, is scaled by 1/3. The elimination spreads
  // the NaN over row 1, and the second pass, with nothing but NaN to choose
  // from, fails.
  const double nan = std::numeric_limits<double>::quiet_NaN();
  Matrix a = from_rows({{1, 3}, {2, nan}});
  Matrix b = identity(2);
  EXPECT_EQ(solve(a, 2, b, 2), 0);
  EXPECT_EQ(a[2][1], 1.0 / 3.0);
  EXPECT_EQ(a[2][2], 1.0 / 3.0);
  EXPECT_TRUE(std::isnan(a[1][1]));
  EXPECT_TRUE(std::isnan(a[1][2]));
}

// Random well-conditioned systems: a times the inverse is the identity, and b
// is the inverse applied to the right-hand sides; also after scaling by 1e8
// and 1e-8, when the inverse scales inversely.
TEST_P(SolverTest, InverseAndSolutionsOfRandomSystems) {
  std::mt19937_64 rng(2024);
  std::uniform_real_distribution<double> value(-1.0, 1.0);
  for (double scale : {1.0, 1e8, 1e-8}) {
    const int n = 30;
    const int m = 3;
    Matrix original = matrix_alloc(n, n);
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= n; ++j) original[i][j] = scale * (value(rng) + (i == j ? n : 0.0));
    Matrix rhs = matrix_alloc(n, m);
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= m; ++j) rhs[i][j] = value(rng);
    Matrix a = copy_of(original, n, n);
    Matrix b = copy_of(rhs, n, m);
    ASSERT_EQ(solve(a, n, b, m), 1);
    for (int i = 1; i <= n; ++i) {
      for (int j = 1; j <= n; ++j) {
        double product = 0.0;
        for (int k = 1; k <= n; ++k) product += original[i][k] * a[k][j];
        EXPECT_NEAR(product, i == j ? 1.0 : 0.0, 1e-12) << "scale " << scale;
      }
      for (int j = 1; j <= m; ++j) {
        double solution = 0.0;
        for (int k = 1; k <= n; ++k) solution += a[i][k] * rhs[k][j];
        EXPECT_NEAR(b[i][j] * scale, solution * scale, 1e-12) << "scale " << scale;
      }
    }
  }
}

}  // namespace
