#include "linalg/matrix.h"

namespace curvix {

namespace {

void print_rows(std::FILE* stream, const Matrix& a, int nr, int nc) {
  for (int i = 1; i <= nr; ++i) {
    for (int j = 1; j <= nc; ++j) std::fprintf(stream, "%7.3f ", a[i][j]);
    std::fputs("\n", stream);
  }
  std::fflush(stream);
}

}  // namespace

Matrix::Matrix(int nr, int nc) : rows_(static_cast<std::size_t>(nr + 1)) {
  for (int i = 1; i <= nr; ++i)
    rows_[static_cast<std::size_t>(i)].reset(new double[static_cast<std::size_t>(nc + 1)]());
}

IntVector::IntVector(int lo, int hi)
    : data_(new int[static_cast<std::size_t>(hi - lo + 1)]), lo_(lo) {}

Matrix matrix_alloc(int nr, int nc) {
  return Matrix(nr, nc);
}

void matrix_free(Matrix& a, int) {
  a.release();
}

IntVector int_vector_alloc(int lo, int hi) {
  return IntVector(lo, hi);
}

void int_vector_free(IntVector& v, int) {
  v.release();
}

void matrix_print(std::FILE* stream, const Matrix& a, int nr, int nc) {
  if (stream != nullptr) print_rows(stream, a, nr, nc);
  print_rows(stdout, a, nr, nc);
}

}  // namespace curvix
