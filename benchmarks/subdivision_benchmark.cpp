// One subdivision level from 250 to 500 points per scheme, trace off, drawing
// counted but not recorded; and the per-stencil arithmetic of the RBF schemes.

#include <benchmark/benchmark.h>

#include <array>
#include <memory>

#include "app/app_state.h"
#include "app/knots.h"
#include "app/subdivision_step.h"
#include "gl_recorder.h"
#include "random_polygon.h"
#include "subdivision/rbf_stencil.h"

namespace {

constexpr unsigned BENCHMARK_SEED = 3112;           // fixed, so every run works on the same polygon
constexpr int LEVEL_START_POINTS = MAX_POINTS / 2;  // the largest polygon a step accepts

template <typename Step>
void time_level(benchmark::State& state, Step step) {
  set_up_random_polygon(LEVEL_START_POINTS, BENCHMARK_SEED);
  const PointList start = app.points;
  for (auto _ : state) {
    state.PauseTiming();
    app.points = start;
    app.knot_spacing = 1.0;
    app.r = 1.0;
    assign_uniform_knots();
    state.ResumeTiming();
    step();
  }
  if (app.points.count != MAX_POINTS) state.SkipWithError("the step did not run");
  gl_recorder::set_recording(true);
}

void BM_subdivide_rbf(benchmark::State& state) {
  const int stencil_size = static_cast<int>(state.range(0));
  time_level(state, [stencil_size] { subdivide_rbf(stencil_size); });
}
BENCHMARK(BM_subdivide_rbf)->Arg(4)->Arg(6)->Unit(benchmark::kMicrosecond);

void BM_subdivide_nr4(benchmark::State& state) {
  time_level(state, [] { subdivide_nr4(); });
}
BENCHMARK(BM_subdivide_nr4)->Unit(benchmark::kMicrosecond);

void BM_subdivide_dd(benchmark::State& state) {
  time_level(state, [] { subdivide_dd(); });
}
BENCHMARK(BM_subdivide_dd)->Unit(benchmark::kMicrosecond);

// The mask of one uniform stencil at the start parameters (mq1, r = C = 1, pd = 1).
void BM_rbf_stencil_mask(benchmark::State& state) {
  const curvix::RbfSettings settings;
  const auto scratch = std::make_unique<curvix::StencilScratch>();
  const int s = static_cast<int>(state.range(0));
  std::array<double, curvix::STENCIL_SYSTEM_MAX> params{};
  for (int m = 0; m < s; ++m) params[static_cast<std::size_t>(m)] = m - (s / 2 - 1);
  std::array<double, curvix::STENCIL_SYSTEM_MAX> weights{};
  for (auto _ : state) {
    curvix::rbf_stencil_mask(params.data(), s, settings, *scratch, weights.data());
    benchmark::DoNotOptimize(weights.data());
  }
}
BENCHMARK(BM_rbf_stencil_mask)->Arg(4)->Arg(6);

}  // namespace
