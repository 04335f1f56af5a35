// The RBF curve: the system's layout, the coefficients against a plain
// transcription, interpolation, the drawn strip and the failure paths.

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/curve_drawing.h"
#include "app/knots.h"
#include "app_fixture.h"
#include "curves/rbf_curve.h"
#include "reference/plain_rbf_solve.h"

namespace {

using gl_recorder::Primitive;
using gl_recorder::Vertex;

bool same_bits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

class RbfTest : public AppTest {
 protected:
  // count points on a wave, uniform parameter values.
  static void wave(int count) {
    for (int i = 0; i < count; ++i) add_point(20.0 + 3.5 * i, 300.0 + 120.0 * std::sin(0.37 * i));
    assign_uniform_knots();
  }

  // The state's interpolant at s, with the state's settings and centres.
  static curvix::PlanarPoint evaluate(double s) {
    return curvix::rbf_evaluate(app_rbf_settings(), app.rbf_coefficients.data(), &app.knots[1],
                                app.points.count, s);
  }

  static std::vector<Vertex> strip() {
    const std::vector<Primitive> prims = gl_recorder::primitives();
    EXPECT_EQ(prims.size(), 1u);
    return prims.empty() ? std::vector<Vertex>{} : prims[0].vertices;
  }
};

TEST_F(RbfTest, SystemHasZeroCornerPowersAndBasisBlock) {
  const std::vector<double> t{0.0, 0.5, 1.25, 3.0};  // slot 0 unused
  app.basis = BASIS_MQ3;
  const curvix::Matrix a = curvix::rbf_system_matrix({BASIS_MQ3, app.c, 0.7, 1}, &t[1], 3);
  auto phi = [&](double x) { return state_basis_value(x, 0.7); };
  const std::vector<std::vector<double>> rows{{0, 0, 1, 1, 1},
                                              {0, 0, 0.5, 1.25, 3.0},
                                              {1, 0.5, phi(0), phi(1.25 - 0.5), phi(3.0 - 0.5)},
                                              {1, 1.25, phi(0.5 - 1.25), phi(0), phi(3.0 - 1.25)},
                                              {1, 3.0, phi(0.5 - 3.0), phi(1.25 - 3.0), phi(0)}};
  for (int i = 1; i <= 5; ++i)
    for (int j = 1; j <= 5; ++j)
      EXPECT_TRUE(same_bits(a[i][j], rows[size_t(i - 1)][size_t(j - 1)]))
          << "(" << i << ", " << j << "): " << a[i][j];
}

// The solve takes shortcuts (a mirrored basis block, repeated differences,
// no right-hand sides); its coefficients must still be those of the plain
// transcription, bit for bit.
TEST_F(RbfTest, CoefficientsMatchPlainSolveBitForBit) {
  for (BasisKind basis : {BASIS_MQ1, BASIS_MQ3, BASIS_GS}) {
    for (int count : {1, 2, 5, 40, 200}) {
      for (int pd : {0, 1, 3}) {
        if (count == 200 && pd != 1) continue;  // the largest system once per basis is enough
        for (bool uniform : {true, false}) {
          app = AppState{};
          app.basis = basis;
          app.pd = pd;
          app.r = basis == BASIS_GS ? 0.3 : 0.8;
          app.c = 1.4;
          app.knot_spacing = uniform ? 0.5 : 1.0;
          wave(count);
          if (!uniform)
            for (int i = 1; i <= count; ++i) app.knots[size_t(i)] += 0.01 * i * i;
          RbfCoefficientTable plain{};
          const int plain_result = plain_rbf_solve(plain);
          rbf_solve();
          const std::string what = "basis " + std::to_string(basis) + " N " +
                                   std::to_string(count) + " pd " + std::to_string(pd) +
                                   (uniform ? " uniform" : " typed");
          ASSERT_EQ(app.rbf_coefficients_valid, plain_result == 1) << what;
          if (plain_result == 0) continue;
          for (int k = 0; k < count + pd + 1; ++k) {
            ASSERT_TRUE(same_bits(app.rbf_coefficients[size_t(k)].x, plain[size_t(k)].x) &&
                        same_bits(app.rbf_coefficients[size_t(k)].y, plain[size_t(k)].y))
                << what << ", entry " << k;
          }
        }
      }
    }
  }
}

TEST_F(RbfTest, CurvePassesThroughEveryPointAtItsParameter) {
  for (BasisKind basis : {BASIS_MQ1, BASIS_MQ3, BASIS_GS}) {
    for (int pd : {0, 1, 2}) {
      app = AppState{};
      app.basis = basis;
      app.pd = pd;
      wave(12);
      rbf_solve();
      ASSERT_TRUE(app.rbf_coefficients_valid);
      for (int i = 0; i < 12; ++i) {
        const curvix::PlanarPoint p = evaluate(app.knots[size_t(i + 1)]);
        EXPECT_NEAR(p.x, app.points.items[size_t(i)].x, 1e-7) << basis << " " << pd << " " << i;
        EXPECT_NEAR(p.y, app.points.items[size_t(i)].y, 1e-7) << basis << " " << pd << " " << i;
      }
    }
  }
}

TEST_F(RbfTest, TwoPointsGiveStraightSegment) {
  add_point(100, 100);
  add_point(300, 250);
  assign_uniform_knots();
  rbf_solve();
  ASSERT_TRUE(app.rbf_coefficients_valid);
  EXPECT_NEAR(app.rbf_coefficients[2].x, 0.0, 1e-9);  // the weights
  EXPECT_NEAR(app.rbf_coefficients[3].y, 0.0, 1e-9);
  draw_rbf_curve();
  const std::vector<Vertex> vertices = strip();
  ASSERT_EQ(vertices.size(), 501u);
  EXPECT_NEAR(vertices.front()[0], 100, 1e-9);
  EXPECT_NEAR(vertices.front()[1], 500, 1e-9);
  EXPECT_NEAR(vertices.back()[0], 300, 1e-9);
  EXPECT_NEAR(vertices.back()[1], 350, 1e-9);
  for (size_t i = 0; i < vertices.size(); ++i) {
    const double u = static_cast<double>(i) / 500.0;
    EXPECT_NEAR(vertices[i][0], 100 + 200 * u, 1e-9) << i;
    EXPECT_NEAR(vertices[i][1], 500 - 150 * u, 1e-9) << i;
  }
}

TEST_F(RbfTest, OnePointOfDegreeZeroIsDrawnAsThatPointFlipped) {
  app.pd = 0;
  add_point(50, 100);
  assign_uniform_knots();
  rbf_solve();
  ASSERT_TRUE(app.rbf_coefficients_valid);
  draw_rbf_curve();
  EXPECT_EQ(gl_recorder::count_of("glVertex3dv"), 501);
  for (const Vertex& v : strip()) {
    EXPECT_DOUBLE_EQ(v[0], 50);
    EXPECT_DOUBLE_EQ(v[1], 500);  // window height 600 - 100
    EXPECT_EQ(v[2], 0);
  }
}

TEST_F(RbfTest, DrawIsColourThenOneStripOf501Vertices) {
  wave(7);
  rbf_solve();
  draw_rbf_curve();
  std::vector<std::string> expected{"glColor3f", "glBegin"};
  expected.insert(expected.end(), 501, "glVertex3dv");
  expected.push_back("glEnd");
  EXPECT_EQ(gl_recorder::call_names(), expected);
  EXPECT_EQ(gl_recorder::calls()[0].args,
            (std::vector<double>{static_cast<double>(0.3f), 0.0, 0.0}));
  const std::vector<Primitive> prims = gl_recorder::primitives();
  ASSERT_EQ(prims.size(), 1u);
  EXPECT_EQ(prims[0].mode, static_cast<unsigned>(GL_LINE_STRIP));
  EXPECT_EQ(prims[0].colour, (gl_recorder::Rgb{CURVE_LINE_COLOUR.red, 0.0f, 0.0f}));
}

TEST_F(RbfTest, SamplesSpanParameterRangeAndFlipAgainstWindowHeight) {
  wave(7);
  rbf_solve();
  app.window_height = 480;
  draw_rbf_curve();
  const std::vector<Vertex> vertices = strip();
  ASSERT_EQ(vertices.size(), 501u);
  const double t1 = app.knots[1];
  const double tn = app.knots[7];
  for (int i : {0, 1, 250, 499, 500}) {
    const curvix::PlanarPoint p = evaluate(t1 + ((tn - t1) * i) / 500);
    EXPECT_EQ(vertices[size_t(i)][0], p.x) << i;
    EXPECT_EQ(vertices[size_t(i)][1], 480.0 - p.y) << i;
  }
}

TEST_F(RbfTest, TypedParameterValuesSetRangeFromNextSolve) {
  add_point(100, 100);
  add_point(200, 300);
  add_point(400, 150);
  app.knots[1] = 2;
  app.knots[2] = 3;
  app.knots[3] = 5;
  rbf_solve();
  draw_rbf_curve();
  const std::vector<Vertex> vertices = strip();
  ASSERT_EQ(vertices.size(), 501u);
  EXPECT_NEAR(vertices.front()[0], 100, 1e-9);
  EXPECT_NEAR(vertices.front()[1], 500, 1e-9);
  EXPECT_NEAR(vertices.back()[0], 400, 1e-9);
  EXPECT_NEAR(vertices.back()[1], 450, 1e-9);
  const curvix::PlanarPoint at_three = evaluate(3.0);  // the second point, at its own value
  EXPECT_NEAR(at_three.x, 200, 1e-9);
  EXPECT_NEAR(at_three.y, 300, 1e-9);
}

TEST_F(RbfTest, NothingIsDrawnWithoutPoints) {
  app.rbf_coefficients_valid = true;
  draw_rbf_curve();
  EXPECT_EQ(gl_recorder::call_count(), 0);
}

TEST_F(RbfTest, MoreThan200PointsAreNeitherSolvedNorDrawn) {
  wave(201);
  app.rbf_coefficients[0] = RbfCoefficient{7, 8};
  app.rbf_coefficients_valid = true;
  rbf_solve();
  EXPECT_EQ(app.rbf_coefficients[0].x, 7);
  EXPECT_EQ(app.rbf_coefficients[1].x, 0);
  EXPECT_TRUE(app.rbf_coefficients_valid);  // untouched either way
  app.rbf_coefficients_valid = false;
  rbf_solve();
  EXPECT_FALSE(app.rbf_coefficients_valid);
  app.rbf_coefficients_valid = true;
  draw_rbf_curve();
  EXPECT_EQ(gl_recorder::call_count(), 0);
}

// "w" keeps raising the degree while 201 points make every solve return at
// once; a deletion, which does not solve, then brings the count back to 200.
TEST_F(RbfTest, DegreeRaisedWithoutASolveNeverReadsPastTheTable) {
  wave(200);
  rbf_solve();
  ASSERT_TRUE(app.rbf_coefficients_valid);
  // Values typed in [0, 1) keep every power finite, so only the guard stops the draw.
  for (int i = 1; i <= 200; ++i) app.knots[i] = (i - 1) / 256.0;
  app.pd = 400;
  draw_rbf_curve();
  EXPECT_EQ(gl_recorder::call_count(), 0);
  app.pd = MAX_POINTS - 1 - 200;  // the largest degree whose terms fit the table
  draw_rbf_curve();
  EXPECT_EQ(gl_recorder::count_of("glBegin"), 1);
}

// A singular system is not drawn, and the table keeps the last good solve,
// until a solve succeeds again.
TEST_F(RbfTest, SingularSystemsAreNotDrawnUntilNextGoodSolve) {
  add_point(100, 100);
  add_point(200, 150);
  assign_uniform_knots();
  rbf_solve();
  ASSERT_TRUE(app.rbf_coefficients_valid);
  const RbfCoefficientTable good = app.rbf_coefficients;

  app.knots[2] = app.knots[1];  // two equal parameter values
  rbf_solve();
  EXPECT_FALSE(app.rbf_coefficients_valid);
  EXPECT_EQ(std::memcmp(&good, &app.rbf_coefficients, sizeof good), 0);
  draw_rbf_curve();
  EXPECT_EQ(gl_recorder::call_count(), 0);

  assign_uniform_knots();
  rbf_solve();
  EXPECT_TRUE(app.rbf_coefficients_valid);
  draw_rbf_curve();
  EXPECT_EQ(gl_recorder::count_of("glVertex3dv"), 501);
}

TEST_F(RbfTest, OnePointWithLinearPartIsSingular) {
  add_point(100, 100);
  assign_uniform_knots();
  rbf_solve();  // pd = 1: two polynomial terms, one point
  EXPECT_FALSE(app.rbf_coefficients_valid);
  draw_rbf_curve();
  EXPECT_EQ(gl_recorder::call_count(), 0);
}

TEST_F(RbfTest, FlatGaussianIsSingular) {
  app.basis = BASIS_GS;
  app.r = 0.0;
  wave(3);
  rbf_solve();
  EXPECT_FALSE(app.rbf_coefficients_valid);
}

TEST_F(RbfTest, DegreeBeyondCoefficientTableFailsWithoutWriting) {
  wave(3);
  app.pd = MAX_POINTS - 3;  // n = 501 > 500 entries
  app.rbf_coefficients_valid = true;
  app.rbf_coefficients[0] = RbfCoefficient{7, 8};
  rbf_solve();
  EXPECT_FALSE(app.rbf_coefficients_valid);
  EXPECT_EQ(app.rbf_coefficients[0].x, 7);
  EXPECT_EQ(app.rbf_coefficients[MAX_POINTS - 1].x, 0);
}

// Coefficients that overflow between the points: no vertex, no colour.
TEST_F(RbfTest, NonFiniteSamplesSuppressWholeCurve) {
  for (double bad : {1e308, std::numeric_limits<double>::quiet_NaN()}) {
    gl_recorder::reset();
    app.points.count = 0;
    add_point(0, 0);
    add_point(10, 10);
    app.knots[1] = 0.0;
    app.knots[2] = 10.0;
    app.rbf_coefficients = RbfCoefficientTable{};
    app.rbf_coefficients[1].x = bad;  // x grows as bad * s
    app.rbf_coefficients_valid = true;
    draw_rbf_curve();
    EXPECT_EQ(gl_recorder::call_count(), 0) << bad;
  }
}

}  // namespace
