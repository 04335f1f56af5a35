#pragma once
// Dense matrices of doubles and integer vectors, both indexed from 1.
//
// A Matrix is a table of row handles; row i (1..nr) is a separate block of
// nc + 1 doubles of which elements 1..nc are used. Slot 0 of the table and
// element 0 of each row exist and are never read. A matrix does not record its
// dimensions: every operation is told them by its caller. Memory is owned: a
// Matrix releases its rows when it goes out of scope, on every path.

#include <cstddef>
#include <cstdio>
#include <memory>
#include <vector>

namespace curvix {

class Matrix {
 public:
  Matrix() = default;
  Matrix(int nr, int nc);  // every element (i, j), 1 <= i <= nr, 1 <= j <= nc, is 0.0

  double* operator[](int i) { return rows_[static_cast<std::size_t>(i)].get(); }
  const double* operator[](int i) const { return rows_[static_cast<std::size_t>(i)].get(); }

  bool empty() const { return rows_.empty(); }
  void release() { rows_.clear(); }

 private:
  std::vector<std::unique_ptr<double[]>> rows_;  // slot 0 holds no row
};

// Integer vector with indices lo..hi: index lo addresses the first int of the block.
class IntVector {
 public:
  IntVector() = default;
  IntVector(int lo, int hi);  // contents undefined

  int& operator[](int i) { return data_[static_cast<std::size_t>(i - lo_)]; }
  int operator[](int i) const { return data_[static_cast<std::size_t>(i - lo_)]; }

  bool empty() const { return data_ == nullptr; }
  void release() { data_.reset(); }

 private:
  std::unique_ptr<int[]> data_;
  int lo_ = 1;
};

// A new nr x nc matrix of zeros.
Matrix matrix_alloc(int nr, int nc);

// Releases rows 1..nr, then the table of handles. The matrix is empty afterwards.
void matrix_free(Matrix& a, int nr);

// A new vector with indices lo..hi; its contents are undefined.
IntVector int_vector_alloc(int lo, int hi);

// Releases the vector allocated with lower bound lo.
void int_vector_free(IntVector& v, int lo);

// Writes rows 1..nr, each element as "%7.3f " and a newline after each row, to
// `stream`, then the same text to standard output; both are flushed. A null
// stream is skipped, so the text still reaches the console.
void matrix_print(std::FILE* stream, const Matrix& a, int nr, int nc);

}  // namespace curvix
