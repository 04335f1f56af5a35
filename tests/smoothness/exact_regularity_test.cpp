// Exact Hölder regularity against published and closed-form values:
// Deslauriers-Dubuc 4, 6 and 8 points (Rioul 1992), the four-point rule with
// tension (closed form for w <= 1/16, the end of its C1 range at the root of
// 32 w^3 + 4 w - 1, Hechler, Mößner and Reif 2009), an RBF4 mask, and whether
// an integer exponent is attained.

#include "smoothness/exact_regularity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "smoothness/subdivision_matrices.h"
#include "smoothness_test_support.h"

namespace {

using curvix::exact_regularity;
using curvix::ExactRegularity;
using curvix_test::factor_of;
using curvix_test::four_point;

constexpr double PUBLISHED = 1e-6;  // the published values' last decimal, and the brief's width

const std::vector<double> DD4 = {-1.0 / 16, 9.0 / 16, 9.0 / 16, -1.0 / 16};
const std::vector<double> DD6 = {3.0 / 256,   -25.0 / 256, 150.0 / 256,
                                 150.0 / 256, -25.0 / 256, 3.0 / 256};
const std::vector<double> DD8 = {-5.0 / 2048,   49.0 / 2048,   -245.0 / 2048, 1225.0 / 2048,
                                 1225.0 / 2048, -245.0 / 2048, 49.0 / 2048,   -5.0 / 2048};

ExactRegularity regularity_of(const std::vector<double>& weights) {
  const curvix_test::Factor f = factor_of(weights);
  EXPECT_FALSE(f.b.empty());
  return exact_regularity(f.b, f.n);
}

void expect_exact(const ExactRegularity& r, double alpha, double tolerance) {
  EXPECT_TRUE(r.exact);
  EXPECT_EQ(r.rho.fallback, curvix::JsrFallback::NONE);
  EXPECT_EQ(r.alpha_lower, r.alpha_upper);
  EXPECT_NEAR(r.alpha_lower, alpha, tolerance) << "word " << r.rho.word;
  EXPECT_GT(r.rho.polytope_vertices, 0);
}

TEST(ExactRegularity, DeslauriersDubucMeetsRioul) {
  const ExactRegularity dd4 = regularity_of(DD4);
  expect_exact(dd4, 2.0, 1e-12);
  // rho(T_0) = rho(T_1) = 4, and each maps the other's leading eigenvector
  // to minus a quarter of the sum of both: the polytope is the hull of those two
  // alone, found only when the start is the leading eigenvectors.
  EXPECT_EQ(dd4.rho.polytope_vertices, 2);
  EXPECT_FALSE(dd4.attained);  // derivative log-Lipschitz only
  EXPECT_EQ(dd4.smoothness_class, 1);
  EXPECT_EQ(dd4.excluded_class, 2);

  const ExactRegularity dd6 = regularity_of(DD6);
  expect_exact(dd6, 6.0 - std::log2(9.0), 1e-9);
  EXPECT_NEAR(dd6.alpha_lower, 2.830075, PUBLISHED);
  EXPECT_TRUE(dd6.attained);
  EXPECT_EQ(dd6.smoothness_class, 2);
  EXPECT_EQ(dd6.excluded_class, 3);

  const ExactRegularity dd8 = regularity_of(DD8);
  expect_exact(dd8, 3.551131, PUBLISHED);
  EXPECT_TRUE(dd8.attained);
  EXPECT_EQ(dd8.smoothness_class, 3);
  EXPECT_EQ(dd8.excluded_class, 4);
}

// The cubic B-spline (a = (1 + z)^4 / 8, b = 1) has alpha = 3 with a Lipschitz
// second derivative: an integer exponent that is attained, unlike DD4's.
TEST(ExactRegularity, IntegerExponentAttainedOnlyWithoutJordanBlock) {
  const ExactRegularity spline = exact_regularity({1.0}, 4);
  expect_exact(spline, 3.0, 1e-12);
  EXPECT_TRUE(spline.attained);
  EXPECT_EQ(spline.smoothness_class, 2);
  EXPECT_EQ(spline.excluded_class, 3);

  // DD4's matrices with only two sum rules divided out: T_0 has its leading
  // eigenvalue 1 twice, in one Jordan block.
  const curvix_test::Factor dd4 = factor_of(DD4);
  const curvix::SubdivisionMatrixPair c =
      curvix::subdivision_matrix_pair(curvix::restore_sum_rules(dd4.b, 2));
  EXPECT_TRUE(curvix::leading_jordan_block(c.t0));
  EXPECT_FALSE(curvix::leading_jordan_block(Eigen::MatrixXd::Identity(3, 3)));
}

// alpha(w) = 2 - log2(1 + sqrt(1 - 16 w)) for 0 < w <= 1/16 (two sum rules,
// four at w = 1/16), and a value beyond.
TEST(ExactRegularity, FourPointRuleMeetsClosedForm) {
  for (const double w : {0.01, 0.03, 0.05, 0.06, 1.0 / 16}) {
    SCOPED_TRACE(w);
    const ExactRegularity r = regularity_of(four_point(w));
    expect_exact(r, 2.0 - std::log2(1.0 + std::sqrt(1.0 - 16.0 * w)), 1e-9);
  }
  const ExactRegularity r = regularity_of(four_point(0.1));
  expect_exact(r, 1.583705, PUBLISHED);
  EXPECT_EQ(r.smoothness_class, 1);
  EXPECT_EQ(r.excluded_class, 2);
}

// The rule is C1 up to the real root w* of 32 w^3 + 4 w - 1 = 0 and not beyond.
TEST(ExactRegularity, FourPointC1RangeEndsAtCubicRoot) {
  double w = 0.2;
  for (int i = 0; i < 60; ++i) w -= (32 * w * w * w + 4 * w - 1) / (96 * w * w + 4);
  ASSERT_NEAR(w, 0.19272924, 1e-8);

  const ExactRegularity at = regularity_of(four_point(w));
  expect_exact(at, 1.0, PUBLISHED);
  const ExactRegularity below = regularity_of(four_point(w - 1e-3));
  expect_exact(below, below.alpha_lower, 0.0);
  EXPECT_GT(below.alpha_lower, 1.0 + 1e-5);
  EXPECT_EQ(below.smoothness_class, 1);
  const ExactRegularity above = regularity_of(four_point(w + 1e-3));
  expect_exact(above, above.alpha_lower, 0.0);
  EXPECT_LT(above.alpha_upper, 1.0 - 1e-5);
  EXPECT_EQ(above.smoothness_class, 0);
  EXPECT_EQ(above.excluded_class, 1);
}

TEST(ExactRegularity, RbfFourPointMaskAtStartSettings) {
  const std::vector<double> printed = {-0.092128508473964088, 0.59212850847396381,
                                       0.59212850847396314, -0.092128508473963588};
  std::vector<double> weights;
  ASSERT_TRUE(curvix::nearest_weights_with_sum_rules(printed, 2, weights));
  const ExactRegularity r = regularity_of(weights);
  expect_exact(r, 1.656550, PUBLISHED);
}

}  // namespace
