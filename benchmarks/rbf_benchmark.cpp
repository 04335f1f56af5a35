// The RBF curve at the largest size it is solved and drawn for: the solve that
// every drag event runs, against its plain transcription, for each basis, and
// the draw of one 501-sample strip against the recording stand-in.

#include <benchmark/benchmark.h>

#include <cmath>

#include "app/app_state.h"
#include "app/curve_drawing.h"
#include "app/knots.h"
#include "gl_recorder.h"
#include "reference/plain_rbf_solve.h"

namespace {

constexpr int CURVE_POINTS = 200;  // MAX_CURVE_POINTS: the largest solved system

// Points on a wave across the window, uniform parameter values, degree pd = 1.
void set_up_curve(BasisKind basis, bool uniform_knots) {
  app = AppState{};
  app.basis = basis;
  for (int i = 0; i < CURVE_POINTS; ++i) {
    Point& p = app.points.items[static_cast<size_t>(i)];
    p.x = 20.0 + 3.0 * i;
    p.y = 300.0 + 150.0 * std::sin(0.1 * i);
  }
  app.points.count = CURVE_POINTS;
  assign_uniform_knots();
  if (!uniform_knots) {  // as if typed: increasing, no common spacing
    for (int i = 1; i <= CURVE_POINTS; ++i) app.knots[static_cast<size_t>(i)] += 0.001 * i * i;
  }
}

void BM_rbf_solve(benchmark::State& state) {
  set_up_curve(static_cast<BasisKind>(state.range(0)), state.range(1) != 0);
  for (auto _ : state) rbf_solve();
  if (!app.rbf_coefficients_valid) state.SkipWithError("the system did not solve");
}
BENCHMARK(BM_rbf_solve)
    ->ArgNames({"basis", "uniform"})
    ->Args({BASIS_MQ1, 1})
    ->Args({BASIS_MQ3, 1})
    ->Args({BASIS_GS, 1})
    ->Args({BASIS_MQ1, 0})
    ->Args({BASIS_MQ3, 0})
    ->Args({BASIS_GS, 0})
    ->Unit(benchmark::kMicrosecond);

void BM_rbf_solve_plain(benchmark::State& state) {
  set_up_curve(static_cast<BasisKind>(state.range(0)), true);
  RbfCoefficientTable table{};
  for (auto _ : state) benchmark::DoNotOptimize(plain_rbf_solve(table));
}
BENCHMARK(BM_rbf_solve_plain)
    ->ArgNames({"basis"})
    ->Arg(BASIS_MQ1)
    ->Arg(BASIS_MQ3)
    ->Arg(BASIS_GS)
    ->Unit(benchmark::kMicrosecond);

void BM_draw_rbf_curve(benchmark::State& state) {
  set_up_curve(static_cast<BasisKind>(state.range(0)), true);
  rbf_solve();
  gl_recorder::reset();
  gl_recorder::set_recording(false);
  for (auto _ : state) draw_rbf_curve();
  gl_recorder::set_recording(true);
  if (gl_recorder::call_count() == 0) state.SkipWithError("nothing was drawn");
}
BENCHMARK(BM_draw_rbf_curve)
    ->ArgNames({"basis"})
    ->Arg(BASIS_MQ1)
    ->Arg(BASIS_MQ3)
    ->Arg(BASIS_GS)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
