#include "curves/lagrange_curve.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "linalg/vector_lanes.h"

// The kernels below pass and return wide vectors between always-inlined
// helpers, which GCC reports as an ABI change for code built without AVX; no
// such call survives inlining into the kernel of its width. GCC reports it
// once the whole file is compiled, so the warning stays off to its end.
#pragma GCC diagnostic ignored "-Wpsabi"

// A drawn curve makes (segments + 1) x m x (m - 1) divisions, about 20 million
// for 500 segments at m = 200, and the divider's throughput bounds the time.
// Vector lanes carry several samples at once, so the divisions of independent
// samples issue together; every lane still performs exactly the operations of
// lagrange_evaluate, in its order, so the bits do not change. The differences
// s - u_j are formed once per group of samples instead of once per (i, j).
// The lane width follows the widest vector set of the processor, chosen at run
// time; the tests compare every available width with the plain formula.

namespace curvix {

namespace {

// The portable vectors of linalg/vector_lanes.h: element-wise IEEE
// arithmetic, a scalar operand applies to every lane. The weights L_i of a
// group of samples go to a sink, which either sums them with the points into
// the samples or keeps them as a table.
template <int width, typename Sink>
[[gnu::always_inline]] inline void lagrange_lanes(const double* u, int m, int segments,
                                                  Sink& sink) {
  using Lanes = curvix::Lanes<width>;
  const Lanes ones = broadcast<width>(1.0);
  // s - u_j for the group's samples; one block per curve, aligned for its lanes.
  std::vector<double> offsets(static_cast<std::size_t>(m) * width);
  for (int first = 0; first <= segments; first += width) {
    Lanes s;
    // Lanes past the last sample repeat it; their results are dropped.
    for (int lane = 0; lane < width; ++lane)
      s[lane] = curve_sample_parameter(u[0], u[m - 1], std::min(first + lane, segments), segments);
    for (int j = 0; j < m; ++j)
      store_lanes<width>(&offsets[static_cast<std::size_t>(j) * width], s - u[j]);

    sink.begin_group();
    for (int i = 0; i < m; ++i) {
      Lanes weight = ones;
      for (int j = 0; j < m; ++j) {
        if (j == i) continue;
        const Lanes offset = load_lanes<width>(&offsets[static_cast<std::size_t>(j) * width]);
        weight = (offset / (u[i] - u[j])) * weight;
      }
      sink.add(i, first, weight);
    }
    sink.end_group(first, segments);
  }
}

// The samples: sum_i L_i (x_i, y_i), as lagrange_evaluate adds them.
template <int width>
struct SampleSums {
  const PlanarPoint* points;
  PlanarPoint* out;
  Lanes<width> x{};
  Lanes<width> y{};

  [[gnu::always_inline]] void begin_group() { x = y = Lanes<width>{}; }
  [[gnu::always_inline]] void add(int i, int, Lanes<width> weight) {
    x = x + weight * points[i].x;
    y = y + weight * points[i].y;
  }
  [[gnu::always_inline]] void end_group(int first, int segments) {
    for (int lane = 0; lane < width && first + lane <= segments; ++lane)
      out[first + lane] = PlanarPoint{x[lane], y[lane]};
  }
};

// The weights themselves, row i of the table. A row's padding takes the
// lanes past the last sample.
template <int width>
struct WeightRows {
  WeightTable& table;

  [[gnu::always_inline]] void begin_group() {}
  [[gnu::always_inline]] void add(int i, int first, Lanes<width> weight) {
    store_lanes<width>(weight_row(table, i) + first, weight);
  }
  [[gnu::always_inline]] void end_group(int, int) {}
};

template <int width>
[[gnu::always_inline]] inline void lagrange_sample_lanes(const PlanarPoint* points, const double* u,
                                                         int m, int segments, PlanarPoint* out) {
  SampleSums<width> sums{points, out};
  lagrange_lanes<width>(u, m, segments, sums);
}

template <int width>
[[gnu::always_inline]] inline void lagrange_weight_lanes(const double* u, int m, int segments,
                                                         WeightTable& table) {
  WeightRows<width> rows{table};
  lagrange_lanes<width>(u, m, segments, rows);
}

void lagrange_baseline(const PlanarPoint* points, const double* u, int m, int segments,
                       PlanarPoint* out) {
  lagrange_sample_lanes<2>(points, u, m, segments, out);
}

void lagrange_weights_baseline(const double* u, int m, int segments, WeightTable& table) {
  lagrange_weight_lanes<2>(u, m, segments, table);
}

#if CURVIX_X86_VECTORS
[[gnu::target("avx2")]] void lagrange_avx2(const PlanarPoint* points, const double* u, int m,
                                           int segments, PlanarPoint* out) {
  lagrange_sample_lanes<4>(points, u, m, segments, out);
}

[[gnu::target("avx2")]] void lagrange_weights_avx2(const double* u, int m, int segments,
                                                   WeightTable& table) {
  lagrange_weight_lanes<4>(u, m, segments, table);
}

[[gnu::target("avx512f")]] void lagrange_avx512(const PlanarPoint* points, const double* u, int m,
                                                int segments, PlanarPoint* out) {
  lagrange_sample_lanes<8>(points, u, m, segments, out);
}

[[gnu::target("avx512f")]] void lagrange_weights_avx512(const double* u, int m, int segments,
                                                        WeightTable& table) {
  lagrange_weight_lanes<8>(u, m, segments, table);
}
#endif

}  // namespace

PlanarPoint lagrange_evaluate(const PlanarPoint* points, const double* u, int m, double s) {
  PlanarPoint p;
  for (int i = 0; i < m; ++i) {
    double weight = 1.0;
    for (int j = 0; j < m; ++j) {
      if (j == i) continue;
      weight = ((s - u[j]) / (u[i] - u[j])) * weight;
    }
    p.x += weight * points[i].x;
    p.y += weight * points[i].y;
  }
  return p;
}

bool lagrange_samples(const PlanarPoint* points, const double* u, int m, int segments,
                      PlanarPoint* out, VectorIsa isa) {
  if (m < 1 || segments < 1) return false;
  if (!vector_isa_available(isa)) isa = VECTOR_BASELINE;
  switch (isa) {
#if CURVIX_X86_VECTORS
    case VECTOR_AVX2: lagrange_avx2(points, u, m, segments, out); return true;
    case VECTOR_AVX512: lagrange_avx512(points, u, m, segments, out); return true;
#endif
    default: lagrange_baseline(points, u, m, segments, out); return true;
  }
}

bool lagrange_weights(const double* u, int m, int segments, WeightTable& table, VectorIsa isa) {
  if (m < 1 || segments < 1) return false;
  shape_weight_table(table, m, segments + 1);
  if (!vector_isa_available(isa)) isa = VECTOR_BASELINE;
  switch (isa) {
#if CURVIX_X86_VECTORS
    case VECTOR_AVX2: lagrange_weights_avx2(u, m, segments, table); return true;
    case VECTOR_AVX512: lagrange_weights_avx512(u, m, segments, table); return true;
#endif
    default: lagrange_weights_baseline(u, m, segments, table); return true;
  }
}

}  // namespace curvix
