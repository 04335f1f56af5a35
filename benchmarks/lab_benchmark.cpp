// curvix-lab's refinement: a polygon refined 10 levels per scheme (RBF in
// stationary mode) at three sizes, to see the cost grow with the points; and
// the whole refine command, reading its input and writing csv.

#include <benchmark/benchmark.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "lab/lab_engine.h"
#include "lab/lab_run.h"

namespace {

constexpr unsigned BENCHMARK_SEED = 3112;  // fixed, so every run refines the same polygon
constexpr int LEVELS = 10;                 // 100 points become 102,400

std::vector<curvix::PlanarPoint> random_polygon(int n) {
  std::mt19937 rng(BENCHMARK_SEED);
  std::uniform_int_distribution<int> x(0, 799);
  std::uniform_int_distribution<int> y(0, 599);
  std::vector<curvix::PlanarPoint> points(static_cast<std::size_t>(n));
  for (curvix::PlanarPoint& p : points)
    p = curvix::PlanarPoint{static_cast<double>(x(rng)), static_cast<double>(y(rng))};
  return points;
}

void BM_lab_refine(benchmark::State& state) {
  curvix::RefineRequest request;
  request.first.subdivision.scheme = static_cast<curvix::SchemeKind>(state.range(0));
  request.first.stationary = true;
  request.levels = LEVELS;
  const std::vector<curvix::PlanarPoint> polygon = random_polygon(static_cast<int>(state.range(1)));
  curvix::Refinement result;
  for (auto _ : state) {
    if (curvix::refine_polygon(request, polygon, result) != curvix::LabRefusal::NONE) {
      state.SkipWithError("the refinement was refused");
      return;
    }
    benchmark::DoNotOptimize(result.levels.back().data());
  }
  state.counters["points"] = static_cast<double>(result.levels.back().size());
}
BENCHMARK(BM_lab_refine)
    ->ArgNames({"scheme", "points"})
    ->ArgsProduct({{curvix::SCHEME_RBF4, curvix::SCHEME_RBF6, curvix::SCHEME_NR4,
                    curvix::SCHEME_DD},
                   {25, 50, 100}})
    ->Unit(benchmark::kMillisecond);

// `curvix-lab refine --scheme rbf6 --levels 10 --stationary --format csv` on
// 100 points: parsing, the refinement and 102,400 lines of 17-digit output.
void BM_lab_refine_command(benchmark::State& state) {
  std::string input;
  for (const curvix::PlanarPoint& p : random_polygon(100))
    input += std::to_string(p.x) + "," + std::to_string(p.y) + "\n";
  const std::vector<std::string> args{"refine", "--scheme",     "rbf6",     "--levels",
                                      "10",     "--stationary", "--format", "csv"};
  for (auto _ : state) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    if (curvix::run_lab(args, in, out, err) != 0) {
      state.SkipWithError(err.str().c_str());
      return;
    }
    benchmark::DoNotOptimize(out.str().size());
  }
}
BENCHMARK(BM_lab_refine_command)->Unit(benchmark::kMillisecond);

}  // namespace
