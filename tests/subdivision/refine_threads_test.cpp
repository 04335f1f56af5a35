// A level's stencils split over threads, and solved on fixed storage, give
// every point, every condition number and every refusal of the serial run
// that shows each stencil to an observer: the thread count changes the time
// alone.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "subdivision/refine_levels.h"
#include "thread_counts.h"

namespace {

using curvix::LevelSettings;
using curvix::PlanarPoint;
using curvix::RefineLevelsResult;

// Long enough that the last level splits into three blocks of more than a
// thousand stencils (and the first into two), so block edges are crossed.
constexpr int POLYGON_SIZE = 2200;
constexpr int LEVELS = 2;

std::vector<PlanarPoint> wobbly_polygon(int n) {
  std::vector<PlanarPoint> points;
  for (int i = 0; i < n; ++i) {
    const double a = 6.283185307179586 * i / n;
    const double r = 200.0 + 40.0 * std::sin(7.0 * a) + 0.37 * (i % 13);
    points.push_back({400.0 + r * std::cos(a), 300.0 + r * std::sin(a)});
  }
  return points;
}

// Irregular increasing parameter values, so no two stencil systems agree.
std::vector<double> irregular_values(int n) {
  std::vector<double> t;
  for (int k = 0; k < n; ++k) t.push_back(0.5 * k + 0.001 * (k % 7) * (k % 7));
  return t;
}

// Sees every stencil and keeps nothing: it only forces the serial path that
// builds each system as a Matrix for an observer.
class SilentObserver : public curvix::StencilObserver {
 public:
  void system_built(const curvix::Matrix&, int) override {}
  void system_inverted(const curvix::Matrix&, int) override {}
  void point_inserted(const curvix::InsertionRecord&) override {}
};

struct LevelsRun {
  RefineLevelsResult result;
  std::vector<std::vector<PlanarPoint>> levels;
};

LevelsRun refine(const LevelSettings& first, const std::vector<double>& t, int threads,
                 curvix::StencilObserver* observer = nullptr) {
  const std::vector<PlanarPoint> polygon = wobbly_polygon(static_cast<int>(t.size()));
  curvix::StencilScratch scratch;
  LevelsRun run;
  run.result = curvix::refine_levels(polygon.data(), t.data(), static_cast<int>(t.size()), first,
                                     LEVELS, true, scratch, observer, run.levels, threads);
  return run;
}

void expect_same_run(const LevelsRun& expected, const LevelsRun& actual, const std::string& what) {
  SCOPED_TRACE(what);
  EXPECT_EQ(actual.result.refined, expected.result.refined);
  EXPECT_EQ(actual.result.failed_level, expected.result.failed_level);
  EXPECT_EQ(actual.result.failed_stencil, expected.result.failed_stencil);
  ASSERT_EQ(actual.result.reports.size(), expected.result.reports.size());
  for (std::size_t l = 0; l < expected.result.reports.size(); ++l) {
    const double a = actual.result.reports[l].worst_condition;
    const double e = expected.result.reports[l].worst_condition;
    EXPECT_EQ(std::memcmp(&a, &e, sizeof a), 0) << "level " << l + 1 << ": " << a << " " << e;
  }
  ASSERT_EQ(actual.levels.size(), expected.levels.size());
  for (std::size_t l = 0; l < expected.levels.size(); ++l) {
    ASSERT_EQ(actual.levels[l].size(), expected.levels[l].size());
    for (std::size_t k = 0; k < expected.levels[l].size(); ++k)
      ASSERT_EQ(std::memcmp(&actual.levels[l][k], &expected.levels[l][k], sizeof(PlanarPoint)), 0)
          << "level " << l << ", point " << k;
  }
}

LevelSettings settings_for(curvix::SchemeKind scheme, bool stationary) {
  LevelSettings level;
  level.subdivision.scheme = scheme;
  level.subdivision.rbf.basis = curvix::BASIS_MQ3;
  level.subdivision.rbf.r = 0.7;
  level.stationary = stationary;
  return level;
}

TEST(RefineThreads, EveryThreadCountGivesTheObservedSerialBits) {
  if (tests_run_one_thread())
    std::cout << "[ NOTE     ] one thread only: CURVIX_TESTS_ONE_THREAD\n";
  const std::vector<double> t = irregular_values(POLYGON_SIZE);
  for (const curvix::SchemeKind scheme :
       {curvix::SCHEME_RBF4, curvix::SCHEME_RBF6, curvix::SCHEME_NR4})
    for (const bool stationary : {false, true}) {
      const LevelSettings first = settings_for(scheme, stationary);
      SilentObserver observer;
      const LevelsRun observed = refine(first, t, 1, &observer);
      ASSERT_TRUE(observed.result.refined);
      if (curvix::is_rbf_scheme(scheme)) {
        ASSERT_GT(observed.result.reports[0].worst_condition, 1.0);
      }
      const std::string what =
          std::string(curvix::scheme_info(scheme).label) + (stationary ? ", stationary" : "");
      for (const int threads : test_thread_counts())
        expect_same_run(observed, refine(first, t, threads),
                        what + ", " + std::to_string(threads) + " threads");
    }
}

// Two equal parameter values make the stencils that hold both singular: the
// refusal names the first such stencil of the level, whichever block holds it.
TEST(RefineThreads, ARefusalNamesTheFirstFailingStencilForAnyThreadCount) {
  const LevelSettings first = settings_for(curvix::SCHEME_RBF4, false);
  for (const std::vector<int>& repeats : {std::vector<int>{1700}, std::vector<int>{300, 1700}}) {
    std::vector<double> t = irregular_values(POLYGON_SIZE);
    for (const int k : repeats) t[static_cast<std::size_t>(k) + 1] = t[static_cast<std::size_t>(k)];
    SilentObserver observer;
    const LevelsRun observed = refine(first, t, 1, &observer);
    ASSERT_FALSE(observed.result.refined);
    EXPECT_EQ(observed.result.failed_level, 1);
    EXPECT_EQ(observed.result.failed_stencil, repeats.front() - 1);
    for (const int threads : test_thread_counts())
      expect_same_run(observed, refine(first, t, threads),
                      "repeat at " + std::to_string(repeats.front()) + ", " +
                          std::to_string(threads) + " threads");
  }
}

}  // namespace
