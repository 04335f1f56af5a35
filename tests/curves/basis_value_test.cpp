#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "app/app_state.h"
#include "app_fixture.h"
#include "curves/basis_value.h"

using namespace curvix;

namespace {

using curvix::basis_function;

class BasisTest : public AppTest {};

TEST_F(BasisTest, ValuesAtStartParameters) {
  app.basis = BASIS_MQ1;
  EXPECT_EQ(state_basis_value(0.0, app.r), 1.0);
  EXPECT_EQ(state_basis_value(3.0, app.r), std::sqrt(10.0));
  app.basis = BASIS_MQ3;
  EXPECT_EQ(state_basis_value(0.0, app.r), 1.0);
  EXPECT_DOUBLE_EQ(state_basis_value(1.0, app.r), 2.0 * std::sqrt(2.0));
  app.basis = BASIS_GS;
  EXPECT_EQ(state_basis_value(0.0, app.r), 1.0);
  EXPECT_DOUBLE_EQ(state_basis_value(1.0, app.r), 1.0 / std::exp(1.0));
}

TEST_F(BasisTest, MultiquadricConstantComesFromState) {
  app.c = 2.0;
  app.basis = BASIS_MQ1;
  EXPECT_EQ(state_basis_value(0.0, 1.5), 3.0);  // |C r|
  app.basis = BASIS_MQ3;
  EXPECT_EQ(state_basis_value(0.0, 1.5), 27.0);  // |C r|^3
  app.basis = BASIS_GS;
  EXPECT_EQ(state_basis_value(0.0, 1.5), 1.0);  // C does not enter the gaussian
  EXPECT_EQ(state_basis_value(2.0, 0.5), std::exp(-2.0));
}

TEST_F(BasisTest, ZeroShapeGivesPowersOfDistanceAndFlatGaussian) {
  for (double c : {0.0, 1.0, 7.5}) {
    for (double x : {-2.5, -1.0, 0.0, 0.75, 4.0}) {
      EXPECT_EQ(basis_function(BASIS_MQ1, c, x, 0.0), std::fabs(x));
      EXPECT_DOUBLE_EQ(basis_function(BASIS_MQ3, c, x, 0.0), std::fabs(x * x * x));
      EXPECT_EQ(basis_function(BASIS_GS, c, x, 0.0), 1.0);
    }
  }
}

TEST_F(BasisTest, NegativeParametersActLikeTheirMagnitudesForMultiquadrics) {
  for (BasisKind kind : {BASIS_MQ1, BASIS_MQ3}) {
    for (double x : {0.0, 0.3, 2.0}) {
      const double reference = basis_function(kind, 1.5, x, 0.7);
      EXPECT_EQ(basis_function(kind, -1.5, x, 0.7), reference);
      EXPECT_EQ(basis_function(kind, 1.5, x, -0.7), reference);
      EXPECT_EQ(basis_function(kind, -1.5, x, -0.7), reference);
    }
  }
}

TEST_F(BasisTest, NegativeShapeMakesGaussianGrow) {
  const double at_one = basis_function(BASIS_GS, 1.0, 1.0, -0.5);
  const double at_two = basis_function(BASIS_GS, 1.0, 2.0, -0.5);
  EXPECT_GT(at_one, 1.0);
  EXPECT_GT(at_two, at_one);
  EXPECT_TRUE(std::isinf(basis_function(BASIS_GS, 1.0, 100.0, -1.0)));
}

TEST_F(BasisTest, KindOutsideRangeIsGaussian) {
  app.basis = static_cast<BasisKind>(7);
  EXPECT_EQ(state_basis_value(1.5, 0.8), basis_function(BASIS_GS, app.c, 1.5, 0.8));
  app.basis = static_cast<BasisKind>(-1);
  EXPECT_EQ(state_basis_value(1.5, 0.8), std::exp(((-0.8) * 1.5) * 1.5));
}

// The curve's system fills its lower triangle from the upper one, relying on
// phi(-x) and phi(x) having the same bits.
TEST_F(BasisTest, SymmetricInDistanceBitForBit) {
  for (BasisKind kind : {BASIS_MQ1, BASIS_MQ3, BASIS_GS}) {
    for (double r : {1.0, 0.05, -0.35, 3.7}) {
      for (double x : {1e-300, 0.1, 1.0 / 3.0, 2.5, 17.125, 1e5}) {
        const double positive = basis_function(kind, 1.3, x, r);
        const double negative = basis_function(kind, 1.3, -x, r);
        EXPECT_EQ(std::memcmp(&positive, &negative, sizeof positive), 0)
            << "kind " << kind << " r " << r << " x " << x;
      }
    }
  }
}

}  // namespace
