// Smoothness analysis of binary interpolatory rules against published values:
// Deslauriers-Dubuc 4-point (regularity 2, C1 not C2), 6-point (2.830, Rioul
// 1992), the four-point rule with tension, printed and broken masks; and the
// pieces the analysis rests on (spectral radius, reproduction at general nodes).

#include "smoothness/smoothness_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "smoothness/holder_regularity.h"
#include "smoothness/mask_moments.h"
#include "smoothness/spectral_radius.h"

using namespace curvix;

namespace {

const std::vector<double> DD4 = {-1.0 / 16, 9.0 / 16, 9.0 / 16, -1.0 / 16};
const std::vector<double> DD6 = {3.0 / 256,   -25.0 / 256, 150.0 / 256,
                                 150.0 / 256, -25.0 / 256, 3.0 / 256};
constexpr double DD6_REGULARITY = 2.830;  // Rioul 1992, to the 3 decimals printed there

std::vector<double> four_point(double tension) {
  return {-tension, 0.5 + tension, 0.5 + tension, -tension};
}

// Lagrange weights at tc for the nodes: the rule reproducing degree n - 1.
std::vector<double> lagrange_weights(const std::vector<double>& nodes, double tc) {
  std::vector<double> w(nodes.size(), 1.0);
  for (std::size_t m = 0; m < nodes.size(); ++m)
    for (std::size_t j = 0; j < nodes.size(); ++j)
      if (j != m) w[m] *= (tc - nodes[j]) / (nodes[m] - nodes[j]);
  return w;
}

TEST(Smoothness, DeslauriersDubucFourPointIsC1NotC2) {
  const LaurentMask mask = interpolatory_mask(DD4);
  EXPECT_EQ(mask.first, -3);
  EXPECT_EQ(mask.taps, (std::vector<double>{-0.0625, 0, 0.5625, 1, 0.5625, 0, -0.0625}));

  const SmoothnessReport r = analyse_smoothness(DD4);
  ASSERT_EQ(r.status, SmoothnessStatus::ANALYSED);
  EXPECT_EQ(r.sum_rules, 4);
  EXPECT_EQ(r.reproduction_degree, 3);
  EXPECT_FALSE(r.corrected);
  EXPECT_NEAR(r.holder_upper, 2.0, 1e-12);  // rho(T_0) = 4 at length 1
  EXPECT_LE(r.holder_lower, r.holder_upper + 1e-12);
  EXPECT_GT(r.holder_lower, 1.95);
  EXPECT_EQ(r.smoothness_class, 1);
  EXPECT_EQ(r.excluded_class, 2);
}

TEST(Smoothness, DeslauriersDubucSixPointMeetsRioul) {
  const SmoothnessReport r = analyse_smoothness(DD6);
  ASSERT_EQ(r.status, SmoothnessStatus::ANALYSED);
  EXPECT_EQ(r.sum_rules, 6);
  EXPECT_EQ(r.reproduction_degree, 5);
  EXPECT_LE(r.holder_lower, DD6_REGULARITY);
  EXPECT_GT(r.holder_lower, DD6_REGULARITY - 0.02);
  EXPECT_NEAR(r.holder_upper, DD6_REGULARITY, 5e-4);
  EXPECT_EQ(r.smoothness_class, 2);
  EXPECT_EQ(r.excluded_class, 3);
}

TEST(Smoothness, FourPointTensionDecidesC1) {
  // Inside (0, (sqrt 5 - 1) / 8) the rule is C1, close to the end of the range too.
  for (const double tension : {0.1, 0.15}) {
    const SmoothnessReport r = analyse_smoothness(four_point(tension));
    ASSERT_EQ(r.status, SmoothnessStatus::ANALYSED) << tension;
    EXPECT_EQ(r.sum_rules, 2) << tension;
    EXPECT_EQ(r.reproduction_degree, 1) << tension;
    EXPECT_GT(r.holder_lower, 1.0) << tension;
    EXPECT_LT(r.holder_upper, 2.0) << tension;
    EXPECT_EQ(r.smoothness_class, 1) << tension;
    EXPECT_EQ(r.excluded_class, 2) << tension;
  }
  // Tension 0 is linear interpolation: regularity exactly 1, C0 and not C1.
  const SmoothnessReport linear = analyse_smoothness(four_point(0.0));
  EXPECT_EQ(linear.sum_rules, 2);
  EXPECT_EQ(linear.holder_lower, 1.0);
  EXPECT_EQ(linear.holder_upper, 1.0);
  EXPECT_EQ(linear.smoothness_class, 0);
  EXPECT_EQ(linear.excluded_class, 1);
}

TEST(Smoothness, PrintedMaskIsCorrectedToItsSumRules) {
  // DD6 to 4 decimals: the weights sum to 0.9998 and meet no sum rule exactly.
  const std::vector<double> printed = {0.0117, -0.0977, 0.5859, 0.5859, -0.0977, 0.0117};
  const SumRuleCount count = count_sum_rules(interpolatory_mask(printed));
  EXPECT_EQ(count.exact, 0);
  EXPECT_EQ(count.within_rounding, 6);

  const SmoothnessReport r = analyse_smoothness(printed);
  ASSERT_EQ(r.status, SmoothnessStatus::ANALYSED);
  EXPECT_TRUE(r.corrected);
  EXPECT_NEAR(r.correction, 4.375e-5, 1e-12);  // back onto DD6: -0.0977 moves most
  for (std::size_t m = 0; m < DD6.size(); ++m) EXPECT_NEAR(r.analysed_weights[m], DD6[m], 1e-15);
  EXPECT_EQ(r.sum_rules, 6);
  EXPECT_LE(r.holder_lower, DD6_REGULARITY);
  EXPECT_NEAR(r.holder_upper, DD6_REGULARITY, 5e-4);

  // DD12 to 4 decimals: its outer weights print as 0 or one unit, so moments of
  // high order look zero far past the 12 sum rules a 12-weight rule can meet.
  const std::vector<double> dd12 = lagrange_weights(uniform_nodes(12), 0.0);
  std::vector<double> printed12 = dd12;
  for (double& w : printed12) w = std::round(w * 1e4) / 1e4;
  EXPECT_GT(count_sum_rules(interpolatory_mask(printed12)).within_rounding, 12);
  const SmoothnessReport r12 = analyse_smoothness(printed12, 2);
  EXPECT_TRUE(r12.corrected);
  EXPECT_EQ(r12.sum_rules, 12);
  for (std::size_t m = 0; m < dd12.size(); ++m)
    EXPECT_NEAR(r12.analysed_weights[m], dd12[m], 1e-15);

  // Tension 1/16 + 8.5e-5: the third moment, -1.36e-3, passes the rounding
  // test, but reaching DD4 takes a correction of 1.06e-4 > 5e-5 * sqrt 4,
  // which no 4-decimal print of DD4 needs. The rule is analysed as it is.
  const SmoothnessReport near_dd4 = analyse_smoothness(four_point(0.0625 + 8.5e-5));
  EXPECT_EQ(count_sum_rules(interpolatory_mask(four_point(0.0625 + 8.5e-5))).within_rounding, 4);
  EXPECT_FALSE(near_dd4.corrected);
  EXPECT_EQ(near_dd4.sum_rules, 2);
}

TEST(Smoothness, BrokenRulesAreReportedNotAnalysed) {
  const SmoothnessReport far = analyse_smoothness({-0.1, 0.7, 0.7, -0.1});  // sums to 1.2
  EXPECT_EQ(far.status, SmoothnessStatus::NOT_CONVERGENT);
  EXPECT_EQ(far.sum_rules, 0);
  // A general mask needs a(1) = 2 besides equal even and odd moments.
  LaurentMask scaled = interpolatory_mask(DD4);
  for (double& tap : scaled.taps) tap *= 0.6;
  EXPECT_EQ(count_sum_rules(scaled).within_rounding, 0);
  EXPECT_EQ(analyse_smoothness({0.5, 0.5, 0.1}).status, SmoothnessStatus::INVALID_RULE);
  EXPECT_EQ(analyse_smoothness({0.5, std::numeric_limits<double>::quiet_NaN()}).status,
            SmoothnessStatus::INVALID_RULE);
}

TEST(MaskMoments, ReproductionAtNonUniformNodes) {
  const std::vector<double> nodes = {-1.7, -0.2, 0.9, 2.6, 4.1};
  const double tc = 0.35;
  std::vector<double> w = lagrange_weights(nodes, tc);
  EXPECT_EQ(reproduction_degree(w, nodes, tc), 4);
  // Same rule with the parameter scaled by 1e6: the tolerance is relative.
  std::vector<double> scaled = nodes;
  for (double& t : scaled) t *= 1e6;
  EXPECT_EQ(reproduction_degree(w, scaled, tc * 1e6), 4);
  // A shift of weight between two nodes keeps the sum but breaks degree 1.
  w[0] += 1e-6;
  w[1] -= 1e-6;
  EXPECT_EQ(reproduction_degree(w, nodes, tc), 0);
  w[1] += 1e-3;
  EXPECT_EQ(reproduction_degree(w, nodes, tc), -1);
  // The uniform nodes of a 4-point rule, with DD4 reproducing cubics there.
  EXPECT_EQ(uniform_nodes(4), (std::vector<double>{-1.5, -0.5, 0.5, 1.5}));
  EXPECT_EQ(reproduction_degree(lagrange_weights(uniform_nodes(4), 0.0), uniform_nodes(4), 0.0), 3);
}

TEST(HolderRegularity, JointSpectralRadiusAttainedByAProduct) {
  // {[1 1; 0 1], [1 0; 1 1]}: each has rho 1, their product rho phi^2, and the
  // joint spectral radius is phi, attained at length 2.
  Eigen::MatrixXd a = Eigen::MatrixXd::Zero(2, 2);
  Eigen::MatrixXd b = Eigen::MatrixXd::Zero(2, 2);
  a(0, 0) = a(0, 1) = a(1, 1) = 1.0;
  b(0, 0) = b(1, 0) = b(1, 1) = 1.0;
  const double phi = (1.0 + std::sqrt(5.0)) / 2.0;
  const JointSpectralRadiusBounds rho = joint_spectral_radius_bounds(a, b, 12);
  EXPECT_NEAR(rho.lower, phi, 1e-14);
  EXPECT_EQ(rho.lower_length, 2);
  EXPECT_GE(rho.upper, phi);
  EXPECT_LT(rho.upper, phi + 1e-6);
}

TEST(SpectralRadius, SpectralRadiusOfHardCases) {
  Eigen::MatrixXd rotation =
      Eigen::MatrixXd::Zero(2, 2);  // eigenvalues +-3i: no real dominant eigenvector
  rotation(0, 1) = -3.0;
  rotation(1, 0) = 3.0;
  EXPECT_NEAR(spectral_radius(rotation), 3.0, 1e-14);
  Eigen::MatrixXd jordan = Eigen::MatrixXd::Zero(3, 3);  // one Jordan block of order 3 for 2
  for (int i = 0; i < 3; ++i) jordan(i, i) = 2.0;
  jordan(0, 1) = jordan(1, 2) = 1.0;
  EXPECT_NEAR(spectral_radius(jordan), 2.0, 1e-14);
  Eigen::MatrixXd mixed =
      Eigen::MatrixXd::Zero(3, 3);  // eigenvalues -5, 1 +- 4.9i (modulus sqrt 25.01 just above 5)
  mixed(0, 0) = -5.0;
  mixed(1, 1) = mixed(2, 2) = 1.0;
  mixed(1, 2) = -4.9;
  mixed(2, 1) = 4.9;
  mixed(0, 2) = 7.0;
  EXPECT_NEAR(spectral_radius(mixed), std::sqrt(25.01), 1e-14);
  EXPECT_EQ(spectral_radius(Eigen::MatrixXd::Zero(3, 3)), 0.0);
}

}  // namespace
