// Whole per-event paths at the program's limits, against the GL stand-in with
// recording off: one drag motion event with a curve shown at N = 200 (the
// solve in the motion callback plus the whole redisplay), the same event as
// the first after an input of the kept tables changed (they are rebuilt in
// full), and one subdivision command from 250 to 500 points with each scheme. Each runs twice: with
// the widest vectors this processor has, and on the portable path alone (the baseline width every
// processor has), as on an ARM machine or in a browser.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "app/app_state.h"
#include "app/commands.h"
#include "app/knots.h"
#include "app/point_editing.h"
#include "app/scene.h"
#include "gl_recorder.h"
#include "linalg/vector_isa.h"
#include "random_polygon.h"

namespace {

constexpr unsigned BENCHMARK_SEED = 1227;  // fixed, so every run works on the same polygon

void set_up_polygon(int n) {
  set_up_random_polygon(n, BENCHMARK_SEED);
  app.saved = app.points;
}

constexpr int WIDEST = 0;    // second argument: the widest vectors available
constexpr int PORTABLE = 1;  // second argument: the baseline width only

// Holds the process to the chosen vector path while a benchmark runs.
class VectorPath {
 public:
  explicit VectorPath(const benchmark::State& state) : portable_(state.range(1) == PORTABLE) {
    if (portable_) curvix::limit_vector_isa(curvix::VECTOR_BASELINE);
  }
  ~VectorPath() { curvix::limit_vector_isa(curvix::VECTOR_AVX512); }
  VectorPath(const VectorPath&) = delete;
  VectorPath& operator=(const VectorPath&) = delete;

  std::string label(const char* name) const {
    return std::string(name) + (portable_ ? ", portable" : "");
  }

 private:
  bool portable_;
};

const char* curve_name(std::int64_t mode) {
  return mode == CURVE_LAGRANGE ? "lagrange"
         : mode == CURVE_BEZIER ? "bezier"
         : mode == CURVE_RBF    ? "rbf"
                                : "none";
}

// The largest polygon, `mode` shown, point 100 held by the mouse.
void start_drag_at_the_limit(CurveMode mode) {
  set_up_polygon(MAX_CURVE_POINTS);
  app.curve_mode = mode;
  app.selected = 100;
  app.dragging = true;
}

// One motion event of a drag of point 100 and the redisplay it asks for.
void BM_on_motion_drag(benchmark::State& state) {
  const VectorPath path(state);
  start_drag_at_the_limit(static_cast<CurveMode>(state.range(0)));
  int step = 0;
  for (auto _ : state) {
    on_motion(300 + step % 50, 200 + step % 30);
    on_display();
    ++step;
  }
  state.SetLabel(path.label(curve_name(state.range(0))));
}
BENCHMARK(BM_on_motion_drag)
    ->ArgsProduct({{CURVE_NONE, CURVE_LAGRANGE, CURVE_BEZIER, CURVE_RBF}, {WIDEST, PORTABLE}})
    ->Unit(benchmark::kMillisecond);

// The first motion event after the point count changed (199 and 200 points in
// turn, the change itself untimed): every kept table is built afresh, the
// inverse in the motion callback, the curve's weights in the redisplay.
void BM_on_motion_after_input_change(benchmark::State& state) {
  const VectorPath path(state);
  start_drag_at_the_limit(static_cast<CurveMode>(state.range(0)));
  int step = 0;
  for (auto _ : state) {
    state.PauseTiming();
    app.points.count = MAX_CURVE_POINTS - step % 2;
    state.ResumeTiming();
    on_motion(300 + step % 50, 200 + step % 30);
    on_display();
    ++step;
  }
  state.SetLabel(path.label(curve_name(state.range(0))));
}
BENCHMARK(BM_on_motion_after_input_change)
    ->ArgsProduct({{CURVE_NONE, CURVE_LAGRANGE, CURVE_BEZIER, CURVE_RBF}, {WIDEST, PORTABLE}})
    ->Unit(benchmark::kMillisecond);

// One subdivision command ("s") from 250 to 500 points, trace off.
void BM_on_keyboard_subdivision(benchmark::State& state) {
  const VectorPath path(state);
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
  state.SetLabel(path.label(names[state.range(0)]));
}
BENCHMARK(BM_on_keyboard_subdivision)
    ->ArgsProduct({{SCHEME_RBF4, SCHEME_RBF6, SCHEME_NR4, SCHEME_DD}, {WIDEST, PORTABLE}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
