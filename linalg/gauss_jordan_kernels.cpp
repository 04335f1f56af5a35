#include "linalg/gauss_jordan_kernels.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include <cmath>

// Index
// - Scalar kernels
// - AVX2 kernels
// - AVX-512 kernels
// - Dispatch
//
// The search kernels build |a| by clearing the sign bit and then OR in the
// column's mask word: an excluded column becomes an all-ones pattern, a NaN,
// which the max instruction passes over exactly as it passes over a NaN
// element, because max(v, acc) returns acc whenever v is NaN. The accumulators
// start at -1.0 and never hold a NaN, so the lane maxima combine exactly in any
// order. Four accumulators (and four independent rows of elements in
// eliminate_many) keep the instruction latencies from serialising a sweep.
//
// When both factors of a product are NaN, x86 returns the first source
// operand's NaN, so the order of the operands decides the sign and payload of
// the result. Compilers treat the product as commutative and, for vectors, fold
// the memory operand into the second source. The textbook loop compiles with
// the pivot row's element as the first source; the vector products below are
// written in assembly to keep that order, so NaN results match bit for bit too.

namespace {

constexpr double NO_CANDIDATE = -1.0;  // below every magnitude: the row offers no pivot
#if defined(__x86_64__)
constexpr int MAX_BATCH = 16;  // most eliminations eliminate_many takes at once
constexpr int LANES = 4;       // independent accumulators or element groups per sweep
#endif

// ------------------------------------------------------------------ Scalar kernels

void scale_scalar(double* row, double inv, int width) {
  for (int l = 0; l < width; ++l) row[l] = row[l] * inv;
}

double search_scalar(const double* row, const ColumnMask* excluded, int width) {
  double largest = NO_CANDIDATE;
  for (int l = 0; l < width; ++l) {
    const double v = std::fabs(row[l]);
    if (excluded[l] == 0 && v > largest) largest = v;
  }
  return largest;
}

double eliminate_and_search_scalar(double* row, const double* pivot, double f,
                                   const ColumnMask* excluded, int width) {
  for (int l = 0; l < width; ++l) row[l] = row[l] - pivot[l] * f;
  return search_scalar(row, excluded, width);
}

void eliminate_many_scalar(double* row, const double* const* pivots, const double* factors,
                           int count, int width) {
  for (int l = 0; l < width; ++l) {
    double v = row[l];
    for (int j = 0; j < count; ++j) v = v - pivots[j][l] * factors[j];
    row[l] = v;
  }
}

// Other targets (WebAssembly) build the scalar kernels alone.
#if defined(__x86_64__)
// ------------------------------------------------------------------ AVX2 kernels

constexpr int AVX2_DOUBLES = 4;

// pivot * f with the pivot element as the first source operand.
__attribute__((target("avx2"))) __m256d pivot_times_avx2(__m256d pivot, __m256d f) {
  __m256d product;
  __asm__("vmulpd %2, %1, %0" : "=x"(product) : "x"(pivot), "x"(f));
  return product;
}

__attribute__((target("avx2"))) __m256d masked_magnitude_avx2(__m256d v, const ColumnMask* mask) {
  const __m256d sign = _mm256_set1_pd(-0.0);
  const __m256d m = _mm256_castsi256_pd(_mm256_load_si256(reinterpret_cast<const __m256i*>(mask)));
  return _mm256_or_pd(_mm256_andnot_pd(sign, v), m);
}

__attribute__((target("avx2"))) double lane_max_avx2(const __m256d (&acc)[LANES]) {
  const __m256d all = _mm256_max_pd(_mm256_max_pd(acc[0], acc[1]), _mm256_max_pd(acc[2], acc[3]));
  const __m128d half = _mm_max_pd(_mm256_castpd256_pd128(all), _mm256_extractf128_pd(all, 1));
  return _mm_cvtsd_f64(_mm_max_sd(half, _mm_unpackhi_pd(half, half)));
}

__attribute__((target("avx2"))) void scale_avx2(double* row, double inv, int width) {
  const __m256d s = _mm256_set1_pd(inv);
  for (int l = 0; l < width; l += AVX2_DOUBLES)
    _mm256_store_pd(row + l, _mm256_mul_pd(_mm256_load_pd(row + l), s));
}

__attribute__((target("avx2"))) double search_avx2(const double* row, const ColumnMask* excluded,
                                                   int width) {
  constexpr int GROUP = LANES * AVX2_DOUBLES;
  __m256d acc[LANES];
  for (__m256d& a : acc) a = _mm256_set1_pd(NO_CANDIDATE);
  int l = 0;
  for (; l + GROUP <= width; l += GROUP) {
    for (int g = 0; g < LANES; ++g) {
      const int at = l + g * AVX2_DOUBLES;
      acc[g] =
          _mm256_max_pd(masked_magnitude_avx2(_mm256_load_pd(row + at), excluded + at), acc[g]);
    }
  }
  for (; l < width; l += AVX2_DOUBLES)
    acc[0] = _mm256_max_pd(masked_magnitude_avx2(_mm256_load_pd(row + l), excluded + l), acc[0]);
  return lane_max_avx2(acc);
}

// One element group of an elimination: row - pivot * f, stored and returned.
__attribute__((target("avx2"))) __m256d eliminate_block_avx2(double* row, const double* pivot,
                                                             __m256d f) {
  const __m256d v = _mm256_sub_pd(_mm256_load_pd(row), pivot_times_avx2(_mm256_load_pd(pivot), f));
  _mm256_store_pd(row, v);
  return v;
}

__attribute__((target("avx2"))) double eliminate_and_search_avx2(double* row, const double* pivot,
                                                                 double f,
                                                                 const ColumnMask* excluded,
                                                                 int width) {
  constexpr int GROUP = LANES * AVX2_DOUBLES;
  const __m256d fv = _mm256_set1_pd(f);
  __m256d acc[LANES];
  for (__m256d& a : acc) a = _mm256_set1_pd(NO_CANDIDATE);
  int l = 0;
  for (; l + GROUP <= width; l += GROUP) {
    for (int g = 0; g < LANES; ++g) {
      const int at = l + g * AVX2_DOUBLES;
      acc[g] = _mm256_max_pd(
          masked_magnitude_avx2(eliminate_block_avx2(row + at, pivot + at, fv), excluded + at),
          acc[g]);
    }
  }
  for (; l < width; l += AVX2_DOUBLES)
    acc[0] = _mm256_max_pd(
        masked_magnitude_avx2(eliminate_block_avx2(row + l, pivot + l, fv), excluded + l), acc[0]);
  return lane_max_avx2(acc);
}

__attribute__((target("avx2"))) void eliminate_many_avx2(double* row, const double* const* pivots,
                                                         const double* factors, int count,
                                                         int width) {
  __m256d fv[MAX_BATCH];
  for (int j = 0; j < count; ++j) fv[j] = _mm256_set1_pd(factors[j]);
  constexpr int GROUP = LANES * AVX2_DOUBLES;
  int l = 0;
  for (; l + GROUP <= width; l += GROUP) {
    __m256d v[LANES];
    for (int g = 0; g < LANES; ++g) v[g] = _mm256_load_pd(row + l + g * AVX2_DOUBLES);
    for (int j = 0; j < count; ++j) {
      for (int g = 0; g < LANES; ++g) {
        const __m256d p = _mm256_load_pd(pivots[j] + l + g * AVX2_DOUBLES);
        v[g] = _mm256_sub_pd(v[g], pivot_times_avx2(p, fv[j]));
      }
    }
    for (int g = 0; g < LANES; ++g) _mm256_store_pd(row + l + g * AVX2_DOUBLES, v[g]);
  }
  for (; l < width; l += AVX2_DOUBLES) {
    __m256d v = _mm256_load_pd(row + l);
    for (int j = 0; j < count; ++j)
      v = _mm256_sub_pd(v, pivot_times_avx2(_mm256_load_pd(pivots[j] + l), fv[j]));
    _mm256_store_pd(row + l, v);
  }
}

// ------------------------------------------------------------------ AVX-512 kernels

constexpr int AVX512_DOUBLES = 8;

// GCC 12 warns on the unmasked forms of max and extract (and the cast built on
// extract), whose builtins take an undefined source; the all-lanes masked forms
// are the same instructions.
constexpr __mmask8 ALL_LANES = 0xff;  // eight doubles

__attribute__((target("avx512f"))) __m512d pivot_times_avx512(__m512d pivot, __m512d f) {
  __m512d product;
  __asm__("vmulpd %2, %1, %0" : "=v"(product) : "v"(pivot), "v"(f));
  return product;
}

// |v| with the sign bit cleared, OR the mask word; integer operations keep this
// within AVX512F.
__attribute__((target("avx512f"))) __m512d masked_magnitude_avx512(__m512d v,
                                                                   const ColumnMask* mask) {
  const __m512i magnitude_bits = _mm512_set1_epi64(0x7fffffffffffffffLL);
  const __m512i bits = _mm512_and_si512(_mm512_castpd_si512(v), magnitude_bits);
  return _mm512_castsi512_pd(_mm512_or_si512(bits, _mm512_load_si512(mask)));
}

__attribute__((target("avx512f"))) __m512d max_avx512(__m512d v, __m512d acc) {
  return _mm512_mask_max_pd(acc, ALL_LANES, v, acc);
}

__attribute__((target("avx512f"))) double lane_max_avx512(const __m512d (&acc)[LANES]) {
  const __m512d all = max_avx512(max_avx512(acc[0], acc[1]), max_avx512(acc[2], acc[3]));
  const __m256d zero = _mm256_setzero_pd();
  const __m256d low = _mm512_mask_extractf64x4_pd(zero, ALL_LANES, all, 0);
  const __m256d high = _mm512_mask_extractf64x4_pd(zero, ALL_LANES, all, 1);
  const __m256d quad = _mm256_max_pd(low, high);
  const __m128d half = _mm_max_pd(_mm256_castpd256_pd128(quad), _mm256_extractf128_pd(quad, 1));
  return _mm_cvtsd_f64(_mm_max_sd(half, _mm_unpackhi_pd(half, half)));
}

__attribute__((target("avx512f"))) void scale_avx512(double* row, double inv, int width) {
  const __m512d s = _mm512_set1_pd(inv);
  for (int l = 0; l < width; l += AVX512_DOUBLES)
    _mm512_store_pd(row + l, _mm512_mul_pd(_mm512_load_pd(row + l), s));
}

__attribute__((target("avx512f"))) double search_avx512(const double* row,
                                                        const ColumnMask* excluded, int width) {
  constexpr int GROUP = LANES * AVX512_DOUBLES;
  __m512d acc[LANES];
  for (__m512d& a : acc) a = _mm512_set1_pd(NO_CANDIDATE);
  int l = 0;
  for (; l + GROUP <= width; l += GROUP) {
    for (int g = 0; g < LANES; ++g) {
      const int at = l + g * AVX512_DOUBLES;
      acc[g] = max_avx512(masked_magnitude_avx512(_mm512_load_pd(row + at), excluded + at), acc[g]);
    }
  }
  for (; l < width; l += AVX512_DOUBLES)
    acc[0] = max_avx512(masked_magnitude_avx512(_mm512_load_pd(row + l), excluded + l), acc[0]);
  return lane_max_avx512(acc);
}

// One element group of an elimination: row - pivot * f, stored and returned.
__attribute__((target("avx512f"))) __m512d eliminate_block_avx512(double* row, const double* pivot,
                                                                  __m512d f) {
  const __m512d v =
      _mm512_sub_pd(_mm512_load_pd(row), pivot_times_avx512(_mm512_load_pd(pivot), f));
  _mm512_store_pd(row, v);
  return v;
}

__attribute__((target("avx512f"))) double eliminate_and_search_avx512(double* row,
                                                                      const double* pivot, double f,
                                                                      const ColumnMask* excluded,
                                                                      int width) {
  constexpr int GROUP = LANES * AVX512_DOUBLES;
  const __m512d fv = _mm512_set1_pd(f);
  __m512d acc[LANES];
  for (__m512d& a : acc) a = _mm512_set1_pd(NO_CANDIDATE);
  int l = 0;
  for (; l + GROUP <= width; l += GROUP) {
    for (int g = 0; g < LANES; ++g) {
      const int at = l + g * AVX512_DOUBLES;
      acc[g] = max_avx512(
          masked_magnitude_avx512(eliminate_block_avx512(row + at, pivot + at, fv), excluded + at),
          acc[g]);
    }
  }
  for (; l < width; l += AVX512_DOUBLES)
    acc[0] = max_avx512(
        masked_magnitude_avx512(eliminate_block_avx512(row + l, pivot + l, fv), excluded + l),
        acc[0]);
  return lane_max_avx512(acc);
}

__attribute__((target("avx512f"))) void eliminate_many_avx512(double* row,
                                                              const double* const* pivots,
                                                              const double* factors, int count,
                                                              int width) {
  __m512d fv[MAX_BATCH];
  for (int j = 0; j < count; ++j) fv[j] = _mm512_set1_pd(factors[j]);
  constexpr int GROUP = LANES * AVX512_DOUBLES;
  int l = 0;
  for (; l + GROUP <= width; l += GROUP) {
    __m512d v[LANES];
    for (int g = 0; g < LANES; ++g) v[g] = _mm512_load_pd(row + l + g * AVX512_DOUBLES);
    for (int j = 0; j < count; ++j) {
      for (int g = 0; g < LANES; ++g) {
        const __m512d p = _mm512_load_pd(pivots[j] + l + g * AVX512_DOUBLES);
        v[g] = _mm512_sub_pd(v[g], pivot_times_avx512(p, fv[j]));
      }
    }
    for (int g = 0; g < LANES; ++g) _mm512_store_pd(row + l + g * AVX512_DOUBLES, v[g]);
  }
  for (; l < width; l += AVX512_DOUBLES) {
    __m512d v = _mm512_load_pd(row + l);
    for (int j = 0; j < count; ++j)
      v = _mm512_sub_pd(v, pivot_times_avx512(_mm512_load_pd(pivots[j] + l), fv[j]));
    _mm512_store_pd(row + l, v);
  }
}

#endif

// ------------------------------------------------------------------ Dispatch

constexpr GaussJordanKernels SCALAR_KERNELS{"scalar", scale_scalar, search_scalar,
                                            eliminate_and_search_scalar, eliminate_many_scalar};
#if defined(__x86_64__)
constexpr GaussJordanKernels AVX2_KERNELS{"avx2", scale_avx2, search_avx2,
                                          eliminate_and_search_avx2, eliminate_many_avx2};
constexpr GaussJordanKernels AVX512_KERNELS{"avx512", scale_avx512, search_avx512,
                                            eliminate_and_search_avx512, eliminate_many_avx512};
#endif

}  // namespace

const GaussJordanKernels* gauss_jordan_kernels(KernelLevel level) {
#if !defined(__x86_64__)
  return level == KernelLevel::SCALAR ? &SCALAR_KERNELS : nullptr;
#else
  switch (level) {
    case KernelLevel::SCALAR: return &SCALAR_KERNELS;
    case KernelLevel::AVX2: return __builtin_cpu_supports("avx2") ? &AVX2_KERNELS : nullptr;
    case KernelLevel::AVX512: return __builtin_cpu_supports("avx512f") ? &AVX512_KERNELS : nullptr;
  }
  return nullptr;
#endif
}

const GaussJordanKernels& best_gauss_jordan_kernels() {
  static const GaussJordanKernels& best = []() -> const GaussJordanKernels& {
#if defined(__x86_64__)
    __builtin_cpu_init();  // harmless after start-up; needed if first called before main
#endif
    for (KernelLevel level : {KernelLevel::AVX512, KernelLevel::AVX2}) {
      if (const GaussJordanKernels* kernels = gauss_jordan_kernels(level)) return *kernels;
    }
    return SCALAR_KERNELS;
  }();
  return best;
}
