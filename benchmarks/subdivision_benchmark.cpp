// One subdivision level from 250 to 500 points per scheme, trace off, drawing
// counted but not recorded; and the per-stencil arithmetic of the RBF schemes.

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>

#include "app/app_state.h"
#include "curves/knots.h"
#include "gl_recorder.h"
#include "subdivision/rbf_stencil.h"
#include "subdivision/subdivision.h"

namespace {

constexpr int LEVEL_START_POINTS = 250;          // the largest polygon a step accepts
constexpr double FULL_TURN = 6.283185307179586;  // radians

// A closed, wavy polygon of n points around the window's centre.
PointList wavy_polygon(int n) {
  PointList list;
  for (int i = 0; i < n; ++i) {
    const double angle = FULL_TURN * i / n;
    const double radius = 200.0 + 30.0 * std::sin(7.0 * angle);
    list.items[static_cast<std::size_t>(i)].x = 400.0 + radius * std::cos(angle);
    list.items[static_cast<std::size_t>(i)].y = 300.0 + radius * std::sin(angle);
  }
  list.count = n;
  return list;
}

// Puts the start level back, outside the timed region.
void reset_level(const PointList& start) {
  app.points = start;
  app.knot_spacing = 1.0;
  app.r = 1.0;
  assign_uniform_knots();
}

template <typename Step>
void time_level(benchmark::State& state, Step step) {
  app = AppState{};
  gl_recorder::set_recording(false);
  const PointList start = wavy_polygon(LEVEL_START_POINTS);
  for (auto _ : state) {
    state.PauseTiming();
    reset_level(start);
    state.ResumeTiming();
    step();
    benchmark::DoNotOptimize(app.points.items.data());
  }
  gl_recorder::set_recording(true);
  app = AppState{};
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

void BM_rbf_stencil_mask(benchmark::State& state) {
  app = AppState{};
  const int s = static_cast<int>(state.range(0));
  std::array<double, STENCIL_SYSTEM_MAX> params{};
  for (int m = 0; m < s; ++m) params[static_cast<std::size_t>(m)] = m - (s / 2 - 1);
  std::array<double, STENCIL_SYSTEM_MAX> weights{};
  for (auto _ : state) {
    rbf_stencil_mask(params.data(), s, app.pd, app.r, app.stencil_inverse, weights.data());
    benchmark::DoNotOptimize(weights.data());
  }
}
BENCHMARK(BM_rbf_stencil_mask)->Arg(4)->Arg(6);

}  // namespace
