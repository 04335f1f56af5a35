// The arithmetic of one RBF stencil: system, masks for every basis and both
// stencil sizes, polynomial reproduction, and the systems that cannot be inverted.

#include "subdivision/rbf_stencil.h"

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app_fixture.h"
#include "curves/rbf_curve.h"
#include "subdivision_test_support.h"

namespace {

using curvix::invert_stencil;
using curvix::rbf_stencil_mask;
using curvix::stencil_coefficients;
using curvix::stencil_midpoint;
using curvix::stencil_system_admissible;
using curvix::stencil_system_fits;
using curvix::STENCIL_SYSTEM_MAX;

// The state's basis and C with the given degree and shape parameter.
curvix::RbfSettings settings(int pd, double r) {
  curvix::RbfSettings s = app_rbf_settings();
  s.pd = pd;
  s.r = r;
  return s;
}

curvix::StencilScratch scratch;  // as the program reuses one

using subdivision_test::UNIFORM_RBF4_SYSTEM_ROWS;
using Mask = std::vector<double>;

class RbfStencil : public AppTest {
 protected:
  // Uniform parameter values of the stencil of old point 0: (lo .. hi) * h.
  static std::vector<double> uniform_params(int s, double h) {
    std::vector<double> params;
    for (int m = 0; m < s; ++m) params.push_back((m - (s / 2 - 1)) * h);
    return params;
  }

  static Mask mask(const std::vector<double>& params, int pd, double r) {
    Mask weights(params.size(), 0.0);
    const int s = static_cast<int>(params.size());
    EXPECT_TRUE(rbf_stencil_mask(params.data(), s, settings(pd, r), scratch, weights.data()));
    return weights;
  }

  static void expect_mask_near(const Mask& actual, const Mask& expected, double tolerance) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t m = 0; m < actual.size(); ++m)
      EXPECT_NEAR(actual[m], expected[m], tolerance) << "weight " << m;
  }
};

constexpr double SIX_DECIMALS = 5e-7;  // published masks are rounded to six decimals
constexpr double ROUNDING = 1e-11;     // "equal up to rounding" for masks of order 1

TEST_F(RbfStencil, SystemRowsForTheFirstUniformStencil) {
  const auto params = uniform_params(4, 1.0);
  const curvix::Matrix a = curvix::rbf_system_matrix(settings(1, 1.0), params.data(), 4);
  const std::vector<std::string>& rows = UNIFORM_RBF4_SYSTEM_ROWS;
  for (int i = 1; i <= 6; ++i) {
    std::string line;
    for (int j = 1; j <= 6; ++j) {
      char cell[32];
      std::snprintf(cell, sizeof cell, "%7.3f ", a[i][j]);
      line += cell;
    }
    EXPECT_EQ(line, rows[static_cast<std::size_t>(i - 1)]) << "row " << i;
  }
  for (int i = 1; i <= 6; ++i)
    for (int j = 1; j <= 6; ++j) EXPECT_EQ(a[i][j], a[j][i]) << i << ", " << j;
}

TEST_F(RbfStencil, MasksOfEveryBasisAtUnitSpacing) {
  struct Case {
    BasisKind basis;
    Mask four;
    Mask six;
  };
  const Case cases[] = {
      {BASIS_MQ1,
       {-0.092129, 0.592129, 0.592129, -0.092129},
       {0.029929, -0.137477, 0.607547, 0.607547, -0.137477, 0.029929}},
      {BASIS_MQ3,
       {-0.074545, 0.574545, 0.574545, -0.074545},
       {0.026296, -0.136711, 0.610415, 0.610415, -0.136711, 0.026296}},
      {BASIS_GS,
       {-0.114413, 0.614413, 0.614413, -0.114413},
       {0.041088, -0.148690, 0.607603, 0.607603, -0.148690, 0.041088}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.basis);
    app.basis = c.basis;
    expect_mask_near(mask(uniform_params(4, 1.0), 1, 1.0), c.four, SIX_DECIMALS);
    expect_mask_near(mask(uniform_params(6, 1.0), 1, 1.0), c.six, SIX_DECIMALS);
  }
}

TEST_F(RbfStencil, SecondLevelMaskDependsOnWhetherRFollowsTheSpacing) {
  expect_mask_near(mask(uniform_params(4, 0.5), 1, 1.0), {-0.084329, 0.584329, 0.584329, -0.084329},
                   SIX_DECIMALS);
  for (const BasisKind basis : {BASIS_MQ1, BASIS_MQ3}) {
    app.basis = basis;
    expect_mask_near(mask(uniform_params(4, 0.5), 1, 0.5), mask(uniform_params(4, 1.0), 1, 1.0),
                     ROUNDING);
    expect_mask_near(mask(uniform_params(6, 0.25), 1, 0.25), mask(uniform_params(6, 1.0), 1, 1.0),
                     ROUNDING);
  }
  app.basis = BASIS_GS;
  const double moved =
      mask(uniform_params(4, 0.5), 1, 0.5)[0] - mask(uniform_params(4, 1.0), 1, 1.0)[0];
  EXPECT_NEAR(std::abs(moved), 0.037, 0.001);
}

TEST_F(RbfStencil, HighDegreesGiveThePolynomialMasks) {
  const Mask dd = {-0.0625, 0.5625, 0.5625, -0.0625};
  const Mask six = {3 / 256.0, -25 / 256.0, 150 / 256.0, 150 / 256.0, -25 / 256.0, 3 / 256.0};
  for (const BasisKind basis : {BASIS_MQ1, BASIS_MQ3, BASIS_GS}) {
    SCOPED_TRACE(basis);
    app.basis = basis;
    for (const int pd : {2, 3}) expect_mask_near(mask(uniform_params(4, 1.0), pd, 1.0), dd, 1e-9);
    for (const int pd : {4, 5}) expect_mask_near(mask(uniform_params(6, 1.0), pd, 1.0), six, 1e-9);
  }
}

TEST_F(RbfStencil, FullDegreeLeavesNoRadialPart) {
  const curvix::PlanarPoint points[6] = {{3, -1}, {5, 2}, {11, 4}, {13, 9}, {2, 7}, {-4, 1}};
  for (const int s : {4, 6}) {
    const int pd = s - 1;
    const auto params = uniform_params(s, 1.0);
    ASSERT_TRUE(invert_stencil(params.data(), s, settings(pd, 1.0), scratch.inverse));
    std::array<RbfCoefficient, STENCIL_SYSTEM_MAX> coefficients{};
    stencil_coefficients(scratch.inverse, points, s, pd, coefficients.data());
    for (int m = 0; m < s; ++m) {
      EXPECT_NEAR(coefficients[static_cast<std::size_t>(pd + 1 + m)].x, 0.0, 1e-9) << s;
      EXPECT_NEAR(coefficients[static_cast<std::size_t>(pd + 1 + m)].y, 0.0, 1e-9) << s;
    }
  }
}

TEST_F(RbfStencil, MasksSumToOneAndUniformOnesAreSymmetric) {
  for (const BasisKind basis : {BASIS_MQ1, BASIS_MQ3, BASIS_GS})
    for (const int s : {4, 6})
      for (const int pd : {0, 1, 2}) {
        app.basis = basis;
        const Mask w = mask(uniform_params(s, 0.7), pd, 1.3);
        double sum = 0.0;
        for (const double weight : w) sum += weight;
        EXPECT_NEAR(sum, 1.0, ROUNDING) << basis << " " << s << " " << pd;
        for (int m = 0; m < s / 2; ++m)
          EXPECT_NEAR(w[static_cast<std::size_t>(m)], w[static_cast<std::size_t>(s - 1 - m)],
                      ROUNDING);
      }
}

TEST_F(RbfStencil, MaskIgnoresAShiftOfTheParameters) {
  const std::vector<double> params = {-0.3, 0.4, 1.9, 2.2};
  std::vector<double> shifted = params;
  for (double& t : shifted) t += 7.0;
  expect_mask_near(mask(shifted, 1, 1.0), mask(params, 1, 1.0), 1e-9);
}

TEST_F(RbfStencil, MidpointOfTheSpanNotOfTheMiddleEntries) {
  const std::vector<double> params = {0.0, 1.0, 2.0, 4.0};
  EXPECT_EQ(stencil_midpoint(params.data(), 4), 2.0);
  // The interpolant passes through its data, so the mask at T_3 is a unit vector.
  expect_mask_near(mask(params, 1, 1.0), {0.0, 0.0, 1.0, 0.0}, 1e-12);
}

TEST_F(RbfStencil, SystemsThatCannotBeInvertedAreRefused) {
  std::array<double, STENCIL_SYSTEM_MAX> weights{};
  weights.fill(9.0);
  const auto four = uniform_params(4, 1.0);
  const auto six = uniform_params(6, 1.0);
  EXPECT_FALSE(rbf_stencil_mask(four.data(), 4, settings(4, 1.0), scratch, weights.data()));
  EXPECT_FALSE(rbf_stencil_mask(six.data(), 6, settings(6, 1.0), scratch, weights.data()));
  const std::vector<double> repeated = {0.0, 1.0, 1.0, 2.0};
  EXPECT_FALSE(rbf_stencil_mask(repeated.data(), 4, settings(1, 1.0), scratch, weights.data()));
  EXPECT_EQ(weights[0], 9.0);

  EXPECT_TRUE(stencil_system_admissible(four.data(), 4, 3));
  EXPECT_FALSE(stencil_system_admissible(four.data(), 4, 4));
  EXPECT_TRUE(stencil_system_admissible(six.data(), 6, 5));
  EXPECT_FALSE(stencil_system_admissible(six.data(), 6, 6));
  EXPECT_FALSE(stencil_system_admissible(repeated.data(), 4, 0));
  EXPECT_TRUE(stencil_system_fits(4, 95));
  EXPECT_FALSE(stencil_system_fits(4, 96));
  EXPECT_TRUE(stencil_system_fits(6, 93));
  EXPECT_FALSE(stencil_system_fits(6, 94));
  EXPECT_FALSE(stencil_system_fits(6, 2147483647));
  scratch.inverse[0][0] = 5.0;
  EXPECT_FALSE(invert_stencil(four.data(), 4, settings(96, 1.0), scratch.inverse));
  EXPECT_EQ(scratch.inverse[0][0], 5.0);
}

}  // namespace
