// The library's level refinement against the program's steps, and what it
// reports to an observer.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/subdivision_step.h"
#include "app_fixture.h"
#include "subdivision/refine_closed_polygon.h"

using namespace curvix;

namespace {

using curvix::PlanarPoint;

bool same_bits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// An irregular polygon, the same in the state and as library points.
std::vector<PlanarPoint> irregular_polygon(int n) {
  std::vector<PlanarPoint> points;
  for (int i = 0; i < n; ++i)
    points.push_back({100.0 + 37.0 * i + (i % 3) * 11.5, 80.0 + 23.0 * ((i * 7) % 5) + 0.25 * i});
  return points;
}

class RefineLibrary : public AppTest {
 protected:
  // Puts `points` into the state with the parameter values t[k] = 0.3 k + 0.01 k^2.
  static std::vector<double> load(const std::vector<PlanarPoint>& points) {
    std::vector<double> t;
    for (std::size_t k = 0; k < points.size(); ++k) {
      add_point(points[k].x, points[k].y);
      t.push_back(0.3 * static_cast<double>(k) + 0.01 * static_cast<double>(k * k));
      app.knots[k + 1] = t.back();
    }
    return t;
  }

  static void expect_state_is(const std::vector<PlanarPoint>& refined) {
    ASSERT_EQ(app.points.count, static_cast<int>(refined.size()));
    for (std::size_t k = 0; k < refined.size(); ++k) {
      EXPECT_TRUE(same_bits(app.points.items[k].x, refined[k].x)) << k;
      EXPECT_TRUE(same_bits(app.points.items[k].y, refined[k].y)) << k;
    }
  }
};

// Settings away from every default, so an adapter that drops or swaps one of
// them gives other bits.
TEST_F(RefineLibrary, ExplicitSettingsGiveTheBitsOfTheSteps) {
  const std::vector<PlanarPoint> polygon = irregular_polygon(9);
  curvix::StencilScratch scratch;
  std::vector<PlanarPoint> refined(18);

  const std::vector<double> t = load(polygon);
  app.basis = BASIS_MQ3;
  app.c = 1.3;
  app.r = 0.7;
  app.pd = 2;
  app.knot_spacing = 0.75;
  curvix::SubdivisionSettings rbf6;
  rbf6.scheme = SCHEME_RBF6;
  rbf6.rbf = {BASIS_MQ3, 1.3, 0.7, 2};
  const curvix::RefineResult result = curvix::refine_closed_polygon(
      polygon.data(), t.data(), 9, 0.75, rbf6, scratch, nullptr, refined.data());
  ASSERT_TRUE(result.refined);
  subdivide_rbf(6);
  expect_state_is(refined);

  app = AppState{};
  load(polygon);
  app.w = 0.03;
  curvix::SubdivisionSettings nr4;
  nr4.scheme = SCHEME_NR4;
  nr4.tension = 0.03;
  ASSERT_TRUE(curvix::refine_closed_polygon(polygon.data(), t.data(), 9, 1.0, nr4, scratch, nullptr,
                                            refined.data())
                  .refined);
  subdivide_nr4();
  expect_state_is(refined);
}

// Records what it is shown, one line per call.
class RecordingObserver : public curvix::StencilObserver {
 public:
  std::vector<std::string> events;
  std::vector<Matrix> systems;
  std::vector<Matrix> inverses;
  std::vector<curvix::InsertionRecord> records;
  std::vector<std::vector<double>> weights;

  void system_built(const Matrix& system, int k) override {
    events.push_back("system " + std::to_string(k));
    systems.push_back(copy(system, k));
  }
  void system_inverted(const Matrix& inverse, int k) override {
    events.push_back("inverse " + std::to_string(k));
    inverses.push_back(copy(inverse, k));
  }
  void point_inserted(const curvix::InsertionRecord& record) override {
    events.push_back("insertion " + std::to_string(record.index));
    records.push_back(record);
    weights.emplace_back(record.weights, record.weights + record.size);
  }

 private:
  static Matrix copy(const Matrix& a, int k) {
    Matrix b = matrix_alloc(k, k);
    for (int i = 1; i <= k; ++i)
      for (int j = 1; j <= k; ++j) b[i][j] = a[i][j];
    return b;
  }
};

TEST(RefineObserver, SeesSystemThenInverseThenInsertionOfEveryStencil) {
  const std::vector<PlanarPoint> polygon = irregular_polygon(5);
  const std::vector<double> t = {0.0, 1.0, 2.5, 3.0, 4.5};
  curvix::SubdivisionSettings settings;  // RBF4, mq1, C = r = 1, pd = 1: K = 6
  curvix::StencilScratch scratch;
  RecordingObserver observer;
  std::vector<PlanarPoint> refined(10);
  ASSERT_TRUE(curvix::refine_closed_polygon(polygon.data(), t.data(), 5, 1.0, settings, scratch,
                                            &observer, refined.data())
                  .refined);

  std::vector<std::string> expected;
  for (int i = 0; i < 5; ++i) {
    expected.push_back("system 6");
    expected.push_back("inverse 6");
    expected.push_back("insertion " + std::to_string(i));
  }
  EXPECT_EQ(observer.events, expected);
  ASSERT_EQ(observer.records.size(), 5u);
  for (std::size_t i = 0; i < 5; ++i) {
    // The system before inversion and the inverse after: their product is I.
    for (int r = 1; r <= 6; ++r)
      for (int c = 1; c <= 6; ++c) {
        double sum = 0.0;
        for (int k = 1; k <= 6; ++k) sum += observer.systems[i][r][k] * observer.inverses[i][k][c];
        EXPECT_NEAR(sum, r == c ? 1.0 : 0.0, 1e-9) << i << ": " << r << ", " << c;
      }
    const curvix::InsertionRecord& record = observer.records[i];
    EXPECT_EQ(record.size, 4);
    EXPECT_TRUE(same_bits(record.inserted.x, refined[2 * i + 1].x)) << i;
    EXPECT_TRUE(same_bits(record.inserted.y, refined[2 * i + 1].y)) << i;
    // The check point is the mask applied to the stencil (old points i - 1 .. i + 2).
    double check_x = 0.0;
    for (int m = 0; m < 4; ++m)
      check_x += observer.weights[i][static_cast<std::size_t>(m)] *
                 polygon[static_cast<std::size_t>((static_cast<int>(i) + 4 + m) % 5)].x;
    EXPECT_TRUE(same_bits(record.check.x, check_x)) << i;
    EXPECT_NEAR(record.check.x, record.inserted.x, 1e-9) << i;
  }
}

TEST(RefineObserver, AFailedStencilIsNamedAndShowsItsSystemOnly) {
  const std::vector<PlanarPoint> polygon = irregular_polygon(6);
  curvix::SubdivisionSettings settings;
  curvix::StencilScratch scratch;
  std::vector<PlanarPoint> refined(12);

  // Equal values at 3 and 4: the first stencil holding both is that of old point 2.
  const std::vector<double> repeated = {0.0, 1.0, 2.0, 3.0, 3.0, 5.0};
  RecordingObserver skipped;
  const curvix::RefineResult inadmissible = curvix::refine_closed_polygon(
      polygon.data(), repeated.data(), 6, 1.0, settings, scratch, &skipped, refined.data());
  EXPECT_FALSE(inadmissible.refined);
  EXPECT_EQ(inadmissible.failed_stencil, 2);
  EXPECT_EQ(skipped.events.size(), 2u * 3u);  // stencils 0 and 1 only; 2 is never built

  // The gaussian at r = 0 is 1 everywhere: every system is built and singular.
  settings.rbf.basis = BASIS_GS;
  settings.rbf.r = 0.0;
  const std::vector<double> uniform = {0.0, 1.0, 2.0, 3.0, 4.0, 5.0};
  RecordingObserver singular;
  const curvix::RefineResult failed = curvix::refine_closed_polygon(
      polygon.data(), uniform.data(), 6, 1.0, settings, scratch, &singular, refined.data());
  EXPECT_FALSE(failed.refined);
  EXPECT_EQ(failed.failed_stencil, 0);
  EXPECT_EQ(singular.events, std::vector<std::string>{"system 6"});
}

}  // namespace
