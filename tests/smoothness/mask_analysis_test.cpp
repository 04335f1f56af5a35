// Masks of any arity against published values and hand-worked cases: the
// Lane-Riesenfeld B-splines, Chaikin, the dual four-point scheme, the ternary
// four-point scheme at both ends of its parameter's meaning, a rule whose
// candidate product has a complex leading eigenvalue, the ternary matrices
// and the parametrisation of a ternary dual mask.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "smoothness/certified_smoothness.h"
#include "smoothness/joint_spectral_radius.h"
#include "smoothness/named_masks.h"
#include "smoothness/subdivision_matrices.h"

namespace {

using curvix::ExactMask;
using curvix::MaskSmoothness;
using curvix::Rational;

MaskSmoothness analysed(const ExactMask& mask) {
  const MaskSmoothness s = curvix::mask_smoothness(mask, curvix::default_regularity_depth(mask.arity));
  EXPECT_EQ(s.problem, curvix::MaskProblem::NONE);
  return s;
}

void expect_exact(const MaskSmoothness& s, double alpha, int proved, int excluded) {
  SCOPED_TRACE(alpha);
  EXPECT_TRUE(s.smoothness.exact);
  EXPECT_EQ(s.smoothness.lower, s.smoothness.upper);
  EXPECT_NEAR(s.smoothness.lower, alpha, 1e-9);
  EXPECT_EQ(s.smoothness.smoothness_class, proved);
  EXPECT_EQ(s.smoothness.excluded_class, excluded);
}

// The 6-point rule of two sum rules whose candidate product T1 has a complex
// pair of leading eigenvalues, as a primal binary mask.
ExactMask complex_six_point() {
  const std::vector<Rational> w = {Rational(-13, 1536), Rational(-97, 1536), Rational(439, 768)};
  return curvix::aligned_mask({w[0], 0, w[1], 0, w[2], 1, w[2], 0, w[1], 0, w[0]}, 2);
}

// Lane and Riesenfeld: degree d is C^(d-1) with alpha = d; Chaikin is the
// degree-2 spline; the dual four-point scheme (Dyn, Floater and Hormann 2005)
// shares D-D 6's 6 - log2 9.
TEST(MaskAnalysis, BinaryClassicsMeetTheirPublishedValues) {
  for (int degree = 1; degree <= 6; ++degree)
    expect_exact(analysed(curvix::bspline_mask(degree)), degree, degree - 1, degree);
  expect_exact(analysed(curvix::chaikin_mask()), 2.0, 1, 2);
  expect_exact(analysed(curvix::dual4_mask()), 6.0 - std::log2(9.0), 2, 3);
  const MaskSmoothness chaikin = analysed(curvix::chaikin_mask());
  EXPECT_EQ(chaikin.moments.sum_rules, 3);
  EXPECT_EQ(chaikin.moments.tau, Rational(-1, 2));
}

// Hassan, Ivrissimtzis, Dodgson and Sabin 2002: C2 for 1/15 < mu < 1/9; at
// mu = 1/15 the exponent is exactly 2 and C2 is lost. Both go through the
// three ternary matrices, so a wrong ternary matrix moves them.
TEST(MaskAnalysis, TernaryFourPointIsC2InsideItsRangeOnly) {
  expect_exact(analysed(curvix::ternary4_mask(Rational(1, 11))), 2.182658339, 2, 3);
  const MaskSmoothness edge = analysed(curvix::ternary4_mask(Rational(1, 15)));
  expect_exact(edge, 2.0, 1, 2);
  EXPECT_EQ(edge.moments.reproduction_degree, 2);
  EXPECT_EQ(edge.moments.support_begin, Rational(-5, 2));
  EXPECT_EQ(edge.moments.support_end, Rational(5, 2));
}

// (T_e)_ij = 3 b_(e + 3 i - j) for b = (b_0 .. b_4), of order 2.
TEST(MaskAnalysis, TernaryMatricesTakeEveryThirdTap) {
  const curvix::MatrixFamily t = curvix::subdivision_matrices({1, 2, 3, 4, 5}, 3);
  ASSERT_EQ(t.size(), 3u);
  Eigen::MatrixXd t0(2, 2), t1(2, 2), t2(2, 2);
  t0 << 3, 0, 12, 9;
  t1 << 6, 3, 15, 12;
  t2 << 9, 6, 0, 15;
  EXPECT_EQ(t[0], t0);
  EXPECT_EQ(t[1], t1);
  EXPECT_EQ(t[2], t2);
}

// The ternary dual mask (1, 3, 5, 5, 3, 1) / 6 at -3..2 reproduces lines at
// (i - 1/4) / 3^k: tau = a'(1) / (m (m - 1)), not a'(1) / m = -1/2.
TEST(MaskAnalysis, TernaryDualMaskReproducesLinesAtItsOwnShift) {
  std::vector<Rational> taps;
  for (const int v : {1, 3, 5, 5, 3, 1}) taps.emplace_back(v, 6);
  const ExactMask mask = curvix::aligned_mask(taps, 3);
  EXPECT_EQ(mask.first, -3);
  const curvix::MaskMoments m = curvix::mask_moments(mask);
  EXPECT_EQ(m.sum_rules, 2);
  EXPECT_EQ(m.reproduction_degree, 1);
  EXPECT_EQ(m.tau, Rational(-1, 4));
}

// The complex polytope closes for the 6-point rule and the value is exact;
// with a vertex budget it cannot close within, the same rule is bounds that
// hold the exact value, never exact.
TEST(MaskAnalysis, ComplexSpectrumIsExactOnlyWhenItsPolytopeCloses) {
  const MaskSmoothness s = analysed(complex_six_point());
  expect_exact(s, 1.693811221, 1, 2);
  EXPECT_EQ(s.smoothness.regularity.rho.word, "1");
  EXPECT_TRUE(s.smoothness.regularity.rho.complex_polytope);

  const curvix::MatrixFamily family = curvix::subdivision_matrices(s.factor, 2);
  const curvix::JointSpectralRadius full = curvix::joint_spectral_radius(family);
  ASSERT_TRUE(full.exact);
  curvix::JsrSettings small = curvix::jsr_settings(2);
  small.polytope.max_vertices = 8;
  const curvix::JointSpectralRadius r = curvix::joint_spectral_radius(family, small);
  EXPECT_FALSE(r.exact);
  EXPECT_EQ(r.fallback, curvix::JsrFallback::VERTEX_BUDGET_SPENT);
  EXPECT_LE(r.lower, full.lower);
  EXPECT_GE(r.upper, full.lower);
}

}  // namespace
