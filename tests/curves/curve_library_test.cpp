// The library's curves at explicit settings and sample counts against the
// program's adapters and the plain evaluators.

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "app/app_state.h"
#include "app/curve_drawing.h"
#include "app_fixture.h"
#include "curves/curve_sampling.h"
#include "curves/lagrange_curve.h"
#include "curves/rbf_curve.h"

namespace {

using curvix::PlanarPoint;

bool same_bits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

class CurveLibrary : public AppTest {
 protected:
  std::vector<PlanarPoint> points;
  std::vector<double> t;

  // Seven irregular points at irregular parameter values, in the state and here.
  void SetUp() override {
    AppTest::SetUp();
    for (int i = 0; i < 7; ++i) {
      points.push_back({40.0 + 31.0 * i + (i % 2) * 9.0, 300.0 - 17.0 * ((i * 5) % 7)});
      t.push_back(0.5 * i + 0.02 * i * i);
      add_point(points.back().x, points.back().y);
      app.knots[static_cast<std::size_t>(i + 1)] = t.back();
    }
  }
};

TEST_F(CurveLibrary, RbfAtExplicitSettingsHasTheBitsOfTheStateCurve) {
  app.basis = BASIS_GS;
  app.c = 2.5;
  app.r = 0.35;
  app.pd = 2;
  rbf_solve();
  ASSERT_TRUE(app.rbf_coefficients_valid);
  const curvix::RbfSettings settings{BASIS_GS, 2.5, 0.35, 2};
  std::vector<curvix::RbfCoefficient> coefficients(7 + 2 + 1);
  ASSERT_TRUE(curvix::rbf_solve(settings, points.data(), t.data(), 7, coefficients.data()));
  for (std::size_t k = 0; k < coefficients.size(); ++k) {
    EXPECT_TRUE(same_bits(coefficients[k].x, app.rbf_coefficients[k].x)) << k;
    EXPECT_TRUE(same_bits(coefficients[k].y, app.rbf_coefficients[k].y)) << k;
  }
  std::vector<PlanarPoint> samples(501);
  ASSERT_TRUE(curvix::rbf_samples(settings, coefficients.data(), t.data(), 7, 500, samples.data()));
  for (int k = 0; k <= 500; k += 50) {
    const PlanarPoint p =
        curvix::rbf_evaluate(app_rbf_settings(), app.rbf_coefficients.data(), &app.knots[1], 7,
                             curvix::curve_sample_parameter(t.front(), t.back(), k, 500));
    EXPECT_TRUE(same_bits(p.x, samples[static_cast<std::size_t>(k)].x)) << k;
    EXPECT_TRUE(same_bits(p.y, samples[static_cast<std::size_t>(k)].y)) << k;
  }
}

// A sample count that is no multiple of any lane width: every vector set
// gives the plain evaluator's bits at every sample, and nothing past the end.
// A width this processor lacks is reported as skipped.
class CurveLibraryVectorPath : public CurveLibrary,
                               public ::testing::WithParamInterface<curvix::VectorIsa> {
 protected:
  void SetUp() override {
    CurveLibrary::SetUp();
    if (!curvix::vector_isa_available(GetParam())) GTEST_SKIP() << "this processor lacks the width";
  }
};

TEST_P(CurveLibraryVectorPath, LagrangeSamplesFollowTheirCount) {
  constexpr int segments = 37;
  const curvix::VectorIsa isa = GetParam();
  std::vector<PlanarPoint> samples(segments + 2, PlanarPoint{-1.0, -1.0});
  ASSERT_TRUE(curvix::lagrange_samples(points.data(), t.data(), 7, segments, samples.data(), isa));
  for (int k = 0; k <= segments; ++k) {
    const double s = t.front() + ((t.back() - t.front()) * k) / segments;
    const PlanarPoint plain = curvix::lagrange_evaluate(points.data(), t.data(), 7, s);
    EXPECT_TRUE(same_bits(plain.x, samples[static_cast<std::size_t>(k)].x)) << k;
    EXPECT_TRUE(same_bits(plain.y, samples[static_cast<std::size_t>(k)].y)) << k;
  }
  EXPECT_EQ(samples.back().x, -1.0);
}

INSTANTIATE_TEST_SUITE_P(VectorWidths, CurveLibraryVectorPath,
                         ::testing::Values(curvix::VECTOR_BASELINE, curvix::VECTOR_AVX2,
                                           curvix::VECTOR_AVX512));

}  // namespace
