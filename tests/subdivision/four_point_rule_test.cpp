// NR4 and D-D: the four-point rule's values and what the schemes do with it.

#include "subdivision/four_point_rule.h"

#include <cstdio>
#include <filesystem>

#include "app/knots.h"
#include "app/subdivision_step.h"
#include "scoped_temp_dir.h"
#include "subdivision_test_support.h"

namespace {

using curvix::DD_TENSION;
using curvix::four_point_value;

using namespace subdivision_test;

class FourPoint : public AppTest {
 protected:
  static void add_square() {
    add_point(0, 0);
    add_point(100, 0);
    add_point(100, 100);
    add_point(0, 100);
    assign_uniform_knots();
  }
};

TEST(FourPointRule, WeightsSumToOneForEveryTension) {
  for (const double tension : {-0.3, 0.0, 0.0625, 0.125, 0.4}) {
    EXPECT_DOUBLE_EQ(four_point_value(7.0, 7.0, 7.0, 7.0, tension), 7.0) << tension;
    // Data linear in the index is reproduced at the middle.
    EXPECT_DOUBLE_EQ(four_point_value(1.0, 3.0, 5.0, 7.0, tension), 4.0) << tension;
  }
  EXPECT_EQ(four_point_value(1.0, 0.0, 0.0, 0.0, 0.125), -0.125);
  EXPECT_EQ(four_point_value(0.0, 1.0, 0.0, 0.0, 0.125), 0.625);
  EXPECT_EQ(four_point_value(0.0, 1.0, 0.0, 0.0, DD_TENSION), 0.5625);
  EXPECT_EQ(four_point_value(0.0, 0.0, 0.0, 1.0, DD_TENSION), -0.0625);
}

TEST(FourPointRule, DeslauriersDubucReproducesCubics) {
  const auto cubic = [](double t) { return 0.5 * t * t * t - 2.0 * t * t + t - 3.0; };
  EXPECT_DOUBLE_EQ(four_point_value(cubic(-1), cubic(0), cubic(1), cubic(2), DD_TENSION),
                   cubic(0.5));
}

TEST_F(FourPoint, DeslauriersDubucOnTheSquare) {
  add_square();
  subdivide_dd();
  ASSERT_EQ(app.points.count, 8);
  EXPECT_EQ(coordinates(), (std::vector<std::pair<double, double>>{{0, 0},
                                                                   {50, -12.5},
                                                                   {100, 0},
                                                                   {112.5, 50},
                                                                   {100, 100},
                                                                   {50, 112.5},
                                                                   {0, 100},
                                                                   {-12.5, 50}}));
}

TEST_F(FourPoint, Nr4AtTheStartTensionOnTheSquare) {
  add_square();
  subdivide_nr4();
  EXPECT_EQ(app.points.items[1].x, 50.0);
  EXPECT_EQ(app.points.items[1].y, -25.0);
}

TEST_F(FourPoint, Nr4AtTheDeslauriersDubucTensionIsDeslauriersDubuc) {
  const auto irregular = [] {
    for (int i = 0; i < 9; ++i) add_point(13.1 * i + (i % 2) * 4.7, 91.3 - 5.9 * i * (i % 3));
    assign_uniform_knots();
  };
  irregular();
  subdivide_dd();
  subdivide_dd();
  const auto dd = coordinates();
  app = AppState{};
  irregular();
  app.w = 0.0625;
  subdivide_nr4();
  subdivide_nr4();
  EXPECT_EQ(coordinates(), dd);
}

TEST_F(FourPoint, ZeroTensionInsertsMidpointsAndTheStripCreepsAlongTheClosure) {
  add_square();
  app.w = 0.0;
  subdivide_nr4();
  EXPECT_EQ(coordinates(),
            (std::vector<std::pair<double, double>>{
                {0, 0}, {50, 0}, {100, 0}, {100, 50}, {100, 100}, {50, 100}, {0, 100}, {0, 50}}));
  // The strip ends half way along the closing segment from (0, 100) to (0, 0) ...
  subdivide_nr4();
  // ... and after the second step three quarters of the way.
  const Point& last = app.points.items[15];
  EXPECT_EQ(last.x, 0.0);
  EXPECT_EQ(last.y, 25.0);
}

TEST_F(FourPoint, EquallySpacedCollinearPointsGetMidpointsAwayFromTheClosure) {
  for (int i = 0; i < 6; ++i) add_point(10.0 + 20.0 * i, 50.0 + 10.0 * i);
  assign_uniform_knots();
  subdivide_dd();
  for (int i = 1; i <= 3; ++i) {  // stencils i-1..i+2 all inside the polygon
    EXPECT_EQ(app.points.items[2 * i + 1].x, 20.0 + 20.0 * i) << i;
    EXPECT_EQ(app.points.items[2 * i + 1].y, 55.0 + 10.0 * i) << i;
  }
  // The stencil of old point 0 reaches back to the far end of the line.
  EXPECT_NE(app.points.items[1].x, 20.0);
}

TEST_F(FourPoint, WriteNothingToTheTrace) {
  const ScopedTempDir dir("curvix-four-point-trace");
  const std::filesystem::path path = dir.path("debug.txt");
  add_square();
  app.trace_on = true;
  app.trace_file.reset(std::fopen(path.c_str(), "wt"));
  ASSERT_TRUE(app.trace_file);
  ::testing::internal::CaptureStdout();
  subdivide_nr4();
  subdivide_dd();
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
  app.trace_file.reset();
  EXPECT_EQ(std::filesystem::file_size(path), 0u);
}

TEST_F(FourPoint, StationaryModeLeavesRAndTheCurveSettingsAlone) {
  // Only the RBF schemes tie r to the spacing; the four-point rules have no r.
  add_square();
  app.stationary = true;
  app.r = 0.75;
  subdivide_nr4();
  subdivide_dd();
  EXPECT_EQ(app.points.count, 16);
  EXPECT_EQ(app.knot_spacing, 0.25);
  EXPECT_EQ(app.r, 0.75);
}

TEST_F(FourPoint, SinglePointStencilRepeatsThatPoint) {
  add_point(100, 60);
  assign_uniform_knots();
  subdivide_nr4();
  ASSERT_EQ(app.points.count, 2);
  EXPECT_EQ(app.points.items[1].x, 100.0);
  EXPECT_EQ(app.points.items[1].y, 60.0);
  subdivide_dd();
  EXPECT_EQ(app.points.count, 4);
}

}  // namespace
