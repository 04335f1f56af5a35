// The joint spectral radius machinery on pairs built to expose its faults:
// the matrices against the existing ones, fallbacks that must not claim
// exactness, and a candidate too short to be the spectrum-maximizing product.

#include "smoothness/joint_spectral_radius.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "smoothness/product_tree_bounds.h"
#include "smoothness/spectrum_maximizing_product.h"
#include "smoothness/subdivision_matrices.h"
#include "smoothness_test_support.h"

namespace {

using curvix::joint_spectral_radius;
using curvix::JointSpectralRadius;
using curvix::JsrFallback;

TEST(SubdivisionMatrixPair, MatricesOfTheFactorAndTheSumRulesPutBack) {
  // DD4: b = (-1, 4, -1) / 2, so T_0 = 2 (b_0 0; b_2 b_1), T_1 = 2 (b_1 b_0; b_3 b_2).
  const curvix_test::Factor dd4 =
      curvix_test::factor_of({-1.0 / 16, 9.0 / 16, 9.0 / 16, -1.0 / 16});
  ASSERT_EQ(dd4.n, 4);
  const curvix::SubdivisionMatrixPair matrices = curvix::subdivision_matrix_pair(dd4.b);
  Eigen::MatrixXd t0(2, 2);
  Eigen::MatrixXd t1(2, 2);
  t0 << -1, 0, -1, 4;
  t1 << 4, -1, 0, -1;
  EXPECT_EQ(matrices.t0, t0);
  EXPECT_EQ(matrices.t1, t1);

  const std::vector<double> dd6 = {3.0 / 256,   -25.0 / 256, 150.0 / 256,
                                   150.0 / 256, -25.0 / 256, 3.0 / 256};
  const curvix_test::Factor f = curvix_test::factor_of(dd6);
  ASSERT_EQ(f.n, 6);

  // Restoring all n sum rules gives back the mask: a = 2 ((1 + z) / 2)^n b.
  const std::vector<double> c = curvix::restore_sum_rules(f.b, f.n);
  const curvix::LaurentMask mask = curvix::interpolatory_mask(dd6);
  ASSERT_EQ(c.size(), mask.taps.size());
  for (std::size_t k = 0; k < c.size(); ++k) EXPECT_NEAR(2 * c[k], mask.taps[k], 1e-15);
}

// A rotation by an irrational angle with a scale has a complex leading
// eigenvalue: no real polytope is invariant, but the balanced complex one
// (an ellipse's) is, and proves rho = 1. T_0 is not normal, so the 2-norm
// alone would need products of length 2 to see it.
TEST(JointSpectralRadius, ComplexLeadingEigenvalueIsExactByTheComplexPolytope) {
  Eigen::MatrixXd t0(2, 2);
  t0 << std::cos(1.0), -2.0 * std::sin(1.0), 0.5 * std::sin(1.0), std::cos(1.0);
  Eigen::MatrixXd t1(2, 2);
  t1 << 0.3, 0.1, -0.2, 0.25;
  const JointSpectralRadius r = joint_spectral_radius(t0, t1);
  EXPECT_TRUE(r.exact);
  EXPECT_EQ(r.fallback, JsrFallback::NONE);
  EXPECT_NEAR(r.lower, 1.0, 1e-12);
  EXPECT_GE(r.upper, r.lower);
  EXPECT_LE(r.upper, r.lower * (1.0 + curvix::POLYTOPE_TOLERANCE));
}

// Two rotations of equal modulus in one matrix: the complex pair is not
// strictly dominant, no polytope from one eigenvector can close, and the
// product tree gives bounds with the reason.
TEST(JointSpectralRadius, ComplexPairNotDominantFallsBackToTightBounds) {
  Eigen::MatrixXd t0 = Eigen::MatrixXd::Zero(4, 4);
  t0.topLeftCorner(2, 2) << std::cos(1.0), -std::sin(1.0), std::sin(1.0), std::cos(1.0);
  t0.bottomRightCorner(2, 2) << std::cos(2.0), -std::sin(2.0), std::sin(2.0), std::cos(2.0);
  const Eigen::MatrixXd t1 = 0.2 * Eigen::MatrixXd::Ones(4, 4);
  const JointSpectralRadius r = joint_spectral_radius(t0, t1);
  EXPECT_FALSE(r.exact);
  EXPECT_EQ(r.fallback, JsrFallback::LEADING_MODULUS_NOT_UNIQUE);
  EXPECT_LE(r.lower, r.upper);
  EXPECT_GE(r.upper, 1.0 - 1e-12);
  EXPECT_NEAR(r.gap, std::log2(r.upper / r.lower), 1e-15);
}

// T_i = [[s_i, r_i], [0, A_i]] keeps the first axis invariant. With
// candidates of length 1 the best rate, 1.2, is T_0's on that axis, and the
// polytope closes there at once; the quotient {A_0, A_1} has the larger
// radius (through A_0 A_1), so the result must come from it, not from the
// closed polytope.
TEST(JointSpectralRadius, ClosedOnInvariantSubspaceAnalysesQuotient) {
  Eigen::MatrixXd t0(3, 3);
  t0 << 1.2, 0.3, -0.4, 0.0, 1.0, 1.0, 0.0, 0.0, 0.9;
  Eigen::MatrixXd t1(3, 3);
  t1 << 0.5, 0.2, 0.7, 0.0, 0.9, 0.0, 0.0, 1.0, 1.0;
  const double quotient_rho = std::sqrt((2.8 + std::sqrt(4.6)) / 2.0);
  const JointSpectralRadius full = joint_spectral_radius(t0, t1);
  EXPECT_TRUE(full.exact);
  EXPECT_NEAR(full.lower, quotient_rho, 1e-14);

  curvix::JsrSettings short_candidates;
  short_candidates.candidate_length = 1;
  const JointSpectralRadius r = joint_spectral_radius(t0, t1, short_candidates);
  EXPECT_FALSE(r.exact);
  EXPECT_GE(r.lower, 1.2);
  EXPECT_LE(r.lower, quotient_rho * (1.0 + 1e-14));
  EXPECT_GE(r.upper, quotient_rho * (1.0 - 1e-14));

  // With the quotient's radius below the invariant block's, the closed
  // polytope is exact and the products are bounded.
  Eigen::MatrixXd small1 = t1;
  small1.bottomRightCorner(2, 2) *= 0.5;
  Eigen::MatrixXd small0 = t0;
  small0.bottomRightCorner(2, 2) *= 0.5;
  const JointSpectralRadius block = joint_spectral_radius(small0, small1, short_candidates);
  EXPECT_TRUE(block.exact);
  EXPECT_TRUE(block.bounded);
  EXPECT_EQ(block.lower, 1.2);
}

// With candidates of length 1 only, the best rate is below rho when the
// spectrum-maximizing product is longer: the polytope must not close, and
// the bounds must still hold the exact value found with longer candidates.
TEST(JointSpectralRadius, TooShortCandidateIsNotCertified) {
  Eigen::MatrixXd t0(2, 2);
  t0 << 1.0, 1.0, 0.0, 0.9;
  Eigen::MatrixXd t1(2, 2);
  t1 << 0.9, 0.0, 1.0, 1.0;
  // rho(T_0 T_1) = (2.8 + sqrt 4.6) / 2, larger than rho(T_0) = rho(T_1) = 1.
  const double golden = std::sqrt((2.8 + std::sqrt(4.6)) / 2.0);
  const JointSpectralRadius full = joint_spectral_radius(t0, t1);
  ASSERT_TRUE(full.exact);
  EXPECT_NEAR(full.lower, golden, 1e-14);
  EXPECT_EQ(full.word, "01");

  curvix::JsrSettings short_candidates;
  short_candidates.candidate_length = 1;
  const JointSpectralRadius r = joint_spectral_radius(t0, t1, short_candidates);
  EXPECT_FALSE(r.exact);
  EXPECT_NE(r.fallback, JsrFallback::NONE);
  EXPECT_LE(r.lower, golden * (1.0 + 1e-14));
  EXPECT_GE(r.upper, golden * (1.0 - 1e-14));

  // Searched up to length 2, the product of length 2 is a candidate.
  short_candidates.candidate_length = 2;
  const JointSpectralRadius two = joint_spectral_radius(t0, t1, short_candidates);
  EXPECT_TRUE(two.exact);
  EXPECT_EQ(two.word, "01");
}

// A tree stopped by its budget before any leaf is covered still bounds rho
// from above: its open leaves count.
TEST(ProductTreeBounds, BudgetLimitedTreeStillEnclosesRho) {
  Eigen::MatrixXd t0(2, 2);
  t0 << 1.0, 1.0, 0.0, 0.9;
  Eigen::MatrixXd t1(2, 2);
  t1 << 0.9, 0.0, 1.0, 1.0;
  const double golden = std::sqrt((2.8 + std::sqrt(4.6)) / 2.0);
  curvix::ProductTreeBudget budget;
  budget.max_depth = 3;
  const curvix::ProductTreeBounds tree =
      curvix::product_tree_bounds({t0, t1}, 1.0, 1, 1e-6, budget);
  ASSERT_FALSE(tree.gap_reached);
  EXPECT_EQ(tree.depth, 3);
  EXPECT_GE(tree.upper, golden);
  EXPECT_LE(tree.lower, golden * (1.0 + 1e-14));
}

}  // namespace
