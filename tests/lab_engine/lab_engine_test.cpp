// curvix-lab's engine against the program itself: the same polygon, parameter
// values and settings through the program's subdivision command and curve
// drawing and through the engine must give the same doubles, bit for bit.

#include "lab/curve/curve_engine.h"
#include "lab/mask/mask_engine.h"
#include "lab/refine/refine_engine.h"
#include "lab/smoothness/smoothness_engine.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "app/curve_drawing.h"
#include "app/subdivision_step.h"
#include "app_fixture.h"
#include "lab_run_helpers.h"
#include "thread_counts.h"

namespace {

using curvix::CurveMode;
using curvix::LevelSettings;
using curvix::PlanarPoint;

std::uint64_t bits(double v) {
  std::uint64_t b;
  std::memcpy(&b, &v, sizeof b);
  return b;
}

// Irregular coordinates and typed parameter values (floats, as the console
// entry stores them), so no step is exact by accident.
const std::vector<PlanarPoint> POLYGON{{101.3, 77.9},  {260.05, 41.7},  {371.9, 150.25},
                                       {333.3, 289.6}, {210.45, 351.1}, {88.8, 300.35},
                                       {40.1, 190.7},  {150.6, 170.15}, {205.5, 120.5}};
const std::vector<double> KNOTS{-1.25, -0.25, 0.5, 1.75, 2.5, 3.0, 4.25, 5.5, 6.0};

class LabAgainstProgram : public AppTest {
 protected:
  static void load_program(const LevelSettings& s) {
    for (std::size_t i = 0; i < POLYGON.size(); ++i) {
      add_point(POLYGON[i].x, POLYGON[i].y);
      app.knots[i + 1] = KNOTS[i];
    }
    app.basis = s.subdivision.rbf.basis;
    app.c = s.subdivision.rbf.c;
    app.r = s.subdivision.rbf.r;
    app.pd = s.subdivision.rbf.pd;
    app.w = s.subdivision.tension;
  }

  static void expect_program_points(const std::vector<PlanarPoint>& level,
                                    const std::string& what) {
    ASSERT_EQ(static_cast<std::size_t>(app.points.count), level.size()) << what;
    for (std::size_t k = 0; k < level.size(); ++k) {
      ASSERT_EQ(bits(app.points.items[k].x), bits(level[k].x)) << what << ", point " << k;
      ASSERT_EQ(bits(app.points.items[k].y), bits(level[k].y)) << what << ", point " << k;
    }
  }

  // The drawn strip is (x, height - y): the engine's y must flip to the same bits.
  static void expect_drawn(const std::vector<PlanarPoint>& samples, const std::string& what) {
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

LevelSettings unusual_settings() {
  LevelSettings s;
  s.subdivision.rbf = {BASIS_MQ3, 1.3, 0.8, 2};
  s.subdivision.tension = 0.07;
  return s;
}

TEST_F(LabAgainstProgram, RefineGivesTheSubdivisionCommandsPointsAtEveryLevel) {
  struct Case {
    SchemeKind scheme;
    void (*step)();
    bool stationary;
  };
  const Case cases[] = {{SCHEME_RBF4, [] { subdivide_rbf(4); }, false},
                        {SCHEME_RBF4, [] { subdivide_rbf(4); }, true},
                        {SCHEME_RBF6, [] { subdivide_rbf(6); }, true},
                        {SCHEME_NR4, subdivide_nr4, false},
                        {SCHEME_DD, subdivide_dd, true}};
  constexpr int LEVELS = 5;  // 9 -> 288 points, within the program's 500
  for (const Case& c : cases) {
    const std::string what = "scheme " + std::to_string(static_cast<int>(c.scheme)) +
                             (c.stationary ? ", stationary" : "");
    curvix::RefineRequest request;
    request.first = unusual_settings();
    request.first.subdivision.scheme = c.scheme;
    request.first.stationary = c.stationary;
    request.levels = LEVELS;
    request.knots = KNOTS;
    curvix::Refinement result;
    ASSERT_EQ(refine_polygon(request, POLYGON, result), curvix::LabRefusal::NONE) << what;
    ASSERT_EQ(result.levels.size(), LEVELS + 1u) << what;

    app = AppState{};
    load_program(request.first);
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
    CurveMode kind;
    void (*draw)();
  };
  for (const Case c : {Case{CURVE_LAGRANGE, draw_lagrange_curve},
                       Case{CURVE_BEZIER, draw_bezier_curve}, Case{CURVE_RBF, draw_rbf_curve}}) {
    const std::string what = "curve " + std::to_string(static_cast<int>(c.kind));
    std::vector<PlanarPoint> samples;
    ASSERT_EQ(sample_curve(c.kind, unusual_settings(), 501, KNOTS, POLYGON, samples),
              curvix::LabRefusal::NONE)
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
  constexpr const char* square = "100,100\n300,100\n300,300\n100,300\n";
  const LabRun plain = run_lab_with({"refine", "--scheme", "rbf4", "--levels", "8"}, square);
  ASSERT_EQ(plain.status, 0) << plain.err;
  ASSERT_FALSE(plain.err.empty());
  EXPECT_EQ(plain.err.rfind("curvix-lab: warning: level 8: worst condition number", 0), 0u)
      << plain.err;

  const LabRun stationary =
      run_lab_with({"refine", "--scheme", "rbf4", "--levels", "8", "--stationary"}, square);
  ASSERT_EQ(stationary.status, 0) << stationary.err;
  EXPECT_TRUE(stationary.err.empty()) << stationary.err;

  // A repeated value: the stencils that hold it fail.
  const LabRun repeated =
      run_lab_with({"refine", "--scheme", "rbf4", "--pd", "1", "--knots", "0,1,1,2"}, square);
  EXPECT_EQ(repeated.status, 2);  // --knots must be strictly increasing
  curvix::RefineRequest request;
  request.knots = {0.0, 1.0, 1.0, 2.0};
  curvix::Refinement result;
  const std::vector<PlanarPoint> points{{100, 100}, {300, 100}, {300, 300}, {100, 300}};
  EXPECT_EQ(refine_polygon(request, points, result), curvix::LabRefusal::SINGULAR_STENCIL);
  EXPECT_EQ(result.result.failed_level, 1);
  EXPECT_EQ(result.result.failed_stencil, 0);
}

// Each fact about a rule is one note: a printed rule moved onto its sum rules,
// a rule that does not sum to 1.
TEST(LabEngine, SmoothnessNotesWordEachFactOnce) {
  const LabRun printed =
      run_lab_with({"smoothness", "--weights", "0.0117,-0.0977,0.5859,0.5859,-0.0977,0.0117"});
  ASSERT_EQ(printed.status, 0) << printed.err;
  EXPECT_NE(printed.out.find("note: weights moved by at most 4.37e-05 to meet the 6 sum rules"),
            std::string::npos)
      << printed.out;

  const LabRun far = run_lab_with({"smoothness", "--weights", "-0.1,0.7,0.7,-0.1"});
  ASSERT_EQ(far.status, 0) << far.err;
  std::size_t notes = 0;
  for (std::size_t at = far.out.find("note: "); at != std::string::npos;
       at = far.out.find("note: ", at + 1))
    ++notes;
  EXPECT_EQ(notes, 1u) << far.out;
  EXPECT_NE(far.out.find("note: the weights do not sum to 1"), std::string::npos) << far.out;
}

// The whole command writes the same bytes, condition warnings included, for
// any thread count: 300 points refined 4 levels split the last levels into
// blocks on more than one thread.
TEST(LabEngine, RefineWritesTheSameBytesForAnyThreadCount) {
  std::string polygon;
  for (int i = 0; i < 300; ++i)
    polygon += std::to_string(400 + (i % 17) * 9.25 + i) + "," +
               std::to_string(300 + (i % 5) * 31.5) + "\n";
  const std::vector<std::string> command{"refine", "--scheme", "rbf6",         "--levels", "4",
                                         "--r",    "40",       "--all-levels", "--format", "csv"};
  const LabRun serial = run_lab_with(
      [&] {
        std::vector<std::string> args = command;
        args.insert(args.end(), {"--threads", "1"});
        return args;
      }(),
      polygon);
  ASSERT_EQ(serial.status, 0) << serial.err;
  EXPECT_NE(serial.err.find("condition"), std::string::npos) << serial.err;
  const LabRun none = run_lab_with({"refine", "--scheme", "rbf4", "--threads", "0"}, polygon);
  EXPECT_EQ(none.status, 2);
  EXPECT_NE(none.err.find("--threads"), std::string::npos) << none.err;
  if (tests_run_one_thread()) GTEST_SKIP() << "no second thread: CURVIX_TESTS_ONE_THREAD";
  for (const char* threads : {"2", "3", "16"}) {
    std::vector<std::string> args = command;
    args.insert(args.end(), {"--threads", threads});
    const LabRun split = run_lab_with(args, polygon);
    EXPECT_EQ(split.status, 0) << threads;
    EXPECT_EQ(split.out, serial.out) << threads;
    EXPECT_EQ(split.err, serial.err) << threads;
  }
  const LabRun by_default = run_lab_with(command, polygon);
  EXPECT_EQ(by_default.out, serial.out);
}

}  // namespace

// The real default depth counts against the smoothness cap like a typed one,
// and the refusal says the depth was the default.
TEST(LabEngine, DefaultDepthIsCappedForLargeRules) {
  std::string fourteen_weights = "0.5,0.5";
  for (int i = 0; i < 12; ++i) fourteen_weights += ",0";
  const LabRun run = run_lab_with({"smoothness", "--weights", fourteen_weights});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err,
            "curvix-lab: --depth 14 (the default) is too deep for a rule of 14 weights (at most "
            "13)\n");
  EXPECT_EQ(run.out, "");
}
