// Whole per-event paths at the program's limits, against the GL stand-in with
// recording off: one drag motion event with a curve shown at N = 200 (the
// solve in the motion callback plus the whole redisplay), and one subdivision
// command from 250 to 500 points with each scheme.

#include <benchmark/benchmark.h>

#include "app/app_state.h"
#include "app/commands.h"
#include "app/knots.h"
#include "app/point_editing.h"
#include "app/scene.h"
#include "gl_recorder.h"
#include "random_polygon.h"

namespace {

constexpr unsigned BENCHMARK_SEED = 1227;  // fixed, so every run works on the same polygon

void set_up_polygon(int n) {
  set_up_random_polygon(n, BENCHMARK_SEED);
  app.saved = app.points;
}

// One motion event of a drag of point 100 and the redisplay it asks for.
void BM_DragMotionEvent(benchmark::State& state) {
  set_up_polygon(MAX_CURVE_POINTS);
  app.curve_mode = static_cast<CurveMode>(state.range(0));
  app.selected = 100;
  app.dragging = true;
  int step = 0;
  for (auto _ : state) {
    on_motion(300 + step % 50, 200 + step % 30);
    on_display();
    ++step;
  }
  state.SetLabel(state.range(0) == CURVE_LAGRANGE ? "lagrange"
                 : state.range(0) == CURVE_BEZIER ? "bezier"
                 : state.range(0) == CURVE_RBF    ? "rbf"
                                                  : "none");
}
BENCHMARK(BM_DragMotionEvent)
    ->Arg(CURVE_NONE)
    ->Arg(CURVE_LAGRANGE)
    ->Arg(CURVE_BEZIER)
    ->Arg(CURVE_RBF)
    ->Unit(benchmark::kMillisecond);

// One subdivision command ("s") from 250 to 500 points, trace off.
void BM_SubdivisionCommand(benchmark::State& state) {
  set_up_polygon(MAX_POINTS / 2);
  const auto scheme = static_cast<SchemeKind>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    app.points = app.saved;
    app.points.count = MAX_POINTS / 2;
    app.knot_spacing = 1.0;
    assign_uniform_knots();
    app.scheme = scheme;
    app.stencil_size = scheme == SCHEME_RBF6 ? 6 : 4;
    state.ResumeTiming();
    on_keyboard('s', 0, 0);
  }
  if (app.points.count != MAX_POINTS) state.SkipWithError("the step did not run");
  const char* names[] = {"rbf4", "rbf6", "nr4", "dd"};
  state.SetLabel(names[state.range(0)]);
}
BENCHMARK(BM_SubdivisionCommand)
    ->Arg(SCHEME_RBF4)
    ->Arg(SCHEME_RBF6)
    ->Arg(SCHEME_NR4)
    ->Arg(SCHEME_DD)
    ->Unit(benchmark::kMillisecond);

}  // namespace
