#include "curves/binomial.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace {

using curvix::binomial;

// Pascal's triangle up to row n_max in long double: about three more decimal
// digits than double, so it serves as the true value for relative errors.
std::vector<std::vector<long double>> pascal(int n_max) {
  std::vector<std::vector<long double>> rows{{1.0L}};
  for (int n = 1; n <= n_max; ++n) {
    const std::vector<long double>& prev = rows.back();
    std::vector<long double> row(static_cast<size_t>(n + 1), 1.0L);
    for (size_t k = 1; k < static_cast<size_t>(n); ++k) row[k] = prev[k - 1] + prev[k];
    rows.push_back(row);
  }
  return rows;
}

double relative_error(double value, long double truth) {
  return static_cast<double>(std::fabs((static_cast<long double>(value) - truth) / truth));
}

// True when n! / k!, the running product of the classical order, exceeds the
// double range.
bool product_overflows(int n, int k) {
  long double log_product = 0;
  for (int f = k + 1; f <= n; ++f) log_product += std::log(static_cast<long double>(f));
  return log_product > std::log(static_cast<long double>(DBL_MAX));
}

TEST(Binomial, WorkedValues) {
  EXPECT_EQ(binomial(4, 2), 6.0);
  EXPECT_EQ(binomial(22, 11), 705432.0);
  EXPECT_EQ(binomial(169, 1), 168.99999999999991);  // the product order's own rounding
  EXPECT_EQ(binomial(0, 0), 1.0);
  EXPECT_EQ(binomial(199, 0), 1.0);
  EXPECT_EQ(binomial(199, 199), 1.0);
}

TEST(Binomial, ExactUpToTwentyTwo) {
  std::vector<std::uint64_t> row{1};
  for (int n = 1; n <= 22; ++n) {
    std::vector<std::uint64_t> next(row.size() + 1, 1);
    for (size_t k = 1; k < row.size(); ++k) next[k] = row[k - 1] + row[k];
    row = next;
    for (int k = 0; k <= n; ++k)
      EXPECT_EQ(binomial(n, k), static_cast<double>(row[static_cast<size_t>(k)]))
          << n << " over " << k;
  }
}

TEST(Binomial, FiniteAndAccurateForEveryBezierDegree) {
  const auto truth = pascal(199);
  double worst = 0;
  for (int n = 1; n <= 199; ++n) {
    for (int k = 0; k <= n; ++k) {
      const double v = binomial(n, k);
      ASSERT_TRUE(std::isfinite(v)) << n << " over " << k;
      const double e = relative_error(v, truth[static_cast<size_t>(n)][static_cast<size_t>(k)]);
      worst = std::max(worst, e);
      EXPECT_LT(e, 1e-14) << n << " over " << k;
    }
  }
  EXPECT_LT(relative_error(binomial(199, 99), truth[199][99]), 1e-14);
  std::ostringstream text;
  text << std::scientific << worst;
  RecordProperty("worst_relative_error", text.str());
}

TEST(Binomial, SymmetricWhereTheProductOverflows) {
  int overflowing = 0;
  for (int n = 171; n <= 199; ++n) {
    for (int k = 1; k < n; ++k) {
      if (!product_overflows(n, k)) continue;
      ++overflowing;
      ASSERT_FALSE(product_overflows(n, n - k)) << n << " over " << n - k;
      EXPECT_EQ(binomial(n, k), binomial(n, n - k)) << n << " over " << k;
    }
  }
  // k = 1..3 at n = 171 up to k = 1..49 at n = 199.
  EXPECT_TRUE(product_overflows(171, 3));
  EXPECT_FALSE(product_overflows(171, 4));
  EXPECT_TRUE(product_overflows(199, 49));
  EXPECT_FALSE(product_overflows(199, 50));
  EXPECT_GT(overflowing, 500);
}

TEST(Binomial, BeyondBothProductsStillInRange) {
  const auto truth = pascal(1100);
  for (int n : {269, 270, 400, 700, 1000, 1020}) {
    for (int k : {1, 7, n / 3, n / 2}) {
      const double v = binomial(n, k);
      EXPECT_LT(relative_error(v, truth[static_cast<size_t>(n)][static_cast<size_t>(k)]), 1e-12)
          << n << " over " << k;
      EXPECT_EQ(v, binomial(n, n - k)) << n << " over " << k;
    }
  }
  // Infinite only when the coefficient itself exceeds the double range.
  EXPECT_GT(truth[1100][550], static_cast<long double>(DBL_MAX));
  EXPECT_TRUE(std::isinf(binomial(1100, 550)));
}

}  // namespace
