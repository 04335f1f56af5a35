// Cost of one redisplay's curve: the Lagrange and Bezier draws at N points,
// against the GL stand-in with recording off. The *_plain variants are the
// per-sample formula (one full evaluation per vertex, binomials per term), the
// others the program's draws; both give the same vertices bit for bit.

#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <array>

#include "app/app_state.h"
#include "app/curve_drawing.h"
#include "app/knots.h"
#include "app/scene.h"
#include "curves/bezier_curve.h"
#include "curves/curve_sampling.h"
#include "curves/lagrange_curve.h"
#include "gl_recorder.h"
#include "random_polygon.h"

namespace {

constexpr unsigned BENCHMARK_SEED = 2002;  // fixed, so every run works on the same polygon

void set_up_polygon(int n) {
  set_up_random_polygon(n, BENCHMARK_SEED);
}

// The draw as one evaluation per vertex, `evaluate` giving the sample k.
template <typename Evaluate>
void draw_plain(Evaluate evaluate) {
  set_colour(CURVE_LINE_COLOUR);
  glBegin(GL_LINE_STRIP);
  for (int k = 0; k <= CURVE_SEGMENTS; ++k) {
    const curvix::PlanarPoint p = evaluate(k);
    const std::array<double, 3> vertex{p.x, flipped_y(p.y), 0.0};
    glVertex3dv(vertex.data());
  }
  glEnd();
}

void draw_lagrange_curve_plain() {
  const int n = app.points.count;
  const double* u = &app.knots[1];
  const curvix::PlanarPoint* points = planar_points(app.points);
  draw_plain([&](int k) {
    return curvix::lagrange_evaluate(
        points, u, n, curvix::curve_sample_parameter(u[0], u[n - 1], k, CURVE_SEGMENTS));
  });
}

void draw_bezier_curve_plain() {
  const int n = app.points.count;
  const curvix::PlanarPoint* points = planar_points(app.points);
  draw_plain([&](int k) {
    return curvix::bezier_evaluate(points, n,
                                   static_cast<double>(k) / static_cast<double>(CURVE_SEGMENTS));
  });
}

template <void (*draw)()>
void BM_draw(benchmark::State& state) {
  set_up_polygon(static_cast<int>(state.range(0)));
  for (auto _ : state) draw();
  benchmark::DoNotOptimize(gl_recorder::call_count());
  gl_recorder::set_recording(true);
}

// False, with the benchmark marked skipped, where the processor lacks `isa`.
bool vector_path_available(benchmark::State& state, curvix::VectorIsa isa) {
  if (curvix::vector_isa_available(isa)) return true;
  state.SkipWithError("vector path not available on this processor");
  return false;
}

// The Lagrange sampling alone on one vector path (0 baseline, 1 AVX2, 2 AVX-512).
void BM_lagrange_samples(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const auto isa = static_cast<curvix::VectorIsa>(state.range(1));
  if (!vector_path_available(state, isa)) return;
  set_up_polygon(n);
  std::array<curvix::PlanarPoint, CURVE_SAMPLES> samples;
  for (auto _ : state) {
    curvix::lagrange_samples(planar_points(app.points), &app.knots[1], n, CURVE_SEGMENTS,
                             samples.data(), isa);
    benchmark::DoNotOptimize(samples.data());
  }
  gl_recorder::set_recording(true);
}

// Building the Lagrange curve's weight table on one vector path, as the first
// redisplay after a change of the parameter values does.
void BM_lagrange_weights(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const auto isa = static_cast<curvix::VectorIsa>(state.range(1));
  if (!vector_path_available(state, isa)) return;
  set_up_polygon(n);
  curvix::WeightTable table;
  for (auto _ : state) {
    curvix::lagrange_weights(&app.knots[1], n, CURVE_SEGMENTS, table, isa);
    benchmark::DoNotOptimize(table.weights.data());
  }
  gl_recorder::set_recording(true);
}

// The Bezier curve from scratch, and its weight table alone, at n points.
void BM_bezier_samples(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  set_up_polygon(n);
  std::array<curvix::PlanarPoint, CURVE_SAMPLES> samples;
  for (auto _ : state) {
    curvix::bezier_samples(planar_points(app.points), n, CURVE_SEGMENTS, samples.data());
    benchmark::DoNotOptimize(samples.data());
  }
  gl_recorder::set_recording(true);
}

void BM_bezier_weights(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  set_up_polygon(n);
  curvix::WeightTable table;
  for (auto _ : state) {
    curvix::bezier_weights(n, CURVE_SEGMENTS, table);
    benchmark::DoNotOptimize(table.weights.data());
  }
  gl_recorder::set_recording(true);
}

void point_counts(benchmark::internal::Benchmark* b) {
  b->Arg(10)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(BM_draw<draw_lagrange_curve_plain>)
    ->Name("BM_draw_lagrange_curve_plain")
    ->Apply(point_counts);
BENCHMARK(BM_draw<draw_lagrange_curve>)->Name("BM_draw_lagrange_curve")->Apply(point_counts);
BENCHMARK(BM_draw<draw_bezier_curve_plain>)
    ->Name("BM_draw_bezier_curve_plain")
    ->Apply(point_counts);
BENCHMARK(BM_draw<draw_bezier_curve>)->Name("BM_draw_bezier_curve")->Apply(point_counts);
BENCHMARK(BM_lagrange_samples)
    ->Name("BM_lagrange_samples")
    ->ArgsProduct({{200}, {curvix::VECTOR_BASELINE, curvix::VECTOR_AVX2, curvix::VECTOR_AVX512}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_lagrange_weights)
    ->Name("BM_lagrange_weights")
    ->ArgsProduct({{200}, {curvix::VECTOR_BASELINE, curvix::VECTOR_AVX2, curvix::VECTOR_AVX512}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_bezier_samples)->Name("BM_bezier_samples")->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_bezier_weights)->Name("BM_bezier_weights")->Arg(200)->Unit(benchmark::kMillisecond);
