#include <GL/gl.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/curve_drawing.h"
#include "app_fixture.h"
#include "curve_strip_checks.h"
#include "curves/curve_sampling.h"
#include "curves/lagrange_curve.h"
#include "reference/plain_curves.h"

namespace {

using namespace curve_checks;
using namespace reference;

// Fails at the first sample whose bits differ.
void expect_same_samples(const CurveSamples& fast, const CurveSamples& plain) {
  ASSERT_EQ(plain.size(), fast.size());
  for (size_t k = 0; k < plain.size(); ++k) {
    if (!same_bits(fast[k], plain[k])) {
      ADD_FAILURE() << "sample " << k << ": fast (" << fast[k].x << ", " << fast[k].y << ") plain ("
                    << plain[k].x << ", " << plain[k].y << ")";
      return;
    }
  }
}

class LagrangeCurve : public AppTest {
 protected:
  // Puts the points and their parameter values into the application state.
  static void set_curve(const std::vector<Point>& points, const std::vector<double>& u) {
    app.points.count = 0;
    for (const Point& p : points) add_point(p.x, p.y);
    for (size_t i = 0; i < u.size(); ++i) app.knots[i + 1] = u[i];
  }
};

TEST_F(LagrangeCurve, OnePointIsFiveHundredOneCopiesOfIt) {
  set_curve({{120, 80}}, {3.5});
  draw_lagrange_curve();
  const std::vector<Vertex> strip = drawn_strip();
  ASSERT_EQ(strip.size(), 501u);
  for (const Vertex& v : strip) EXPECT_EQ(v, (Vertex{120, 520, 0}));
}

TEST_F(LagrangeCurve, TwoPointsGiveTheSegmentFromFirstToLast) {
  set_curve({{10, 20}, {110, 220}}, {0.0, 1.0});
  draw_lagrange_curve();
  const std::vector<Vertex> strip = drawn_strip();
  ASSERT_EQ(strip.size(), 501u);
  EXPECT_EQ(strip.front(), (Vertex{10, 580, 0}));
  EXPECT_EQ(strip.back(), (Vertex{110, 380, 0}));
  for (size_t k = 0; k < strip.size(); ++k) {
    const double f = static_cast<double>(k) / 500;
    EXPECT_NEAR(strip[k][0], 10 + 100 * f, 1e-12) << k;
    EXPECT_NEAR(strip[k][1], 580 - 200 * f, 1e-12) << k;
  }
}

TEST_F(LagrangeCurve, PassesThroughEachPointAtItsParameterValue) {
  set_curve({{0, 0}, {50, 100}, {100, 0}}, {0, 1, 2});
  PlanarPoint p = curvix::lagrange_evaluate(working_points(3).data(), &app.knots[1], 3, 1.0);
  EXPECT_EQ(p.x, 50);
  EXPECT_EQ(p.y, 100);
  p = curvix::lagrange_evaluate(working_points(3).data(), &app.knots[1], 3, 2.0);
  EXPECT_EQ(p.x, 100);
  EXPECT_EQ(p.y, 0);

  draw_lagrange_curve();
  const std::vector<Vertex> strip = drawn_strip();
  ASSERT_EQ(strip.size(), 501u);
  EXPECT_EQ(strip[0], (Vertex{0, 600, 0}));
  EXPECT_EQ(strip[250], (Vertex{50, 500, 0}));  // stored (50, 100), flipped in a 600 window
  EXPECT_EQ(strip[500], (Vertex{100, 600, 0}));
}

TEST_F(LagrangeCurve, TypedParameterValuesSetTheSampledRange) {
  // The points lie on the line (t, 10 t - 10) at t = 2, 3, 5, and a Lagrange
  // curve reproduces it, so each vertex shows the parameter it was taken at.
  set_curve({{2, 10}, {3, 20}, {5, 40}}, {2, 3, 5});
  draw_lagrange_curve();
  const std::vector<Vertex> strip = drawn_strip();
  ASSERT_EQ(strip.size(), 501u);
  EXPECT_EQ(strip.front(), (Vertex{2, 590, 0}));
  EXPECT_EQ(strip.back(), (Vertex{5, 560, 0}));
  for (size_t k = 0; k < strip.size(); ++k) {
    const double s = 2 + 3 * static_cast<double>(k) / 500;
    EXPECT_NEAR(strip[k][0], s, 1e-12) << k;
    EXPECT_NEAR(strip[k][1], 600 - (10 * s - 10), 1e-12) << k;
  }
}

TEST_F(LagrangeCurve, DrawFlipsAgainstTheCurrentWindowHeight) {
  const std::vector<Point> points = {{30, 40}, {200, 300}, {330, 70}, {400, 420}};
  const std::vector<double> u = {0, 0.75, 2, 2.5};
  set_curve(points, u);
  app.window_height = 480;
  draw_lagrange_curve();
  EXPECT_EQ(gl_recorder::call_names().front(), "glColor3f");
  expect_drawn(drawn_strip(), plain_lagrange_samples(points, u));
}

TEST_F(LagrangeCurve, DrawsNothingWithoutPointsOrAboveTwoHundred) {
  draw_lagrange_curve();
  EXPECT_EQ(gl_recorder::call_count(), 0);
  for (int i = 0; i < 201; ++i) {
    add_point(i, 2 * i);
    app.knots[static_cast<size_t>(i + 1)] = i;
  }
  draw_lagrange_curve();
  EXPECT_EQ(gl_recorder::call_count(), 0);
  app.points.count = 200;
  draw_lagrange_curve();
  EXPECT_EQ(drawn_strip().size(), 501u);
}

TEST_F(LagrangeCurve, EqualParameterValuesDrawNothing) {
  // Typed values 0 and 2, then a point appended at 2 x spacing 1.0.
  set_curve({{10, 10}, {60, 90}, {110, 30}}, {0, 2, 2});
  draw_lagrange_curve();
  EXPECT_TRUE(gl_recorder::calls().empty());

  CurveSamples samples = curve_samples();
  ASSERT_TRUE(curvix::lagrange_samples(working_points(3).data(), &app.knots[1], 3, CURVE_SEGMENTS,
                                       samples.data()));
  EXPECT_FALSE(curvix::samples_finite(samples.data(), CURVE_SAMPLES));
}

TEST_F(LagrangeCurve, SamplingRefusesCountsOutsideTheDrawnRange) {
  CurveSamples samples = curve_samples();
  samples[7].x = 42;
  EXPECT_FALSE(curvix::lagrange_samples(working_points(0).data(), &app.knots[1], 0, CURVE_SEGMENTS,
                                        samples.data()));
  EXPECT_FALSE(curve_drawable(201));
  EXPECT_EQ(samples[7].x, 42);
}

// Parameter values of the kinds the program can hold.
enum class Knots { UNIFORM, HALVED, TYPED, APPENDED_BELOW, APPENDED_EQUAL };

std::vector<double> make_knots(Knots kind, int m, std::mt19937& rng) {
  std::uniform_real_distribution<float> start(-5.0f, 5.0f);
  std::uniform_real_distribution<float> gap(0.01f, 3.0f);
  std::vector<double> u;
  for (int i = 0; i < m; ++i) {
    switch (kind) {
      case Knots::UNIFORM: u.push_back(i * 1.0); break;
      case Knots::HALVED: u.push_back(i * 0.125); break;
      default: {  // typed: single-precision values, strictly increasing
        const float typed =
            i == 0 ? start(rng) : static_cast<float>(u.back() + static_cast<double>(gap(rng)));
        u.push_back(static_cast<double>(typed));
      }
    }
  }
  if (m > 1 && kind == Knots::APPENDED_BELOW) u.back() = u[0] - 1.0;
  if (m > 1 && kind == Knots::APPENDED_EQUAL)
    u.back() = u[std::uniform_int_distribution<size_t>(0, u.size() - 2)(rng)];
  return u;
}

std::vector<Point> make_points(int m, std::mt19937& rng) {
  std::uniform_real_distribution<double> x(0, 800);
  std::uniform_real_distribution<double> y(0, 600);
  std::vector<Point> points(static_cast<size_t>(m));
  for (Point& p : points) {
    p.x = x(rng);
    p.y = y(rng);
  }
  return points;
}

// One instance per vector width; a width this processor lacks is reported as
// skipped, so a run says which paths it did not check.
class LagrangeVectorPath : public LagrangeCurve,
                           public ::testing::WithParamInterface<curvix::VectorIsa> {
 protected:
  void SetUp() override {
    LagrangeCurve::SetUp();
    if (!curvix::vector_isa_available(GetParam())) GTEST_SKIP() << "this processor lacks the width";
  }
};

TEST_P(LagrangeVectorPath, FastSamplingMatchesThePlainFormula) {
  const curvix::VectorIsa isa = GetParam();
  std::mt19937 rng(20240611);
  for (int m : {1, 2, 3, 7, 50, 200}) {
    for (Knots kind : {Knots::UNIFORM, Knots::HALVED, Knots::TYPED, Knots::APPENDED_BELOW,
                       Knots::APPENDED_EQUAL}) {
      const std::vector<Point> points = make_points(m, rng);
      const std::vector<double> u = make_knots(kind, m, rng);
      const CurveSamples plain = plain_lagrange_samples(points, u);
      SCOPED_TRACE("m " + std::to_string(m) + ", knots " + std::to_string(static_cast<int>(kind)));
      CurveSamples fast = curve_samples();
      ASSERT_TRUE(curvix::lagrange_samples(planar(points).data(), u.data(), m, CURVE_SEGMENTS,
                                           fast.data(), isa));
      expect_same_samples(fast, plain);
      if (kind == Knots::APPENDED_EQUAL && m > 1) {
        bool finite = true;
        for (const PlanarPoint& p : plain) finite = finite && std::isfinite(p.x + p.y);
        EXPECT_FALSE(finite) << "m " << m << ": equal values must reach the comparison";
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(VectorWidths, LagrangeVectorPath,
                         ::testing::Values(curvix::VECTOR_BASELINE, curvix::VECTOR_AVX2,
                                           curvix::VECTOR_AVX512));

TEST_F(LagrangeCurve, DrawAndEvaluateMatchThePlainFormula) {
  std::mt19937 rng(77);
  for (int m : {1, 2, 3, 7, 50, 200}) {
    SCOPED_TRACE("m " + std::to_string(m));
    const std::vector<Point> points = make_points(m, rng);
    const std::vector<double> u = make_knots(Knots::TYPED, m, rng);
    const CurveSamples plain = plain_lagrange_samples(points, u);
    set_curve(points, u);
    gl_recorder::reset();
    draw_lagrange_curve();
    expect_drawn(drawn_strip(), plain);
    for (int k : {0, 1, 137, 250, 499, 500}) {
      const PlanarPoint p = curvix::lagrange_evaluate(
          planar(points).data(), u.data(), m, u.front() + ((u.back() - u.front()) * k) / 500);
      EXPECT_TRUE(same_bits(p, plain[static_cast<size_t>(k)])) << "sample " << k;
    }
  }
}

}  // namespace
