#include "linalg/gauss_jordan_small.h"

#include <array>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <utility>

#include "linalg/gauss_jordan_solve.h"

namespace curvix {

// The textbook passes (see reference/plain_gauss_jordan_solve.h) with two
// savings that change no operation on an element:
// - The search finds the textbook's element from each row's largest candidate
//   (see search_pivot), as gauss_jordan_invert does. A column is chosen only
//   while it has no pivot, so no pivot count exceeds 1 and the textbook's test
//   for a doubly chosen column cannot fire: a flag per index is enough.
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

// Which indices already hold a pivot: the textbook skips those rows (a row
// whose own column was chosen) and those columns.
using Pivoted = std::array<bool, SMALL_SYSTEM_MAX>;

// The largest magnitude over the row's columns without a pivot, NaN never
// winning; -1 when the row offers no candidate.
template <typename Order>
double row_largest(const double* row, Order order, const Pivoted& pivoted) {
  double largest = -1.0;
  for (int k = 0; k < order.value(); ++k) {
    const double magnitude = std::fabs(row[k]);
    if (!pivoted[static_cast<std::size_t>(k)] && magnitude > largest) largest = magnitude;
  }
  return largest;
}

// The textbook keeps the last element, in row-major order over the rows and
// columns without a pivot, whose magnitude is >= the largest so far (starting
// from 0.0; a NaN never is): the last occurrence of the largest magnitude. So:
// the last row whose largest is the overall largest, then the last column in
// it holding that magnitude. False when no element qualifies.
template <typename Order>
bool search_pivot(const SmallMatrix& a, Order order, const Pivoted& pivoted, int& p, int& q) {
  const int n = order.value();
  double largest = 0.0;
  int row_of = -1;
  for (int j = 0; j < n; ++j) {
    if (pivoted[static_cast<std::size_t>(j)]) continue;
    const double candidate = row_largest(a.row(j), order, pivoted);
    if (candidate >= largest) {
      largest = candidate;
      row_of = j;
    }
  }
  if (row_of < 0) return false;
  const double* row = a.row(row_of);
  for (int k = n - 1; k >= 0; --k) {
    if (!pivoted[static_cast<std::size_t>(k)] && std::fabs(row[k]) == largest) {
      p = row_of;
      q = k;
      return true;
    }
  }
  return false;
}

// Scales pivot row q and eliminates column q from every other row, element
// by element in the textbook's order.
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
  Pivoted pivoted{};
  std::array<int, SMALL_SYSTEM_MAX> pivot_row;
  std::array<int, SMALL_SYSTEM_MAX> pivot_col;
  for (int i = 0; i < n; ++i) {
    int p = 0;
    int q = 0;
    if (!search_pivot(a, order, pivoted, p, q)) return 0;
    pivoted[static_cast<std::size_t>(q)] = true;
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
