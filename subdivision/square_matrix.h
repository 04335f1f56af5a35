#pragma once
// Small dense square matrices of doubles for the regularity analysis of
// subdivision masks (orders up to a few dozen), stored row-major and indexed
// from 0, with the few operations that analysis needs.

#include <cstddef>
#include <vector>

struct SquareMatrix {
  int n = 0;
  std::vector<double> a;  // n * n entries, row-major

  SquareMatrix() = default;
  explicit SquareMatrix(int order)  // every entry 0.0
      : n(order), a(static_cast<std::size_t>(order) * static_cast<std::size_t>(order), 0.0) {}

  double& operator()(int i, int j) { return a[index(i, j)]; }
  double operator()(int i, int j) const { return a[index(i, j)]; }

 private:
  std::size_t index(int i, int j) const {
    return static_cast<std::size_t>(i) * static_cast<std::size_t>(n) + static_cast<std::size_t>(j);
  }
};

// The identity of order n >= 0.
SquareMatrix identity_matrix(int n);

// out = x * y for x, y of the same order; out must already have that order and
// must not alias x or y (it is reused across calls to spare allocations).
void multiply_into(const SquareMatrix& x, const SquareMatrix& y, SquareMatrix& out);

// Induced 1-norm (largest column sum of |entries|), induced infinity-norm
// (largest row sum) and Frobenius norm: three submultiplicative norms.
double norm_1(const SquareMatrix& x);
double norm_inf(const SquareMatrix& x);
double norm_frobenius(const SquareMatrix& x);

// Largest |entry|; 0 for the empty matrix.
double max_abs_entry(const SquareMatrix& x);

// rho(x), the largest modulus of an eigenvalue, by Gelfand's formula
// rho = lim ||x^k||^(1/k) along k = 2^s: the matrix is squared SPECTRAL_SQUARINGS
// times, rescaled each time by its largest entry so nothing overflows, and the
// logarithms of the scales are summed with weights 2^-s. Being a norm limit it
// needs no eigenvector, so complex pairs, equal moduli and Jordan blocks take
// no special care; after 2^64 powers the bias of a Jordan block of order m,
// about (m log k + log cond) / k, is far below rounding. Relative accuracy is a
// few n * eps. Returns 0 for a nilpotent matrix whose powers vanish exactly.
// Cost: SPECTRAL_SQUARINGS products of order n.
double spectral_radius(SquareMatrix x);

constexpr int SPECTRAL_SQUARINGS = 64;  // k = 2^64: the power bias is below rounding

// Solves x * y = rhs (rhs.size() == x.n) by Gaussian elimination with partial
// pivoting, overwriting rhs with y. Returns false, rhs then partly reduced,
// when a pivot is exactly zero.
bool solve_linear(SquareMatrix x, std::vector<double>& rhs);
