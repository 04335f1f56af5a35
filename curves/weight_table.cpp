#include "curves/weight_table.h"

#include <algorithm>
#include <cassert>
#include <cstddef>

#include "linalg/vector_lanes.h"

// The kernels pass wide vectors between always-inlined helpers, which GCC
// reports as an ABI change for code built without AVX; no such call survives
// inlining into the kernel of its width.
#pragma GCC diagnostic ignored "-Wpsabi"

// A drawn curve at 200 points sums 200 terms for each of 501 samples, x and
// y: 0.2 million products and as many additions, which the lanes carry 2, 4
// or 8 samples at a time. Each lane holds one result's running sum and gets
// exactly the product and the addition of the plain loop, in its order, so
// the bits do not depend on the width.

namespace curvix {

namespace {

constexpr int SUM_BLOCK = 4;  // vectors of results summed per pass over the rows

static_assert(WEIGHT_ROW_BLOCK % (SUM_BLOCK * 8) == 0,
              "a row holds whole blocks of the widest sum");

std::size_t at(int term, int stride) {
  return static_cast<std::size_t>(term) * static_cast<std::size_t>(stride);
}

// Blocks of SUM_BLOCK vectors of results; for each block, every row in turn.
// Four independent sums per coordinate keep the adder's latency hidden.
template <int width>
[[gnu::always_inline]] inline void apply_lanes(const WeightTable& table, const PlanarPoint* values,
                                               PlanarPoint* out) {
  using Sum = Lanes<width>;
  constexpr int BLOCK = SUM_BLOCK * width;
  for (int first = 0; first < table.results; first += BLOCK) {
    Sum x[SUM_BLOCK];
    Sum y[SUM_BLOCK];
    for (int b = 0; b < SUM_BLOCK; ++b) x[b] = y[b] = broadcast<width>(0.0);
    for (int i = 0; i < table.terms; ++i) {
      const double* row = table.weights.data() + at(i, table.stride) + first;
      const Sum vx = broadcast<width>(values[i].x);
      const Sum vy = broadcast<width>(values[i].y);
      for (int b = 0; b < SUM_BLOCK; ++b) {
        const Sum w = load_lanes<width>(row + b * width);
        x[b] = x[b] + ordered_product<width>(w, vx);
        y[b] = y[b] + ordered_product<width>(w, vy);
      }
    }
    const int end = std::min(first + BLOCK, table.results);
    for (int r = first; r < end; ++r)
      out[r] = PlanarPoint{x[(r - first) / width][(r - first) % width],
                           y[(r - first) / width][(r - first) % width]};
  }
}

void apply_baseline(const WeightTable& table, const PlanarPoint* values, PlanarPoint* out) {
  apply_lanes<2>(table, values, out);
}

#if CURVIX_X86_VECTORS
[[gnu::target("avx2")]] void apply_avx2(const WeightTable& table, const PlanarPoint* values,
                                        PlanarPoint* out) {
  apply_lanes<4>(table, values, out);
}

[[gnu::target("avx512f")]] void apply_avx512(const WeightTable& table, const PlanarPoint* values,
                                             PlanarPoint* out) {
  apply_lanes<8>(table, values, out);
}
#endif

}  // namespace

void shape_weight_table(WeightTable& table, int terms, int results) {
  assert(terms >= 0 && results >= 0);
  table.terms = terms;
  table.results = results;
  table.stride = (results + WEIGHT_ROW_BLOCK - 1) / WEIGHT_ROW_BLOCK * WEIGHT_ROW_BLOCK;
  table.weights.resize(at(terms, table.stride));
  for (int i = 0; i < terms; ++i)
    std::fill(weight_row(table, i) + results, weight_row(table, i) + table.stride, 0.0);
}

void apply_weight_table(const WeightTable& table, const PlanarPoint* values, PlanarPoint* out,
                        VectorIsa isa) {
  if (!vector_isa_available(isa)) isa = VECTOR_BASELINE;
  switch (isa) {
#if CURVIX_X86_VECTORS
    case VECTOR_AVX2: apply_avx2(table, values, out); return;
    case VECTOR_AVX512: apply_avx512(table, values, out); return;
#endif
    default: apply_baseline(table, values, out); return;
  }
}

}  // namespace curvix
