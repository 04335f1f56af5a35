// curvix-lab's refinement: a polygon refined 10 levels per scheme (RBF in
// stationary mode) at three sizes, to see the cost grow with the points, on
// one thread and on one per core; and the whole refine command, reading its
// input and writing csv. Wall-clock time: the work of the other threads is
// not the main thread's CPU time.

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "lab/refine/refine_engine.h"
#include "lab_command.h"

namespace {

constexpr unsigned BENCHMARK_SEED = 3112;  // fixed, so every run refines the same polygon
constexpr int LEVELS = 10;                 // 100 points become 102,400
constexpr int ONE_THREAD = 1;              // threads argument: the calling thread alone
constexpr int ONE_PER_CORE = 0;            // threads argument: the companion's default

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
  request.threads = static_cast<int>(state.range(2));
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
    ->ArgNames({"scheme", "points", "threads"})
    ->ArgsProduct({{curvix::SCHEME_RBF4, curvix::SCHEME_RBF6, curvix::SCHEME_NR4,
                    curvix::SCHEME_DD},
                   {25, 50, 100},
                   {ONE_THREAD, ONE_PER_CORE}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// `curvix-lab refine --scheme rbf6 --levels 10 --stationary --format csv` on
// 100 points: parsing, the refinement and 102,400 lines of exact numbers; with
// --threads 1 and with the default, one thread per core.
void BM_lab_refine_command(benchmark::State& state) {
  std::string input;
  for (const curvix::PlanarPoint& p : random_polygon(100))
    input += std::to_string(p.x) + "," + std::to_string(p.y) + "\n";
  std::vector<std::string> args{"refine", "--scheme",     "rbf6",     "--levels",
                                "10",     "--stationary", "--format", "csv"};
  if (state.range(0) == ONE_THREAD) args.insert(args.end(), {"--threads", "1"});
  std::string output;
  for (auto _ : state) {
    if (!curvix_benchmark::run_lab_command(state, args, input, output)) return;
    benchmark::DoNotOptimize(output.size());
  }
}
BENCHMARK(BM_lab_refine_command)
    ->ArgName("threads")
    ->Arg(ONE_THREAD)
    ->Arg(ONE_PER_CORE)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The Python package's counterparts (benchmarks/python_benchmark.py times
// the same requests through `curvix`): RBF4 refining 100 points 10 levels on
// one thread in stationary mode, and `mask --scheme rbf4` as a json document.

// A 100-point star whose points python_benchmark.py computes alike: the same
// libm cos and sin, rounded half up to whole pixels.
std::vector<curvix::PlanarPoint> star_polygon() {
  constexpr int POINTS = 100;
  std::vector<curvix::PlanarPoint> points;
  for (int i = 0; i < POINTS; ++i) {
    const double angle = 2.0 * 3.141592653589793 * i / POINTS;
    const double radius = i % 2 == 0 ? 250.0 : 120.0;
    points.push_back({std::floor(400.0 + radius * std::cos(angle) + 0.5),
                      std::floor(300.0 + radius * std::sin(angle) + 0.5)});
  }
  return points;
}

void BM_lab_refine_star_rbf4(benchmark::State& state) {
  curvix::RefineRequest request;
  request.first.stationary = true;  // r fixed loses its systems to the flat limit by level 10
  request.levels = LEVELS;
  request.threads = ONE_THREAD;
  const std::vector<curvix::PlanarPoint> polygon = star_polygon();
  for (auto _ : state) {
    curvix::Refinement result;
    if (curvix::refine_polygon(request, polygon, result) != curvix::LabRefusal::NONE) {
      state.SkipWithError("the refinement was refused");
      return;
    }
    benchmark::DoNotOptimize(result.levels.back().data());
  }
}
BENCHMARK(BM_lab_refine_star_rbf4)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_lab_mask_json(benchmark::State& state) {
  const std::vector<std::string> args{"mask", "--scheme", "rbf4", "--format", "json"};
  std::string output;
  for (auto _ : state) {
    if (!curvix_benchmark::run_lab_command(state, args, "", output)) return;
    benchmark::DoNotOptimize(output.size());
  }
}
BENCHMARK(BM_lab_mask_json)->Unit(benchmark::kMicrosecond);

}  // namespace
