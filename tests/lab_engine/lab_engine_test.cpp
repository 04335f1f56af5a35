// curvix-lab's engine against the program itself: the same polygon, parameter
// values and settings through the program's subdivision command and curve
// drawing and through the engine must give the same doubles, bit for bit.

#include "lab/lab_engine.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "app/bezier_drawing.h"
#include "app/lagrange_drawing.h"
#include "app/rbf_curve_drawing.h"
#include "app/subdivision_steps.h"
#include "app_fixture.h"

namespace {

std::uint64_t bits(double v) {
  std::uint64_t b;
  std::memcpy(&b, &v, sizeof b);
  return b;
}

// Irregular coordinates and typed parameter values (floats, as the console
// entry stores them), so no step is exact by accident.
const std::vector<LabPoint> POLYGON{{101.3, 77.9},  {260.05, 41.7},  {371.9, 150.25},
                                    {333.3, 289.6}, {210.45, 351.1}, {88.8, 300.35},
                                    {40.1, 190.7},  {150.6, 170.15}, {205.5, 120.5}};
const std::vector<double> KNOTS{-1.25, -0.25, 0.5, 1.75, 2.5, 3.0, 4.25, 5.5, 6.0};

class LabAgainstProgram : public AppTest {
 protected:
  static void load_program(const LabSettings& s) {
    for (std::size_t i = 0; i < POLYGON.size(); ++i) {
      add_point(POLYGON[i].x, POLYGON[i].y);
      app.knots[i + 1] = KNOTS[i];
    }
    app.basis = static_cast<BasisKind>(s.basis);
    app.c = s.c;
    app.r = s.r;
    app.pd = s.pd;
    app.w = s.w;
  }

  static void expect_program_points(const std::vector<LabPoint>& level, const std::string& what) {
    ASSERT_EQ(static_cast<std::size_t>(app.points.count), level.size()) << what;
    for (std::size_t k = 0; k < level.size(); ++k) {
      ASSERT_EQ(bits(app.points.items[k].x), bits(level[k].x)) << what << ", point " << k;
      ASSERT_EQ(bits(app.points.items[k].y), bits(level[k].y)) << what << ", point " << k;
    }
  }

  // The drawn strip is (x, height - y): the engine's y must flip to the same bits.
  static void expect_drawn(const std::vector<LabPoint>& samples, const std::string& what) {
    const auto strips = gl_recorder::primitives();
    ASSERT_EQ(strips.size(), 1u) << what;
    const auto& vertices = strips[0].vertices;
    ASSERT_EQ(vertices.size(), samples.size()) << what;
    const double height = app.window_height;
    for (std::size_t k = 0; k < samples.size(); ++k) {
      ASSERT_EQ(bits(vertices[k][0]), bits(samples[k].x)) << what << ", sample " << k;
      ASSERT_EQ(bits(vertices[k][1]), bits(height - samples[k].y)) << what << ", sample " << k;
    }
  }
};

LabSettings unusual_settings() {
  LabSettings s;
  s.basis = LabBasis::MQ3;
  s.c = 1.3;
  s.r = 0.8;
  s.pd = 2;
  s.w = 0.07;
  return s;
}

TEST_F(LabAgainstProgram, RefineGivesTheSubdivisionCommandsPointsAtEveryLevel) {
  struct Case {
    LabScheme scheme;
    void (*step)();
    bool stationary;
  };
  const Case cases[] = {{LabScheme::RBF4, [] { subdivide_rbf(4); }, false},
                        {LabScheme::RBF4, [] { subdivide_rbf(4); }, true},
                        {LabScheme::RBF6, [] { subdivide_rbf(6); }, true},
                        {LabScheme::NR4, subdivide_nr4, false},
                        {LabScheme::DD, subdivide_dd, true}};
  constexpr int LEVELS = 5;  // 9 -> 288 points, within the program's 500
  for (const Case& c : cases) {
    const std::string what = "scheme " + std::to_string(static_cast<int>(c.scheme)) +
                             (c.stationary ? ", stationary" : "");
    RefineRequest request;
    request.scheme = c.scheme;
    request.settings = unusual_settings();
    request.levels = LEVELS;
    request.stationary = c.stationary;
    request.knots = KNOTS;
    RefineResult result;
    ASSERT_EQ(refine_polygon(request, POLYGON, result).message, "") << what;
    ASSERT_EQ(result.levels.size(), LEVELS + 1u) << what;

    app = AppState{};
    load_program(request.settings);
    app.stationary = c.stationary;
    for (int level = 1; level <= LEVELS; ++level) {
      c.step();
      expect_program_points(result.levels[static_cast<std::size_t>(level)],
                            what + ", level " + std::to_string(level));
    }
  }
}

TEST_F(LabAgainstProgram, CurveGivesTheDrawnSamplesBeforeTheFlip) {
  struct Case {
    LabCurve kind;
    void (*draw)();
  };
  for (const Case c :
       {Case{LabCurve::LAGRANGE, draw_lagrange_curve}, Case{LabCurve::BEZIER, draw_bezier_curve},
        Case{LabCurve::RBF, draw_rbf_curve}}) {
    const std::string what = "curve " + std::to_string(static_cast<int>(c.kind));
    std::vector<LabPoint> samples;
    ASSERT_EQ(sample_curve(c.kind, unusual_settings(), 501, KNOTS, POLYGON, samples).message, "")
        << what;
    app = AppState{};
    gl_recorder::reset();
    load_program(unusual_settings());
    rbf_solve();
    gl_recorder::reset();
    c.draw();
    expect_drawn(samples, what);
  }
}

TEST(LabEngine, DeepLevelsWithoutStationaryModeWarnAndRefusalsNameLevelAndIndex) {
  const std::vector<LabPoint> square{{100, 100}, {300, 100}, {300, 300}, {100, 300}};
  RefineRequest request;
  request.levels = 8;
  RefineResult result;
  ASSERT_EQ(refine_polygon(request, square, result).message, "");
  ASSERT_FALSE(result.warnings.empty());
  EXPECT_EQ(result.warnings.front().rfind("level 8: worst condition number", 0), 0u)
      << result.warnings.front();

  request.stationary = true;
  ASSERT_EQ(refine_polygon(request, square, result).message, "");
  EXPECT_TRUE(result.warnings.empty());

  request.stationary = false;
  request.levels = 1;
  request.settings.pd = 1;
  request.knots = {0.0, 1.0, 1.0, 2.0};  // a repeated value: the stencils that hold it fail
  EXPECT_EQ(refine_polygon(request, square, result).message,
            "singular stencil system at level 1, index 0");
}

}  // namespace
