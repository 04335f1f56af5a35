// The Gauss-Jordan solver on the largest curve system size: the plain
// transcription as the baseline, the full solver with its right-hand sides,
// and the inverse alone, each kernel level on its own.

#include <benchmark/benchmark.h>

#include <cmath>

#include "linalg/gauss_jordan_kernels.h"
#include "linalg/gauss_jordan_solve.h"
#include "linalg/matrix.h"
#include "reference/plain_gauss_jordan_solve.h"

using namespace curvix;

namespace {

// A regular system shaped like the curve systems: a zero corner of two rows
// and columns, the powers 0 and 1 of uniform parameter values beside it, and
// multiquadric distances in the remaining block.
Matrix curve_like_system(int n) {
  Matrix a = matrix_alloc(n, n);
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      if (i <= 2 && j <= 2) continue;
      if (i <= 2)
        a[i][j] = std::pow(j - 3.0, i - 1.0);
      else if (j <= 2)
        a[i][j] = std::pow(i - 3.0, j - 1.0);
      else
        a[i][j] = std::sqrt((i - j) * (i - j) + 1.0);
    }
  }
  return a;
}

Matrix identity(int n) {
  Matrix b = matrix_alloc(n, n);
  for (int i = 1; i <= n; ++i) b[i][i] = 1.0;
  return b;
}

void BM_gauss_jordan_solve_plain(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    Matrix a = curve_like_system(n);
    Matrix b = identity(n);
    benchmark::DoNotOptimize(plain_gauss_jordan_solve(a, n, b, n));
  }
}
BENCHMARK(BM_gauss_jordan_solve_plain)->Arg(202)->Unit(benchmark::kMicrosecond);

void BM_gauss_jordan_solve(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    Matrix a = curve_like_system(n);
    Matrix b = identity(n);
    benchmark::DoNotOptimize(gauss_jordan_solve(a, n, b, n));
  }
}
BENCHMARK(BM_gauss_jordan_solve)->Arg(202)->Unit(benchmark::kMicrosecond);

void BM_gauss_jordan_invert(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    Matrix a = curve_like_system(n);
    benchmark::DoNotOptimize(gauss_jordan_invert(a, n));
  }
}
BENCHMARK(BM_gauss_jordan_invert)->Arg(202)->Unit(benchmark::kMicrosecond);

// The inverse alone with one kernel level; skipped where the processor lacks it.
void BM_gauss_jordan_invert_level(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const GaussJordanKernels* kernels = gauss_jordan_kernels(static_cast<VectorIsa>(state.range(1)));
  if (kernels == nullptr) {
    state.SkipWithError("kernel level not supported by this processor");
    return;
  }
  state.SetLabel(kernels->name);
  for (auto _ : state) {
    Matrix a = curve_like_system(n);
    benchmark::DoNotOptimize(gauss_jordan_solve_with(*kernels, a, n, nullptr, 0));
  }
}
BENCHMARK(BM_gauss_jordan_invert_level)
    ->Args({202, static_cast<int>(VECTOR_BASELINE)})
    ->Args({202, static_cast<int>(VECTOR_AVX2)})
    ->Args({202, static_cast<int>(VECTOR_AVX512)})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
