#include "curves/lagrange_curve.h"

#include <algorithm>
#include <array>

#include "app/app_state.h"

// A draw makes CURVE_SAMPLES x m x (m - 1) divisions, about 20 million at
// m = 200, and the divider's throughput bounds the time. Vector lanes carry
// several samples at once, so the divisions of independent samples issue
// together; every lane still performs exactly the operations of
// lagrange_evaluate, in its order, so the bits do not change. The differences
// s - u_j are formed once per group of samples instead of once per (i, j).
// The lane width follows the widest vector set of the processor, chosen at run
// time; the tests compare every available width with the plain formula.

namespace {

// GCC vector types: element-wise IEEE arithmetic, a scalar operand applies to every lane.
using Lanes2 = double __attribute__((vector_size(2 * sizeof(double))));  // one SSE2 register
using Lanes4 = double __attribute__((vector_size(4 * sizeof(double))));  // one AVX2 register
using Lanes8 = double __attribute__((vector_size(8 * sizeof(double))));  // one AVX-512 register

template <typename Lanes>
[[gnu::always_inline]] inline void lagrange_lanes(const Point* points, const double* u, int m,
                                                  CurveSamples& out) {
  constexpr int width = sizeof(Lanes) / sizeof(double);
  const Lanes ones = Lanes{} + 1.0;
  std::array<Lanes, MAX_CURVE_POINTS> offsets;  // s - u_j for the group's samples
  for (int first = 0; first < CURVE_SAMPLES; first += width) {
    Lanes s;
    // Lanes past the last sample repeat it; their results are dropped.
    for (int lane = 0; lane < width; ++lane)
      s[lane] = curve_sample_parameter(u[0], u[m - 1], std::min(first + lane, CURVE_SEGMENTS));
    for (int j = 0; j < m; ++j) offsets[static_cast<size_t>(j)] = s - u[j];

    Lanes x{};
    Lanes y{};
    for (int i = 0; i < m; ++i) {
      Lanes weight = ones;
      for (int j = 0; j < m; ++j) {
        if (j == i) continue;
        weight = (offsets[static_cast<size_t>(j)] / (u[i] - u[j])) * weight;
      }
      x = x + weight * points[i].x;
      y = y + weight * points[i].y;
    }
    for (int lane = 0; lane < width && first + lane < CURVE_SAMPLES; ++lane)
      out[static_cast<size_t>(first + lane)] = CurvePoint{x[lane], y[lane], 0.0};
  }
}

void lagrange_baseline(const Point* points, const double* u, int m, CurveSamples& out) {
  lagrange_lanes<Lanes2>(points, u, m, out);
}

#if CURVIX_X86_VECTORS
[[gnu::target("avx2")]] void lagrange_avx2(const Point* points, const double* u, int m,
                                           CurveSamples& out) {
  lagrange_lanes<Lanes4>(points, u, m, out);
}

[[gnu::target("avx512f")]] void lagrange_avx512(const Point* points, const double* u, int m,
                                                CurveSamples& out) {
  lagrange_lanes<Lanes8>(points, u, m, out);
}
#endif

}  // namespace

void lagrange_evaluate(CurvePoint* p, const double* u, double s, int m) {
  *p = CurvePoint{};
  for (int i = 0; i < m; ++i) {
    double weight = 1.0;
    for (int j = 0; j < m; ++j) {
      if (j == i) continue;
      weight = ((s - u[j]) / (u[i] - u[j])) * weight;
    }
    const Point& point = app.points.items[static_cast<size_t>(i)];
    p->x += weight * point.x;
    p->y += weight * point.y;
  }
}

bool lagrange_samples(const Point* points, const double* u, int m, CurveSamples& out,
                      VectorIsa isa) {
  if (!curve_drawable(m)) return false;
  if (!vector_isa_available(isa)) isa = VECTOR_BASELINE;
  switch (isa) {
#if CURVIX_X86_VECTORS
    case VECTOR_AVX2: lagrange_avx2(points, u, m, out); return true;
    case VECTOR_AVX512: lagrange_avx512(points, u, m, out); return true;
#endif
    default: lagrange_baseline(points, u, m, out); return true;
  }
}

void draw_lagrange_curve() {
  CurveSamples samples;
  if (!lagrange_samples(app.points.items.data(), &app.knots[1], app.points.count, samples)) return;
  draw_curve_strip(samples);
}
