#include "linalg/gauss_jordan_solve.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#include "linalg/gauss_jordan_kernels.h"

namespace curvix {

// Index
// - Packed storage
// - Elimination
// - Entry points
//
// The passes run on a packed copy of [a | b]: row i of a followed by row i of
// b in one 64-byte aligned block, padded to a multiple of ROW_BLOCK doubles, so
// scaling and elimination treat a and b in one vector sweep. Each element still
// goes through exactly the operations of the textbook solver in the same order,
// so the copy written back is bit-identical to what the in-place transcription
// leaves, on success and on failure. Two things change only when work is done:
//
// - The pivot search for the next pass is folded into this pass's elimination
//   sweep: each row without a pivot reports its largest candidate magnitude as
//   it is updated.
// - Rows that already hold a pivot are never searched and never become pivot
//   rows again, so their eliminations are deferred and applied DEFERRED_PASSES
//   passes at a time, in pass order, in one sweep over the row. The sweep
//   reads the pivot rows as they were in their own passes, kept in snapshots.
//   That cuts the traffic through the cache, which bounds the solve.

namespace {

constexpr int DEFERRED_PASSES = 8;  // eliminations batched per sweep over a pivoted row

// ------------------------------------------------------------------ Packed storage

template <typename T>
struct AlignedFree {
  void operator()(T* p) const { std::free(p); }
};

template <typename T>
using AlignedArray = std::unique_ptr<T[], AlignedFree<T>>;

constexpr std::size_t ROW_ALIGNMENT = 64;  // bytes: one cache line, one AVX-512 load

// count elements of T, zero-filled, on a ROW_ALIGNMENT boundary; count is a
// multiple of ROW_BLOCK, so the byte size is a multiple of the alignment.
template <typename T>
AlignedArray<T> aligned_zeros(std::size_t count) {
  void* block = std::aligned_alloc(ROW_ALIGNMENT, count * sizeof(T));
  if (block == nullptr) throw std::bad_alloc();
  T* items = static_cast<T*>(block);
  std::fill(items, items + count, T{});
  return AlignedArray<T>(items);
}

int padded_width(int columns) {
  return (columns + ROW_BLOCK - 1) / ROW_BLOCK * ROW_BLOCK;
}

// Rows of `width` doubles, 1-based, each on a ROW_ALIGNMENT boundary.
class PackedRows {
 public:
  PackedRows(int rows, int width)
      : width_(width),
        cells_(aligned_zeros<double>(static_cast<std::size_t>(rows) *
                                     static_cast<std::size_t>(width))) {}

  int width() const { return width_; }
  double* row(int i) { return cells_.get() + offset(i); }
  const double* row(int i) const { return cells_.get() + offset(i); }

 private:
  std::size_t offset(int i) const {
    return static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(width_);
  }
  int width_;
  AlignedArray<double> cells_;
};

// [a | b] packed; column j of a (1-based) sits at offset j - 1 of a row, column
// j of b at offset n + j - 1.
class PackedSystem {
 public:
  PackedSystem(const Matrix& a, int n, const Matrix* b, int m)
      : n_(n), m_(m), rows_(n, padded_width(n + m)) {
    for (int i = 1; i <= n_; ++i) {
      std::copy(a[i] + 1, a[i] + 1 + n_, row(i));
      if (b != nullptr) std::copy((*b)[i] + 1, (*b)[i] + 1 + m_, row(i) + n_);
    }
  }

  void write_back(Matrix& a, Matrix* b) const {
    for (int i = 1; i <= n_; ++i) {
      std::copy(row(i), row(i) + n_, a[i] + 1);
      if (b != nullptr) std::copy(row(i) + n_, row(i) + n_ + m_, (*b)[i] + 1);
    }
  }

  int width() const { return rows_.width(); }
  double* row(int i) { return rows_.row(i); }
  const double* row(int i) const { return rows_.row(i); }

  void exchange_rows(int p, int q) { std::swap_ranges(row(p), row(p) + width(), row(q)); }

  void exchange_columns(int j, int k) {
    for (int i = 1; i <= n_; ++i) std::swap(row(i)[j - 1], row(i)[k - 1]);
  }

 private:
  int n_;
  int m_;
  PackedRows rows_;
};

// ------------------------------------------------------------------ Elimination

// The state of one solve: the packed system, the three pivot vectors of the
// textbook solver, the mask of columns the search may no longer choose
// (pivoted columns, padding and b's columns), per row the largest candidate
// magnitude left by the last sweep and the last pass applied to it, and the
// pivot rows of the passes not yet applied to every pivoted row.
class Elimination {
 public:
  Elimination(const GaussJordanKernels& kernels, const Matrix& a, int n, const Matrix* b, int m)
      : k_(kernels),
        n_(n),
        system_(a, n, b, m),
        pivot_count_(int_vector_alloc(1, n)),
        pivot_row_(int_vector_alloc(1, n)),
        pivot_col_(int_vector_alloc(1, n)),
        excluded_(aligned_zeros<ColumnMask>(static_cast<std::size_t>(system_.width()))),
        row_largest_(static_cast<std::size_t>(n + 1)),
        applied_through_(static_cast<std::size_t>(n + 1)),
        snapshots_(DEFERRED_PASSES, system_.width()),
        sweep_rows_(static_cast<std::size_t>(n)),
        sweep_factors_(static_cast<std::size_t>(n)),
        deferred_rows_(static_cast<std::size_t>(n)),
        deferred_factors_(static_cast<std::size_t>(n) * DEFERRED_PASSES) {
    std::fill(excluded_.get() + n_, excluded_.get() + system_.width(), COLUMN_EXCLUDED);
    for (int j = 1; j <= n_; ++j) {
      pivot_count_[j] = 0;
      largest_in(j) = k_.search(system_.row(j), excluded_.get(), system_.width());
    }
  }

  // Runs the passes and undoes the column order; the result of the solve.
  // Whatever the outcome, every row is brought up to date for write_back.
  int run() {
    for (int i = 1; i <= n_; ++i) {
      if (!pass(i)) {
        apply_deferred();
        return 0;
      }
    }
    apply_deferred();
    for (int l = n_; l >= 1; --l) {
      if (pivot_row_[l] != pivot_col_[l]) system_.exchange_columns(pivot_row_[l], pivot_col_[l]);
    }
    return 1;
  }

  void write_back(Matrix& a, Matrix* b) const { system_.write_back(a, b); }

 private:
  double& largest_in(int row) { return row_largest_[static_cast<std::size_t>(row)]; }
  int& applied_through(int row) { return applied_through_[static_cast<std::size_t>(row)]; }
  double* snapshot(int pass) { return snapshots_.row((pass - 1) % DEFERRED_PASSES + 1); }

  // One pass: search, count, exchange, record, test, scale, eliminate.
  bool pass(int i) {
    int p = 0;
    int q = 0;
    if (!search(p, q)) return false;
    ++pivot_count_[q];
    applied_through(q) = i - 1;  // rows without a pivot are always up to date
    if (p != q) system_.exchange_rows(p, q);
    pivot_row_[i] = p;
    pivot_col_[i] = q;
    double* pivot = system_.row(q);
    if (!(std::fabs(pivot[q - 1]) >= PIVOT_TOLERANCE)) return false;
    const double inv = 1.0 / pivot[q - 1];
    pivot[q - 1] = 1.0;
    k_.scale(pivot, inv, system_.width());
    excluded_[static_cast<std::size_t>(q - 1)] = COLUMN_EXCLUDED;
    std::copy(pivot, pivot + system_.width(), snapshot(i));
    eliminate_unpivoted_rows(q, snapshot(i));
    passes_done_ = i;
    applied_through(q) = i;
    if (passes_done_ - passes_applied_ == DEFERRED_PASSES) apply_deferred();
    return true;
  }

  // The textbook search keeps the last element, in row-major order, whose
  // magnitude is >= the running largest: that is the last occurrence of the
  // largest magnitude. So: the last row whose largest equals the overall
  // largest, then the last column in that row that holds it. A row left with
  // NaN alone reports -1 and never qualifies. A column is chosen only while its
  // count is 0, and a pass without a candidate ends the solve, so no count ever
  // exceeds 1: the textbook's test for a second pivot in one column cannot fire.
  bool search(int& p, int& q) {
    double largest = 0.0;
    for (int j = 1; j <= n_; ++j) {
      if (pivot_count_[j] != 1 && largest_in(j) >= largest) {
        largest = largest_in(j);
        p = j;
      }
    }
    if (p == 0) return false;
    const double* row = system_.row(p);
    for (int k = n_; k >= 1; --k) {
      if (pivot_count_[k] == 0 && std::fabs(row[k - 1]) == largest) {
        q = k;
        return true;
      }
    }
    return false;
  }

  // The factors are gathered first: each is the first touch of its row in
  // this pass, and loads that do not wait on one another overlap their misses.
  void eliminate_unpivoted_rows(int q, const double* pivot) {
    int count = 0;
    for (int r = 1; r <= n_; ++r) {
      if (pivot_count_[r] != 0) continue;
      double* row = system_.row(r);
      sweep_rows_[static_cast<std::size_t>(count)] = r;
      sweep_factors_[static_cast<std::size_t>(count)] = row[q - 1];
      row[q - 1] = 0.0;
      ++count;
    }
    for (int k = 0; k < count; ++k) {
      const int r = sweep_rows_[static_cast<std::size_t>(k)];
      largest_in(r) = k_.eliminate_and_search(system_.row(r), pivot,
                                              sweep_factors_[static_cast<std::size_t>(k)],
                                              excluded_.get(), system_.width());
    }
  }

  // Brings every pivoted row up to the last pass done, as the textbook would
  // have updated it pass by pass. Pass j takes f_j = row[q_j] as the earlier
  // passes left it, sets row[q_j] to 0.0 and subtracts pivot * f_j from every
  // element. So the factors come first, each element q_j replayed through the
  // earlier passes (for all rows before any sweep, so that these short
  // dependent chains overlap); then the kernel runs the passes over each row,
  // and each element q_j is replayed from its 0.0 through pass j and the later
  // ones.
  void apply_deferred() {
    int rows = 0;
    for (int r = 1; r <= n_; ++r) {
      if (pivot_count_[r] != 1 || applied_through(r) == passes_done_) continue;
      deferred_rows_[static_cast<std::size_t>(rows)] = r;
      replay_factors(r, factors_of(rows));
      ++rows;
    }
    for (int k = 0; k < rows; ++k)
      sweep_deferred(deferred_rows_[static_cast<std::size_t>(k)], factors_of(k));
    passes_applied_ = passes_done_;
  }

  double* factors_of(int k) {
    return deferred_factors_.data() + static_cast<std::size_t>(k) * DEFERRED_PASSES;
  }

  // The pending passes of row r: their pivot rows and 0-based pivot columns.
  int pending(int r, const double** pivots, int* columns) {
    const int first = applied_through(r) + 1;
    const int count = passes_done_ - first + 1;
    for (int j = 0; j < count; ++j) {
      pivots[j] = snapshot(first + j);
      columns[j] = pivot_col_[first + j] - 1;
    }
    return count;
  }

  void replay_factors(int r, double* factors) {
    std::array<const double*, DEFERRED_PASSES> pivots{};
    std::array<int, DEFERRED_PASSES> columns{};
    const int count = pending(r, pivots.data(), columns.data());
    const double* row = system_.row(r);
    for (int j = 0; j < count; ++j) {
      const int c = columns[static_cast<std::size_t>(j)];
      double v = row[c];
      for (int e = 0; e < j; ++e) v = v - pivots[static_cast<std::size_t>(e)][c] * factors[e];
      factors[j] = v;
    }
  }

  void sweep_deferred(int r, const double* factors) {
    std::array<const double*, DEFERRED_PASSES> pivots{};
    std::array<int, DEFERRED_PASSES> columns{};
    const int count = pending(r, pivots.data(), columns.data());
    double* row = system_.row(r);
    k_.eliminate_many(row, pivots.data(), factors, count, system_.width());
    for (int j = 0; j < count; ++j) {
      const int c = columns[static_cast<std::size_t>(j)];
      double v = 0.0;
      for (int e = j; e < count; ++e) v = v - pivots[static_cast<std::size_t>(e)][c] * factors[e];
      row[c] = v;
    }
    applied_through(r) = passes_done_;
  }

  const GaussJordanKernels& k_;
  int n_;
  PackedSystem system_;
  IntVector pivot_count_;
  IntVector pivot_row_;
  IntVector pivot_col_;
  AlignedArray<ColumnMask> excluded_;
  std::vector<double> row_largest_;       // 1-based; meaningful for rows without a pivot
  std::vector<int> applied_through_;      // 1-based; meaningful for rows with a pivot
  PackedRows snapshots_;                  // pivot row of pass j in slot (j - 1) % DEFERRED_PASSES
  std::vector<int> sweep_rows_;           // rows without a pivot, in increasing order, this pass
  std::vector<double> sweep_factors_;     // their factors f, in the same order
  std::vector<int> deferred_rows_;        // pivoted rows behind the last pass, in increasing order
  std::vector<double> deferred_factors_;  // DEFERRED_PASSES factors for each of them
  int passes_done_ = 0;
  int passes_applied_ = 0;  // every pivoted row is up to date through this pass
};

}  // namespace

// ------------------------------------------------------------------ Entry points

int gauss_jordan_solve_with(const GaussJordanKernels& kernels, Matrix& a, int n, Matrix* b, int m) {
  if (n <= 0) return 1;
  Elimination elimination(kernels, a, n, b, b != nullptr ? m : 0);
  const int result = elimination.run();
  elimination.write_back(a, b);
  return result;
}

int gauss_jordan_solve(Matrix& a, int n, Matrix& b, int m) {
  return gauss_jordan_solve_with(best_gauss_jordan_kernels(), a, n, &b, m);
}

int gauss_jordan_invert(Matrix& a, int n) {
  return gauss_jordan_solve_with(best_gauss_jordan_kernels(), a, n, nullptr, 0);
}

}  // namespace curvix
