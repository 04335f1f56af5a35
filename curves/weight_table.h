#pragma once
// A table of weights that turns values into results by weighted sums: the
// part of a curve that depends on the points alone. Everything else (the
// parameter values, the degree, the basis and its settings, the point count)
// goes into the weights, which a caller can keep while only the points move.
//
// Result r is the sum over the terms i = 0..terms-1, in increasing i, of
// weight(i, r) * value_i, starting from 0.0, for x and y separately: the
// order and the operands of the plain curve formulas, whose running sums
// start at 0.0 and add one weight times one value per term.
//
// Storage is term-major: the weights of term i for every result are one row
// of `stride` doubles, so the sums of many results advance together in
// vector lanes. The padding past `results` holds weights whose sums are
// never read.

#include <cstddef>
#include <vector>

#include "curves/planar_point.h"
#include "curves/vector_isa.h"

namespace curvix {

constexpr int WEIGHT_ROW_BLOCK = 32;  // doubles; rows are padded to whole blocks of the widest sum

struct WeightTable {
  int terms = 0;                // rows: one per value summed
  int results = 0;              // sums formed from the rows
  int stride = 0;               // doubles per row: results rounded up to WEIGHT_ROW_BLOCK
  std::vector<double> weights;  // terms x stride, weight(i, r) at i * stride + r
};

// Gives the table terms x results weights (terms, results >= 0) for the
// caller to write, every one of them: they are left as the storage held them.
// The padding is set to 0.0. Storage already large enough is kept, so a table
// rebuilt at the same size allocates nothing and writes each weight once.
void shape_weight_table(WeightTable& table, int terms, int results);

// The weights of term i (0 <= i < terms), one per result and the padding.
// Inline: the kernels that fill a table call it in their innermost loops.
inline double* weight_row(WeightTable& table, int term) {
  return table.weights.data() +
         static_cast<std::size_t>(term) * static_cast<std::size_t>(table.stride);
}
inline const double* weight_row(const WeightTable& table, int term) {
  return table.weights.data() +
         static_cast<std::size_t>(term) * static_cast<std::size_t>(table.stride);
}

// out[r] for r = 0..results-1 as described above, from values[0 .. terms-1].
// `isa` selects the lane width; every width gives the same bits (an
// unavailable one falls back to VECTOR_BASELINE).
void apply_weight_table(const WeightTable& table, const PlanarPoint* values, PlanarPoint* out,
                        VectorIsa isa = widest_vector_isa());

}  // namespace curvix
