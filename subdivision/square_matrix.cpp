#include "subdivision/square_matrix.h"

#include <cassert>
#include <cmath>
#include <utility>

SquareMatrix identity_matrix(int n) {
  SquareMatrix x(n);
  for (int i = 0; i < n; ++i) x(i, i) = 1.0;
  return x;
}

void multiply_into(const SquareMatrix& x, const SquareMatrix& y, SquareMatrix& out) {
  assert(x.n == y.n && out.n == x.n && &out != &x && &out != &y);
  const int n = x.n;
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      double sum = 0.0;
      for (int k = 0; k < n; ++k) sum += x(i, k) * y(k, j);
      out(i, j) = sum;
    }
}

double norm_1(const SquareMatrix& x) {
  double best = 0.0;
  for (int j = 0; j < x.n; ++j) {
    double column = 0.0;
    for (int i = 0; i < x.n; ++i) column += std::fabs(x(i, j));
    best = std::fmax(best, column);
  }
  return best;
}

double norm_inf(const SquareMatrix& x) {
  double best = 0.0;
  for (int i = 0; i < x.n; ++i) {
    double row = 0.0;
    for (int j = 0; j < x.n; ++j) row += std::fabs(x(i, j));
    best = std::fmax(best, row);
  }
  return best;
}

double norm_frobenius(const SquareMatrix& x) {
  double sum = 0.0;
  for (const double v : x.a) sum += v * v;
  return std::sqrt(sum);
}

double max_abs_entry(const SquareMatrix& x) {
  double best = 0.0;
  for (const double v : x.a) best = std::fmax(best, std::fabs(v));
  return best;
}

double spectral_radius(SquareMatrix x) {
  SquareMatrix square(x.n);
  double log_rho = 0.0;
  double weight = 1.0;  // 2^-s: x now stands for the 2^s-th power, rescaled
  for (int s = 0; s < SPECTRAL_SQUARINGS; ++s) {
    const double scale = max_abs_entry(x);
    if (scale == 0.0) return 0.0;
    for (double& v : x.a) v /= scale;
    log_rho += weight * std::log(scale);
    multiply_into(x, x, square);
    std::swap(x, square);
    weight *= 0.5;
  }
  const double last = max_abs_entry(x);
  if (last == 0.0) return 0.0;
  return std::exp(log_rho + weight * std::log(last));
}

namespace {

int pivot_row(const SquareMatrix& x, int column) {
  int best = column;
  for (int i = column + 1; i < x.n; ++i)
    if (std::fabs(x(i, column)) > std::fabs(x(best, column))) best = i;
  return best;
}

void swap_rows(SquareMatrix& x, std::vector<double>& rhs, int i, int j) {
  for (int c = 0; c < x.n; ++c) std::swap(x(i, c), x(j, c));
  std::swap(rhs[static_cast<std::size_t>(i)], rhs[static_cast<std::size_t>(j)]);
}

}  // namespace

bool solve_linear(SquareMatrix x, std::vector<double>& rhs) {
  assert(rhs.size() == static_cast<std::size_t>(x.n));
  const int n = x.n;
  for (int c = 0; c < n; ++c) {
    swap_rows(x, rhs, c, pivot_row(x, c));
    if (x(c, c) == 0.0) return false;
    for (int i = c + 1; i < n; ++i) {
      const double factor = x(i, c) / x(c, c);
      for (int j = c; j < n; ++j) x(i, j) -= factor * x(c, j);
      rhs[static_cast<std::size_t>(i)] -= factor * rhs[static_cast<std::size_t>(c)];
    }
  }
  for (int i = n - 1; i >= 0; --i) {
    double sum = rhs[static_cast<std::size_t>(i)];
    for (int j = i + 1; j < n; ++j) sum -= x(i, j) * rhs[static_cast<std::size_t>(j)];
    rhs[static_cast<std::size_t>(i)] = sum / x(i, i);
  }
  return true;
}
