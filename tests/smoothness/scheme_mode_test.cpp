// The mode of a scheme from its level masks: stationary only within the
// rounding of the masks' systems, a limit confirmed by the masks'
// extrapolation rather than assumed, and what the measured rate shows.

#include "smoothness/scheme_mode.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "subdivision/four_point_tension.h"

namespace {

using curvix::LevelMask;
using curvix::scheme_mode;
using curvix::SchemeMode;

constexpr double LIMIT = 1e12;  // as CONDITION_LIMIT
const std::vector<double> DD4 = {-0.0625, 0.5625, 0.5625, -0.0625};

// Masks approaching `limit` as limit + shift q^k at levels k = 1..count, the
// outer weights moved one way and the inner ones the other, as an RBF mask's.
std::vector<LevelMask> converging(const std::vector<double>& limit, double q, int count) {
  std::vector<LevelMask> levels;
  for (int k = 1; k <= count; ++k) {
    const double shift = 0.05 * std::pow(q, k);
    levels.push_back(
        {{limit[0] - shift, limit[1] + shift, limit[2] + shift, limit[3] - shift}, 100.0});
  }
  return levels;
}

TEST(SchemeMode, StationaryOnlyWhenEveryTrustedMaskAgreesWithinRounding) {
  const std::vector<double> mask = {-0.09212850847396409, 0.5921285084739638, 0.5921285084739631,
                                    -0.09212850847396359};
  std::vector<LevelMask> levels(6, LevelMask{mask, 160.0});
  levels[3].weights[0] += 2e-15;  // rounding: 64 eps 160 is 2.3e-12
  EXPECT_TRUE(scheme_mode(levels, DD4, LIMIT).stationary);

  // A level whose system lost its digits does not count either way.
  levels[5] = LevelMask{{-0.2, 0.7, 0.7, -0.2}, 1e14};
  const SchemeMode untrusted = scheme_mode(levels, DD4, LIMIT);
  EXPECT_TRUE(untrusted.stationary);
  EXPECT_FALSE(untrusted.trusted[5]);

  // A drift of 1e-9 between trusted levels is no rounding of these systems.
  levels[2].weights[1] += 1e-9;
  levels[2].weights[2] += 1e-9;
  const SchemeMode drifting = scheme_mode(levels, DD4, LIMIT);
  EXPECT_FALSE(drifting.stationary);
  EXPECT_NEAR(drifting.changes[2], 1e-9, 1e-12);
}

TEST(SchemeMode, LimitIsCheckedAgainstTheMasksNotAssumed) {
  const SchemeMode quarter = scheme_mode(converging(DD4, 0.25, 8), DD4, LIMIT);
  EXPECT_FALSE(quarter.stationary);
  EXPECT_TRUE(quarter.limit_confirmed);
  EXPECT_EQ(quarter.rate_level, 8);
  EXPECT_NEAR(quarter.rate, 0.25, 1e-9);
  EXPECT_NEAR(quarter.distances[0], 0.0125, 1e-15);
  // q 2^1 = 0.5 passes, q 2^2 = 1 does not: C1 at most from similarity.
  EXPECT_EQ(quarter.similarity_order, 1);
  EXPECT_EQ(scheme_mode(converging(DD4, 0.125, 8), DD4, LIMIT).similarity_order, 2);

  // Masks that approach another rule: the candidate is refused, and nothing
  // is claimed from the similarity.
  const std::vector<double> elsewhere = {-0.07, 0.57, 0.57, -0.07};
  const SchemeMode wrong = scheme_mode(converging(elsewhere, 0.25, 8), DD4, LIMIT);
  EXPECT_FALSE(wrong.limit_confirmed);
  EXPECT_EQ(wrong.similarity_order, -1);
  EXPECT_GT(wrong.rate, 0.9);

  // The rate comes from clean levels only: untrusted ones are skipped.
  std::vector<LevelMask> deep = converging(DD4, 0.25, 8);
  for (int k = 5; k < 8; ++k) deep[static_cast<std::size_t>(k)].condition = 1e14;
  const SchemeMode clean = scheme_mode(deep, DD4, LIMIT);
  EXPECT_EQ(clean.rate_level, 5);  // levels 3 to 5
  EXPECT_TRUE(clean.limit_confirmed);
}

TEST(SchemeMode, FlatLimitIsTheDeslauriersDubucRule) {
  EXPECT_EQ(curvix::flat_limit_weights(4), DD4);
  const std::vector<double> dd6 = {3.0 / 256,   -25.0 / 256, 150.0 / 256,
                                   150.0 / 256, -25.0 / 256, 3.0 / 256};
  const std::vector<double> six = curvix::flat_limit_weights(6);
  ASSERT_EQ(six.size(), dd6.size());
  for (std::size_t m = 0; m < six.size(); ++m) EXPECT_NEAR(six[m], dd6[m], 1e-16) << m;
}

// Symmetric, summing to 1 and of 4 weights: then and only then a tension.
TEST(FourPointTension, OnlySymmetricFourPointRulesThatReproduceConstants) {
  double tension = -1.0;
  EXPECT_TRUE(curvix::four_point_tension({-0.1, 0.6, 0.6, -0.1}, tension));
  EXPECT_DOUBLE_EQ(tension, 0.1);
  // An RBF mask: symmetric to rounding only.
  EXPECT_TRUE(curvix::four_point_tension(
      {-0.092128508473964088, 0.59212850847396381, 0.59212850847396314, -0.092128508473963588},
      tension));
  EXPECT_NEAR(tension, 0.092128508473964, 1e-15);
  tension = -1.0;
  EXPECT_FALSE(curvix::four_point_tension({-0.1, 0.6, 0.599999, -0.099999}, tension));
  EXPECT_FALSE(curvix::four_point_tension({-0.1, 0.6, 0.6, -0.2}, tension));    // sum 0.9
  EXPECT_FALSE(curvix::four_point_tension({-0.05, 0.55, 0.6, -0.1}, tension));  // sum 1
  EXPECT_FALSE(curvix::four_point_tension({0.1, 0.4, 0.4, 0.1, 0.0, 0.0}, tension));
  EXPECT_EQ(tension, -1.0);
}

}  // namespace
