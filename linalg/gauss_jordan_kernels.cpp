#include "linalg/gauss_jordan_kernels.h"

#include <cmath>

#include "linalg/vector_lanes.h"

// The kernels below pass and return wide vectors between always-inlined
// helpers, which GCC reports as an ABI change for code built without AVX; no
// such call survives inlining into the kernel of its width. GCC reports it
// once the whole file is compiled, so the warning stays off to its end.
#pragma GCC diagnostic ignored "-Wpsabi"

namespace curvix {

// Index
// - Kernels of one width
// - Instances per width
// - Dispatch
//
// The kernels are written once over Lanes<N> and instantiated for each width.
// The search kernels pass over NaN elements and excluded columns alike: a NaN
// never wins keep_greater. The accumulators start at -1.0 and never hold a
// NaN, so the lane maxima combine exactly in any order. Four accumulators (and
// four independent groups of elements in eliminate_many) keep the instruction
// latencies from serialising a sweep. Products keep the pivot row's element as
// the first operand, as the textbook loop has it, so NaN results match bit for
// bit too (see ordered_product).

namespace {

constexpr double NO_CANDIDATE = -1.0;  // below every magnitude: the row offers no pivot
constexpr int MAX_BATCH = 16;          // most eliminations eliminate_many takes at once
constexpr int LANES = 4;               // independent accumulators or element groups per sweep

// ------------------------------------------------------------------ Kernels of one width

// The largest of the accumulators' lanes. They never hold a NaN (a NaN
// candidate never wins), so the order in which they combine does not matter.
template <int N>
[[gnu::always_inline]] inline double lane_max(const Lanes<N> (&acc)[LANES]) {
  const Lanes<N> all =
      keep_greater<N>(keep_greater<N>(acc[0], acc[1]), keep_greater<N>(acc[2], acc[3]));
  double largest = all[0];
  for (int lane = 1; lane < N; ++lane) largest = all[lane] > largest ? all[lane] : largest;
  return largest;
}

// |v| with the sign bit cleared, OR the column's mask word: an excluded column
// becomes an all-ones pattern, a NaN, which never wins the comparison.
template <int N>
[[gnu::always_inline]] inline Lanes<N> masked_magnitude(Lanes<N> v, const ColumnMask* mask) {
  const LaneBits<N> magnitude = bits_of<N>(v) & 0x7fffffffffffffffULL;
  return lanes_of<N>(magnitude | load_bits<N>(mask));
}

// One element group of an elimination: row - pivot * f, stored and returned.
template <int N>
[[gnu::always_inline]] inline Lanes<N> eliminate_block(double* row, const double* pivot,
                                                       Lanes<N> f) {
  const Lanes<N> v = load_lanes<N>(row) - ordered_product<N>(load_lanes<N>(pivot), f);
  store_lanes<N>(row, v);
  return v;
}

template <int N>
[[gnu::always_inline]] inline void scale_lanes(double* row, double inv, int width) {
  const Lanes<N> s = broadcast<N>(inv);
  for (int l = 0; l < width; l += N) store_lanes<N>(row + l, load_lanes<N>(row + l) * s);
}

template <int N>
[[gnu::always_inline]] inline double search_lanes(const double* row, const ColumnMask* excluded,
                                                  int width) {
  constexpr int GROUP = LANES * N;
  Lanes<N> acc[LANES];
  for (Lanes<N>& a : acc) a = broadcast<N>(NO_CANDIDATE);
  int l = 0;
  for (; l + GROUP <= width; l += GROUP) {
    for (int g = 0; g < LANES; ++g) {
      const int at = l + g * N;
      acc[g] = keep_greater<N>(masked_magnitude<N>(load_lanes<N>(row + at), excluded + at), acc[g]);
    }
  }
  for (; l < width; l += N)
    acc[0] = keep_greater<N>(masked_magnitude<N>(load_lanes<N>(row + l), excluded + l), acc[0]);
  return lane_max<N>(acc);
}

template <int N>
[[gnu::always_inline]] inline double eliminate_and_search_lanes(double* row, const double* pivot,
                                                                double f,
                                                                const ColumnMask* excluded,
                                                                int width) {
  constexpr int GROUP = LANES * N;
  const Lanes<N> fv = broadcast<N>(f);
  Lanes<N> acc[LANES];
  for (Lanes<N>& a : acc) a = broadcast<N>(NO_CANDIDATE);
  int l = 0;
  for (; l + GROUP <= width; l += GROUP) {
    for (int g = 0; g < LANES; ++g) {
      const int at = l + g * N;
      acc[g] = keep_greater<N>(
          masked_magnitude<N>(eliminate_block<N>(row + at, pivot + at, fv), excluded + at), acc[g]);
    }
  }
  for (; l < width; l += N)
    acc[0] = keep_greater<N>(
        masked_magnitude<N>(eliminate_block<N>(row + l, pivot + l, fv), excluded + l), acc[0]);
  return lane_max<N>(acc);
}

template <int N>
[[gnu::always_inline]] inline void eliminate_many_lanes(double* row, const double* const* pivots,
                                                        const double* factors, int count,
                                                        int width) {
  Lanes<N> fv[MAX_BATCH];
  for (int j = 0; j < count; ++j) fv[j] = broadcast<N>(factors[j]);
  constexpr int GROUP = LANES * N;
  int l = 0;
  for (; l + GROUP <= width; l += GROUP) {
    Lanes<N> v[LANES];
    for (int g = 0; g < LANES; ++g) v[g] = load_lanes<N>(row + l + g * N);
    for (int j = 0; j < count; ++j) {
      for (int g = 0; g < LANES; ++g)
        v[g] = v[g] - ordered_product<N>(load_lanes<N>(pivots[j] + l + g * N), fv[j]);
    }
    for (int g = 0; g < LANES; ++g) store_lanes<N>(row + l + g * N, v[g]);
  }
  for (; l < width; l += N) {
    Lanes<N> v = load_lanes<N>(row + l);
    for (int j = 0; j < count; ++j) v = v - ordered_product<N>(load_lanes<N>(pivots[j] + l), fv[j]);
    store_lanes<N>(row + l, v);
  }
}

// ------------------------------------------------------------------ Instances per width

// One function per kernel and width, compiled for the width's target, so the
// inlined bodies above use its registers.
#define CURVIX_GAUSS_JORDAN_KERNELS(SUFFIX, N, TARGET)                                      \
  TARGET void scale_##SUFFIX(double* row, double inv, int width) {                          \
    scale_lanes<N>(row, inv, width);                                                        \
  }                                                                                         \
  TARGET double search_##SUFFIX(const double* row, const ColumnMask* excluded, int width) { \
    return search_lanes<N>(row, excluded, width);                                           \
  }                                                                                         \
  TARGET double eliminate_and_search_##SUFFIX(double* row, const double* pivot, double f,   \
                                              const ColumnMask* excluded, int width) {      \
    return eliminate_and_search_lanes<N>(row, pivot, f, excluded, width);                   \
  }                                                                                         \
  TARGET void eliminate_many_##SUFFIX(double* row, const double* const* pivots,             \
                                      const double* factors, int count, int width) {        \
    eliminate_many_lanes<N>(row, pivots, factors, count, width);                            \
  }                                                                                         \
  constexpr GaussJordanKernels SUFFIX##_KERNELS{#SUFFIX, scale_##SUFFIX, search_##SUFFIX,   \
                                                eliminate_and_search_##SUFFIX,              \
                                                eliminate_many_##SUFFIX};

CURVIX_GAUSS_JORDAN_KERNELS(baseline, 2, )
#if CURVIX_X86_VECTORS
CURVIX_GAUSS_JORDAN_KERNELS(avx2, 4, [[gnu::target("avx2")]])
CURVIX_GAUSS_JORDAN_KERNELS(avx512, 8, [[gnu::target("avx512f")]])
#endif

#undef CURVIX_GAUSS_JORDAN_KERNELS

}  // namespace

const GaussJordanKernels* gauss_jordan_kernels(VectorIsa isa) {
  if (!vector_isa_available(isa)) return nullptr;
  switch (isa) {
    case VECTOR_BASELINE: return &baseline_KERNELS;
#if CURVIX_X86_VECTORS
    case VECTOR_AVX2: return &avx2_KERNELS;
    case VECTOR_AVX512: return &avx512_KERNELS;
#else
    default: return nullptr;
#endif
  }
  return nullptr;
}

const GaussJordanKernels& best_gauss_jordan_kernels() {
  return *gauss_jordan_kernels(widest_vector_isa());
}

}  // namespace curvix
