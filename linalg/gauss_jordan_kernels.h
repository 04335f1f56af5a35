#pragma once
// Row kernels of the Gauss-Jordan solver, one set per vector width (see
// linalg/vector_isa.h), the widest the processor has chosen at run time.
//
// Every kernel treats each element on its own with the same IEEE operations in
// the same order as the textbook loop (a product with the pivot row's element
// as first operand, then a subtraction, never fused), so all levels give
// bit-identical results; the wider ones only handle more elements per
// instruction. Rows handed to the kernels start on a 64-byte boundary and
// their width is a multiple of ROW_BLOCK doubles.

#include <cstdint>

#include "linalg/matrix.h"
#include "linalg/vector_isa.h"

namespace curvix {

constexpr int ROW_BLOCK = 8;  // doubles per 64-byte cache line: packed rows are padded to it

// Columns the pivot search may not choose carry an all-ones mask word; the
// others carry zero.
using ColumnMask = std::uint64_t;
constexpr ColumnMask COLUMN_EXCLUDED = ~ColumnMask{0};

struct GaussJordanKernels {
  const char* name;
  // row[l] = row[l] * inv, l in [0, width).
  void (*scale)(double* row, double inv, int width);
  // The largest |row[l]| over the columns l whose mask word is zero, NaN
  // elements ignored; -1.0 when no such element remains.
  double (*search)(const double* row, const ColumnMask* excluded, int width);
  // row[l] = row[l] - pivot[l] * f, l in [0, width); then search over the
  // updated row, in the same sweep.
  double (*eliminate_and_search)(double* row, const double* pivot, double f,
                                 const ColumnMask* excluded, int width);
  // count eliminations in a row: for j = 0..count-1 in order,
  // row[l] = row[l] - pivots[j][l] * factors[j], l in [0, width).
  void (*eliminate_many)(double* row, const double* const* pivots, const double* factors, int count,
                         int width);
};

// The kernels of one width; nullptr when this processor lacks it.
const GaussJordanKernels* gauss_jordan_kernels(VectorIsa isa);

// The kernels of widest_vector_isa().
const GaussJordanKernels& best_gauss_jordan_kernels();

// gauss_jordan_solve with the given kernels; b may be null (m is then
// ignored), in which case only a is reduced: the inverse alone.
int gauss_jordan_solve_with(const GaussJordanKernels& kernels, Matrix& a, int n, Matrix* b, int m);

}  // namespace curvix
