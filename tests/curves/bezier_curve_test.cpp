#include <GL/gl.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "app/curve_drawing.h"
#include "app_fixture.h"
#include "curve_strip_checks.h"
#include "curves/bezier_curve.h"
#include "curves/binomial.h"
#include "reference/plain_curves.h"

namespace {

using curvix::binomial;

using namespace curve_checks;
using namespace reference;

std::vector<Point> make_points(int m, std::mt19937& rng, bool whole_pixels) {
  std::uniform_real_distribution<double> x(0, 800);
  std::uniform_real_distribution<double> y(0, 600);
  std::vector<Point> points(static_cast<size_t>(m));
  for (Point& p : points) {
    p.x = whole_pixels ? std::floor(x(rng)) : x(rng);
    p.y = whole_pixels ? std::floor(y(rng)) : y(rng);
  }
  return points;
}

class BezierCurve : public AppTest {
 protected:
  static void set_points(const std::vector<Point>& points) {
    app.points.count = 0;
    for (const Point& p : points) add_point(p.x, p.y);
  }

  static std::vector<Vertex> draw() {
    gl_recorder::reset();
    draw_bezier_curve();
    return drawn_strip();
  }
};

TEST_F(BezierCurve, OnePointIsFiveHundredOneCopiesOfIt) {
  set_points({{120, 80}});
  const std::vector<Vertex> strip = draw();
  ASSERT_EQ(strip.size(), 501u);
  for (const Vertex& v : strip) EXPECT_EQ(v, (Vertex{120, 520, 0}));
}

TEST_F(BezierCurve, TwoPointsGiveTheSegmentFromFirstToLast) {
  set_points({{10, 20}, {110, 220}});
  const std::vector<Vertex> strip = draw();
  ASSERT_EQ(strip.size(), 501u);
  EXPECT_EQ(strip.front(), (Vertex{10, 580, 0}));
  EXPECT_EQ(strip.back(), (Vertex{110, 380, 0}));
  for (size_t k = 0; k < strip.size(); ++k) {
    const double f = static_cast<double>(k) / 500;
    EXPECT_NEAR(strip[k][0], 10 + 100 * f, 1e-12) << k;
    EXPECT_NEAR(strip[k][1], 580 - 200 * f, 1e-12) << k;
  }
}

TEST_F(BezierCurve, ThreePointMiddleSampleIsTheWeightedPolygon) {
  set_points({{0, 0}, {50, 100}, {100, 0}});
  const PlanarPoint p = curvix::bezier_evaluate(working_points(3).data(), 3, 0.5);
  EXPECT_EQ(p.x, 50);
  EXPECT_EQ(p.y, 50);
  const std::vector<Vertex> strip = draw();
  ASSERT_EQ(strip.size(), 501u);
  EXPECT_EQ(strip[250], (Vertex{50, 550, 0}));  // stored (50, 50), flipped in a 600 window
}

TEST_F(BezierCurve, IgnoresTheParameterValues) {
  set_points({{0, 0}, {50, 100}, {100, 0}});
  app.window_height = 480;
  const std::vector<Vertex> uniform = draw();
  app.knots[1] = 2;
  app.knots[2] = 3;
  app.knots[3] = 5;
  EXPECT_EQ(draw(), uniform);
  expect_drawn(uniform, plain_bezier_samples({{0, 0}, {50, 100}, {100, 0}}));
}

TEST_F(BezierCurve, DrawsNothingWithoutPointsOrAboveTwoHundred) {
  draw_bezier_curve();
  EXPECT_EQ(gl_recorder::call_count(), 0);
  for (int i = 0; i < 201; ++i) add_point(i, 2 * i);
  draw_bezier_curve();
  EXPECT_EQ(gl_recorder::call_count(), 0);
  CurveSamples samples = curve_samples();
  EXPECT_FALSE(curve_drawable(201));
  EXPECT_FALSE(curvix::bezier_samples(working_points(0).data(), 0, CURVE_SEGMENTS, samples.data()));
}

// From 172 points on, binomial(N - 1, k) needs the in-range computation; with
// an infinite coefficient the ends would be 0 x inf and the curve would vanish.
TEST_F(BezierCurve, LargePolygonsStartAndEndAtTheirEndPoints) {
  std::mt19937 rng(5);
  for (int m : {171, 172, 185, 200}) {
    SCOPED_TRACE("m " + std::to_string(m));
    const std::vector<Point> points = make_points(m, rng, true);
    set_points(points);
    const std::vector<Vertex> strip = draw();
    ASSERT_EQ(strip.size(), 501u);
    EXPECT_EQ(strip.front(), (Vertex{points.front().x, 600 - points.front().y, 0}));
    EXPECT_EQ(strip.back(), (Vertex{points.back().x, 600 - points.back().y, 0}));
  }
}

TEST_F(BezierCurve, WeightsOfTwoHundredPointsSumToOne) {
  // Every control point the same: the curve is that point up to the rounding
  // of the weights, which sum to 1.
  set_points(std::vector<Point>(200, Point{300, 200}));
  CurveSamples samples = curve_samples();
  ASSERT_TRUE(
      curvix::bezier_samples(working_points(200).data(), 200, CURVE_SEGMENTS, samples.data()));
  for (size_t k = 0; k < samples.size(); ++k) {
    EXPECT_NEAR(samples[k].x, 300, 300 * 1e-12) << k;
    EXPECT_NEAR(samples[k].y, 200, 200 * 1e-12) << k;
  }
}

TEST_F(BezierCurve, FastSamplingAndDrawMatchThePlainFormula) {
  std::mt19937 rng(20240611);
  for (int m : {1, 2, 3, 7, 50, 171, 172, 200}) {
    for (bool whole_pixels : {true, false}) {
      SCOPED_TRACE("m " + std::to_string(m));
      const std::vector<Point> points = make_points(m, rng, whole_pixels);
      const CurveSamples plain = plain_bezier_samples(points);
      CurveSamples fast = curve_samples();
      ASSERT_TRUE(curvix::bezier_samples(planar(points).data(), m, CURVE_SEGMENTS, fast.data()));
      for (size_t k = 0; k < plain.size(); ++k)
        ASSERT_TRUE(same_bits(fast[k], plain[k])) << "sample " << k;

      set_points(points);
      expect_drawn(draw(), plain);
      for (int k : {0, 1, 250, 333, 500}) {
        const PlanarPoint p = curvix::bezier_evaluate(planar(points).data(), m, k / 500.0);
        EXPECT_TRUE(same_bits(p, plain[static_cast<size_t>(k)])) << "sample " << k;
      }
    }
  }
}

}  // namespace
