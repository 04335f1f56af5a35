#include "linalg/gauss_jordan_small.h"

#include <array>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <utility>

#include "linalg/gauss_jordan_solve.h"

namespace curvix {

// The textbook passes (see tests/linalg/plain_gauss_jordan_solve.h) with two
// savings that change no operation on an element:
// - The search visits only the rows and columns without a pivot, kept in
//   increasing order: the textbook skips the others element by element. A
//   column is chosen only while it has no pivot, so no count exceeds 1 and the
//   textbook's test for a doubly chosen column cannot fire.
// - Orders up to SPECIALISED_MAX are compiled for their own size, so the
//   short loops over a row unroll; larger ones share one loop.

namespace {

constexpr int SPECIALISED_MAX = 12;  // stencil systems: 4 to 10 points, pd usually 0 to 2

template <int N>
struct FixedOrder {
  static constexpr int value() { return N; }
};

struct AnyOrder {
  int n;
  int value() const { return n; }
};

// Cells of one matrix, 0-based row-major.
class SmallMatrix {
 public:
  SmallMatrix(double* cells, int stride) : cells_(cells), stride_(stride) {}
  double* row(int i) const {
    return cells_ + static_cast<std::ptrdiff_t>(i) * static_cast<std::ptrdiff_t>(stride_);
  }

 private:
  double* cells_;
  int stride_;
};

// The rows and columns still without a pivot, in increasing order.
class FreeIndices {
 public:
  explicit FreeIndices(int n) : count_(n) {
    for (int i = 0; i < n; ++i) index_[static_cast<std::size_t>(i)] = i;
  }
  int count() const { return count_; }
  int operator[](int k) const { return index_[static_cast<std::size_t>(k)]; }
  void remove(int value) {
    int k = 0;
    while (index_[static_cast<std::size_t>(k)] != value) ++k;
    for (; k + 1 < count_; ++k)
      index_[static_cast<std::size_t>(k)] = index_[static_cast<std::size_t>(k + 1)];
    --count_;
  }

 private:
  std::array<int, SMALL_SYSTEM_MAX> index_;
  int count_;
};

// The textbook's choice: the last element, in row-major order over the free
// rows and columns, whose magnitude is >= the largest so far (a NaN never
// is). False when none qualifies.
bool search_pivot(const SmallMatrix& a, const FreeIndices& free, int& p, int& q) {
  double largest = 0.0;
  bool found = false;
  for (int jj = 0; jj < free.count(); ++jj) {
    const double* row = a.row(free[jj]);
    for (int kk = 0; kk < free.count(); ++kk) {
      const double magnitude = std::fabs(row[free[kk]]);
      if (magnitude >= largest) {
        largest = magnitude;
        p = free[jj];
        q = free[kk];
        found = true;
      }
    }
  }
  return found;
}

// Scales pivot row q and eliminates column q from every other row.
template <typename Order>
void eliminate(const SmallMatrix& a, Order order, int q) {
  const int n = order.value();
  double* pivot = a.row(q);
  const double inv = 1.0 / pivot[q];
  pivot[q] = 1.0;
  for (int l = 0; l < n; ++l) pivot[l] *= inv;
  for (int r = 0; r < n; ++r) {
    if (r == q) continue;
    double* row = a.row(r);
    const double f = row[q];
    row[q] = 0.0;
    for (int l = 0; l < n; ++l) row[l] -= f * pivot[l];
  }
}

template <typename Order>
int invert(double* cells, int stride, Order order) {
  const int n = order.value();
  const SmallMatrix a(cells, stride);
  FreeIndices free(n);
  std::array<int, SMALL_SYSTEM_MAX> pivot_row;
  std::array<int, SMALL_SYSTEM_MAX> pivot_col;
  for (int i = 0; i < n; ++i) {
    int p = 0;
    int q = 0;
    if (!search_pivot(a, free, p, q)) return 0;
    free.remove(q);
    if (p != q) std::swap_ranges(a.row(p), a.row(p) + n, a.row(q));
    pivot_row[static_cast<std::size_t>(i)] = p;
    pivot_col[static_cast<std::size_t>(i)] = q;
    if (!(std::fabs(a.row(q)[q]) >= PIVOT_TOLERANCE)) return 0;
    eliminate(a, order, q);
  }
  for (int l = n - 1; l >= 0; --l) {
    const int p = pivot_row[static_cast<std::size_t>(l)];
    const int q = pivot_col[static_cast<std::size_t>(l)];
    if (p == q) continue;
    for (int k = 0; k < n; ++k) std::swap(a.row(k)[p], a.row(k)[q]);
  }
  return 1;
}

template <int N>
int invert_specialised(double* cells, int n, int stride) {
  if constexpr (N > SPECIALISED_MAX) {
    return invert(cells, stride, AnyOrder{n});
  } else {
    if (n == N) return invert(cells, stride, FixedOrder<N>{});
    return invert_specialised<N + 1>(cells, n, stride);
  }
}

}  // namespace

int gauss_jordan_invert_small(double* cells, int n, int stride) {
  assert(n >= 0 && n <= SMALL_SYSTEM_MAX && stride >= n);
  return invert_specialised<1>(cells, n, stride);
}

}  // namespace curvix
