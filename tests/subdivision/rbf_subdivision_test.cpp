// RBF4 and RBF6 steps: inserted points, stencil parameter values, stationary
// mode, the trace on the console and in the file, and refused steps.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/curve_drawing.h"
#include "app/knots.h"
#include "app/subdivision_step.h"
#include "scoped_temp_dir.h"
#include "subdivision_test_support.h"

namespace {

using namespace subdivision_test;

constexpr double SIX_DECIMALS = 5e-7;  // published masks are rounded to six decimals

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string read_file(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// A line as matrix_print writes it: `count` entries of "%7.3f ".
bool is_matrix_line(const std::string& line, int count) {
  if (line.size() != static_cast<std::size_t>(8 * count)) return false;
  for (int e = 0; e < count; ++e) {
    double value = 0.0;
    char check[16];
    if (std::sscanf(line.substr(static_cast<std::size_t>(8 * e), 8).c_str(), "%lf", &value) != 1)
      return false;
    std::snprintf(check, sizeof check, "%7.3f ", value);
    if (line.substr(static_cast<std::size_t>(8 * e), 8) != check) return false;
  }
  return true;
}

class RbfSubdivision : public AppTest {
 protected:
  void TearDown() override {
    app.trace_file.reset();
    AppTest::TearDown();
  }

  static void add_square() {
    add_point(100, 100);
    add_point(200, 100);
    add_point(200, 200);
    add_point(100, 200);
    assign_uniform_knots();
  }

  // n points of an irregular closed polygon, uniform parameter values.
  static void add_irregular_points(int n) {
    for (int i = 0; i < n; ++i)
      add_point(20.0 + 9.1 * i + 6.0 * (i % 3), 70.0 - 4.3 * (i % 4) + 2.9 * i);
    assign_uniform_knots();
  }

  // Opens a fresh trace file in the test's temporary directory.
  std::filesystem::path open_trace() {
    trace_dir_.emplace("curvix-rbf-trace");
    const std::filesystem::path path = trace_dir_->path("debug.txt");
    app.trace_on = true;
    app.trace_file.reset(std::fopen(path.c_str(), "wt"));
    EXPECT_TRUE(app.trace_file);
    return path;
  }

  // Closes the trace file and returns its content.
  static std::string close_trace(const std::filesystem::path& path) {
    app.trace_file.reset();
    app.trace_on = false;
    return read_file(path);
  }

  // Expects the inserted point after old point i of the step just made to be
  // the mask applied to the old closed stencil, within what the mask's six
  // decimals allow.
  static void expect_inserted_by_mask(const PointList& old, int i,
                                      const std::vector<double>& mask) {
    const int n = old.count;
    const int s = static_cast<int>(mask.size());
    double x = 0.0;
    double y = 0.0;
    double tolerance = 0.0;
    for (int m = 0; m < s; ++m) {
      const Point& p = old.items[static_cast<std::size_t>((i - (s / 2 - 1) + m + n) % n)];
      x += mask[static_cast<std::size_t>(m)] * p.x;
      y += mask[static_cast<std::size_t>(m)] * p.y;
      tolerance += SIX_DECIMALS * std::max(std::abs(p.x), std::abs(p.y));
    }
    EXPECT_NEAR(app.points.items[static_cast<std::size_t>(2 * i + 1)].x, x, tolerance) << i;
    EXPECT_NEAR(app.points.items[static_cast<std::size_t>(2 * i + 1)].y, y, tolerance) << i;
  }

  std::optional<ScopedTempDir> trace_dir_;  // made by open_trace
};

TEST_F(RbfSubdivision, SquareInsertsTheInterpolantAtTheMiddleOfTheSpan) {
  add_square();
  ::testing::internal::CaptureStdout();
  subdivide_rbf(4);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");  // trace off: silent
  ASSERT_EQ(app.points.count, 8);
  EXPECT_NEAR(app.points.items[1].x, 150.0, 1e-9);
  EXPECT_NEAR(app.points.items[1].y, 81.5743, 5e-5);
  // The square's symmetry carries over to the other three inserted points.
  EXPECT_NEAR(app.points.items[3].x, 300.0 - app.points.items[1].y, 1e-9);
  EXPECT_NEAR(app.points.items[5].y, 300.0 - app.points.items[1].y, 1e-9);
  EXPECT_NEAR(app.points.items[7].x, app.points.items[1].y, 1e-9);
  EXPECT_EQ(app.points.items[2].x, 200.0);
}

TEST_F(RbfSubdivision, InsertedPointsFollowThePublishedMasks) {
  add_irregular_points(7);
  PointList old = app.points;
  subdivide_rbf(4);
  for (int i = 0; i < 7; ++i)
    expect_inserted_by_mask(old, i, {-0.092129, 0.592129, 0.592129, -0.092129});

  app = AppState{};
  add_irregular_points(7);
  old = app.points;
  subdivide_rbf(6);
  for (int i = 0; i < 7; ++i)
    expect_inserted_by_mask(old, i, {0.029929, -0.137477, 0.607547, 0.607547, -0.137477, 0.029929});
}

TEST_F(RbfSubdivision, SecondStepWithAndWithoutStationaryMode) {
  for (const bool stationary : {false, true}) {
    SCOPED_TRACE(stationary);
    app = AppState{};
    app.stationary = stationary;
    add_irregular_points(6);
    subdivide_rbf(4);
    EXPECT_EQ(app.r, stationary ? 0.5 : 1.0);
    const PointList level_one = app.points;
    subdivide_rbf(4);
    EXPECT_EQ(app.r, stationary ? 0.25 : 1.0);
    EXPECT_EQ(app.knot_spacing, 0.25);
    const std::vector<double> mask =
        stationary ? std::vector<double>{-0.092129, 0.592129, 0.592129, -0.092129}
                   : std::vector<double>{-0.084329, 0.584329, 0.584329, -0.084329};
    for (int i = 0; i < 12; ++i) expect_inserted_by_mask(level_one, i, mask);
  }
}

TEST_F(RbfSubdivision, StencilParametersContinueAcrossTheClosure) {
  for (int i = 0; i < 5; ++i) add_point(10.0 * i, 3.0 * i * i);
  app.knots[1] = 0.0;
  app.knots[2] = 1.0;
  app.knots[3] = 2.0;
  app.knots[4] = 4.0;
  app.knots[5] = 5.0;
  const PointList old = app.points;
  const ParameterValues knots = app.knots;
  subdivide_rbf(4);
  // Stencil of old point 1 has T = 0, 1, 2, 4: tc = 2 = T_3, so the inserted
  // point is old point 2.
  EXPECT_NEAR(app.points.items[3].x, old.items[2].x, 1e-9);
  EXPECT_NEAR(app.points.items[3].y, old.items[2].y, 1e-9);
  // The last stencil (old points 3, 4, 0, 1) continues with period 5 + 1.
  const std::vector<double> last = gathered_stencil(old, knots, 1.0, 4, 4).params;
  EXPECT_EQ(last[0], 4.0);
  EXPECT_EQ(last[1], 5.0);
  EXPECT_EQ(last[2], 6.0);
  EXPECT_EQ(last[3], 7.0);
  // Typed values serve the first step only.
  for (int k = 0; k < 10; ++k) EXPECT_EQ(app.knots[static_cast<std::size_t>(k + 1)], 0.5 * k);
}

TEST_F(RbfSubdivision, StepEndsBySolvingTheCurveOfTheNewLevel) {
  add_irregular_points(5);
  app.saved = app.points;
  subdivide_rbf(6);
  const RbfCoefficientTable after_step = app.rbf_coefficients;
  rbf_solve();
  for (std::size_t k = 0; k < 12; ++k) {
    EXPECT_EQ(after_step[k].x, app.rbf_coefficients[k].x) << k;
    EXPECT_EQ(after_step[k].y, app.rbf_coefficients[k].y) << k;
  }
  const auto prims = gl_recorder::primitives();
  ASSERT_EQ(prims.size(), 3u);
  EXPECT_EQ(prims[1].colour, rgb(PREVIOUS_LEVEL_COLOUR));
  EXPECT_EQ(prims[2].colour, rgb(RBF_LEVEL_COLOUR));
  EXPECT_EQ(prims[2].vertices, strip_of(app.points.items.data(), 10));
}

TEST_F(RbfSubdivision, StencilCoefficientsLeftAboveTheCurveLimitAreNeverDrawn) {
  add_irregular_points(128);
  rbf_solve();
  ASSERT_TRUE(app.rbf_coefficients_valid);
  subdivide_rbf(4);
  ASSERT_EQ(app.points.count, 256);
  app.curve_mode = CURVE_RBF;
  app.points.count = MAX_CURVE_POINTS;  // as after 56 deletions, which do not solve
  gl_recorder::reset();
  draw_rbf_curve();
  EXPECT_TRUE(gl_recorder::calls().empty());
  rbf_solve();
  draw_rbf_curve();
  EXPECT_EQ(gl_recorder::count_of("glVertex3dv"), CURVE_SEGMENTS + 1);
}

TEST_F(RbfSubdivision, StationaryModeHalvesREvenForAnEmptyPolygon) {
  app.stationary = true;
  subdivide_rbf(4);
  EXPECT_EQ(app.r, 0.5);
  EXPECT_EQ(app.knot_spacing, 0.5);
  EXPECT_EQ(app.points.count, 0);
}

TEST_F(RbfSubdivision, ShortPolygonsWrapWholePeriods) {
  add_point(120, 80);
  assign_uniform_knots();
  PointList old = app.points;
  ParameterValues knots = app.knots;
  subdivide_rbf(4);  // one point: stencil positions -1..2 all name it
  ASSERT_EQ(app.points.count, 2);
  EXPECT_NEAR(app.points.items[1].x, 120.0, 1e-9);
  EXPECT_NEAR(app.points.items[1].y, 80.0, 1e-9);
  const std::vector<double> one_point = gathered_stencil(old, knots, 1.0, 0, 4).params;
  EXPECT_EQ(one_point[0], -1.0);
  EXPECT_EQ(one_point[3], 2.0);

  app = AppState{};
  add_point(120, 80);
  add_point(160, 80);
  assign_uniform_knots();
  old = app.points;
  knots = app.knots;
  subdivide_rbf(6);  // two points: stencil positions -1..4 of the last stencil
  ASSERT_EQ(app.points.count, 4);
  const std::vector<double> two_points = gathered_stencil(old, knots, 1.0, 1, 6).params;
  for (int m = 0; m < 6; ++m) EXPECT_EQ(two_points[static_cast<std::size_t>(m)], m - 1.0);
  EXPECT_NEAR(app.points.items[1].y, 80.0, 1e-9);
  EXPECT_NEAR(app.points.items[3].y, 80.0, 1e-9);

  app = AppState{};
  add_point(50, 60);
  assign_uniform_knots();
  subdivide_rbf(6);
  EXPECT_NEAR(app.points.items[1].x, 50.0, 1e-9);
}

TEST_F(RbfSubdivision, TraceOfTheSquareInBothPlaces) {
  add_square();
  const auto path = open_trace();
  ::testing::internal::CaptureStdout();
  subdivide_rbf(4);
  const std::string console = ::testing::internal::GetCapturedStdout();
  const std::string file = close_trace(path);

  const std::vector<std::string>& system = UNIFORM_RBF4_SYSTEM_ROWS;
  const std::string weights = "  0 :-0.0921  0.5921  0.5921 -0.0921 ";
  const auto console_lines = lines_of(console);
  const auto file_lines = lines_of(file);
  // Per stencil: 6 system lines, 6 inverse lines, the record, an empty line.
  ASSERT_EQ(console_lines.size(), 4u * 14u);
  ASSERT_EQ(file_lines.size(), 4u * 14u);
  for (std::size_t row = 0; row < 6; ++row) {
    EXPECT_EQ(console_lines[row], system[row]);
    EXPECT_EQ(file_lines[row], system[row]);
  }
  for (std::size_t line = 0; line < console_lines.size(); ++line) {
    if (line % 14 >= 12) continue;
    EXPECT_TRUE(is_matrix_line(console_lines[line], 6)) << line;
    EXPECT_EQ(console_lines[line], file_lines[line]) << line;
  }
  EXPECT_EQ(console_lines[12], weights + "150.0000 81.5743150.0000 81.5743 ");
  EXPECT_EQ(file_lines[12], weights + "(150.0000, 81.5743) 150.0000 81.5743 ");
  EXPECT_EQ(console_lines[13], "");
  EXPECT_EQ(file_lines[13], "");
  EXPECT_EQ(console.substr(console.size() - 2), "\n\n");
  EXPECT_EQ(file.substr(file.size() - 2), "\n\n");
  EXPECT_EQ(console_lines[26].substr(0, 5), "  1 :");
  EXPECT_EQ(file_lines[54].substr(0, 5), "  3 :");
}

TEST_F(RbfSubdivision, TraceGoesToTheConsoleWhenTheFileCouldNotBeOpened) {
  add_square();
  const auto path = open_trace();
  ::testing::internal::CaptureStdout();
  subdivide_rbf(6);
  const std::string with_file = ::testing::internal::GetCapturedStdout();
  close_trace(path);

  app = AppState{};
  add_square();
  app.trace_on = true;  // and no stream
  ::testing::internal::CaptureStdout();
  subdivide_rbf(6);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), with_file);
  EXPECT_EQ(app.points.count, 8);
}

TEST_F(RbfSubdivision, UninvertibleStencilRefusesTheWholeStep) {
  struct Case {
    int stencil_size;
    int pd;
  };
  for (const Case c : {Case{4, 4}, Case{6, 6}, Case{4, 96}, Case{6, 94}}) {
    SCOPED_TRACE(c.pd);
    app = AppState{};
    gl_recorder::reset();
    add_irregular_points(6);
    app.knots[2] = 1.5;
    app.pd = c.pd;
    app.stationary = true;
    for (std::size_t k = 0; k < app.rbf_coefficients.size(); ++k)
      app.rbf_coefficients[k] = {0.5 + static_cast<double>(k), -1.0};
    const RbfCoefficientTable coefficients = app.rbf_coefficients;
    const PointList points = app.points;
    const ParameterValues knots = app.knots;
    app.trace_on = true;
    ::testing::internal::CaptureStdout();
    subdivide_rbf(c.stencil_size);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_TRUE(gl_recorder::calls().empty());
    EXPECT_EQ(std::memcmp(&app.points, &points, sizeof points), 0);
    EXPECT_EQ(app.knots, knots);
    EXPECT_EQ(app.knot_spacing, 1.0);
    EXPECT_EQ(app.r, 1.0);
    EXPECT_EQ(std::memcmp(&app.rbf_coefficients, &coefficients, sizeof coefficients), 0);
  }
}

TEST_F(RbfSubdivision, StencilSizesOtherThanEvenOnesInRangeDoNothing) {
  add_square();
  for (const int size : {-4, 0, 3, 5, MAX_POINTS + 2}) subdivide_rbf(size);
  EXPECT_TRUE(gl_recorder::calls().empty());
  EXPECT_EQ(app.points.count, 4);
  EXPECT_EQ(app.knot_spacing, 1.0);
}

TEST_F(RbfSubdivision, RepeatedParameterValueRefusesAfterTracingTheEarlierStencils) {
  // Typed values -5, -3, 0, 2 with h = 1 continue with period 3 past the
  // closure: the stencil of old point 3 (positions 2..5) holds T = 0, 2, -2, 0.
  add_point(10, 10);
  add_point(50, 20);
  add_point(30, 60);
  add_point(5, 40);
  app.knots[1] = -5.0;
  app.knots[2] = -3.0;
  app.knots[3] = 0.0;
  app.knots[4] = 2.0;
  rbf_solve();
  ASSERT_TRUE(app.rbf_coefficients_valid);
  const RbfCoefficientTable curve = app.rbf_coefficients;
  const PointList points = app.points;
  const auto path = open_trace();
  ::testing::internal::CaptureStdout();
  subdivide_rbf(4);
  const auto console_lines = lines_of(::testing::internal::GetCapturedStdout());
  const auto file_lines = lines_of(close_trace(path));
  EXPECT_EQ(console_lines.size(), 3u * 14u);  // stencils 0, 1 and 2, complete
  EXPECT_EQ(file_lines.size(), 3u * 14u);
  EXPECT_TRUE(gl_recorder::calls().empty());
  EXPECT_EQ(app.points.count, 4);
  EXPECT_EQ(std::memcmp(&app.points, &points, sizeof points), 0);
  EXPECT_EQ(app.knots[1], -5.0);
  EXPECT_EQ(app.knot_spacing, 1.0);
  // Stencils 0 to 2 were solved before the refusal; the curve must not see them.
  EXPECT_EQ(std::memcmp(&app.rbf_coefficients, &curve, sizeof curve), 0);
  EXPECT_TRUE(app.rbf_coefficients_valid);
}

}  // namespace
