#include "smoothness/holder_regularity.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <limits>

#include "smoothness/spectral_radius.h"
#include "smoothness/subdivision_matrix_pair.h"

namespace curvix {

namespace {

std::size_t at(int i) {
  return static_cast<std::size_t>(i);
}

// Per-norm maxima of ||P|| over the products of each length, and the
// products along the current branch of the enumeration tree.
struct NormSearch {
  static constexpr int NORMS = 3;  // 1, inf, Frobenius
  const Eigen::MatrixXd* generators[2];
  std::vector<Eigen::MatrixXd> products;        // products[l]: current product of length l
  std::vector<std::array<double, NORMS>> best;  // best[l][norm]
};

void visit_products(NormSearch& search, int length) {
  for (const Eigen::MatrixXd* t : search.generators) {
    Eigen::MatrixXd& p = search.products[at(length)];
    p.noalias() = search.products[at(length - 1)] * *t;
    std::array<double, NormSearch::NORMS>& best = search.best[at(length)];
    best[0] = std::max(best[0], p.cwiseAbs().colwise().sum().maxCoeff());
    best[1] = std::max(best[1], p.cwiseAbs().rowwise().sum().maxCoeff());
    best[2] = std::max(best[2], p.norm());
    if (length + 1 < static_cast<int>(search.products.size())) visit_products(search, length + 1);
  }
}

// Best upper bound on rho over lengths 1..depth and the three norms.
void norm_bound(const Eigen::MatrixXd& t0, const Eigen::MatrixXd& t1, int depth,
                JointSpectralRadiusBounds& bounds) {
  NormSearch search{
      {&t0, &t1},
      std::vector<Eigen::MatrixXd>(at(depth + 1), Eigen::MatrixXd(t0.rows(), t0.cols())),
      std::vector<std::array<double, NormSearch::NORMS>>(at(depth + 1))};
  search.products[0] = Eigen::MatrixXd::Identity(t0.rows(), t0.cols());
  visit_products(search, 1);
  bounds.upper = std::numeric_limits<double>::infinity();
  for (int l = 1; l <= depth; ++l)
    for (const double norm : search.best[at(l)]) {
      const double bound = std::pow(norm, 1.0 / l);
      if (bound < bounds.upper) {
        bounds.upper = bound;
        bounds.upper_length = l;
      }
    }
}

// rho(T_w1 ... T_wl)^(1/l) for the word w of 0s and 1s.
double word_growth(const Eigen::MatrixXd& t0, const Eigen::MatrixXd& t1,
                   const std::vector<int>& word, Eigen::MatrixXd& product,
                   Eigen::MatrixXd& scratch) {
  product = word[0] == 0 ? t0 : t1;
  for (std::size_t i = 1; i < word.size(); ++i) {
    scratch.noalias() = product * (word[i] == 0 ? t0 : t1);
    product.swap(scratch);
  }
  return std::pow(spectral_radius(product), 1.0 / static_cast<double>(word.size()));
}

// Best lower bound on rho over the binary Lyndon words of length 1..depth,
// generated in lexicographic order by Duval's algorithm.
void spectral_bound(const Eigen::MatrixXd& t0, const Eigen::MatrixXd& t1, int depth,
                    JointSpectralRadiusBounds& bounds) {
  Eigen::MatrixXd product(t0.rows(), t0.cols());
  Eigen::MatrixXd scratch(t0.rows(), t0.cols());
  std::vector<int> word{-1};
  while (!word.empty()) {
    ++word.back();
    const double growth = word_growth(t0, t1, word, product, scratch);
    if (growth > bounds.lower) {
      bounds.lower = growth;
      bounds.lower_length = static_cast<int>(word.size());
    }
    const std::size_t period = word.size();
    while (word.size() < at(depth)) word.push_back(word[word.size() - period]);
    while (!word.empty() && word.back() == 1) word.pop_back();
  }
}

}  // namespace

bool divide_by_one_plus_z(const std::vector<double>& coefficients, std::vector<double>& quotient) {
  assert(coefficients.size() >= 2);
  std::vector<double> q(coefficients.size() - 1);
  double carry = 0.0;
  double scale = 0.0;
  for (std::size_t k = 0; k < q.size(); ++k) {
    q[k] = coefficients[k] - carry;
    carry = q[k];
  }
  for (const double c : coefficients) scale += std::fabs(c);
  const double remainder = coefficients.back() - carry;
  if (std::fabs(remainder) > DIVISION_REMAINDER_TOLERANCE * scale) return false;
  quotient = q;
  return true;
}

bool regularity_factor(const LaurentMask& mask, int n, std::vector<double>& b) {
  const auto nonzero = [](double tap) { return tap != 0.0; };
  const auto begin = std::find_if(mask.taps.begin(), mask.taps.end(), nonzero);
  const auto end = std::find_if(mask.taps.rbegin(), mask.taps.rend(), nonzero).base();
  if (begin >= end || end - begin <= n) return false;
  std::vector<double> c(begin, end);
  for (int i = 0; i < n; ++i)
    if (!divide_by_one_plus_z(c, c)) return false;
  // a = 2^(1-n) (1+z)^n b, so b is the quotient times 2^(n-1).
  const double factor = std::ldexp(1.0, n - 1);
  for (double& tap : c) tap *= factor;
  b = c;
  return true;
}

JointSpectralRadiusBounds joint_spectral_radius_bounds(const Eigen::MatrixXd& t0,
                                                       const Eigen::MatrixXd& t1, int depth) {
  assert(depth >= 1 && t0.rows() == t1.rows() && t0.cols() == t1.cols());
  assert(t0.rows() == t0.cols() && t0.rows() >= 1);
  JointSpectralRadiusBounds bounds;
  norm_bound(t0, t1, depth, bounds);
  spectral_bound(t0, t1, depth, bounds);
  return bounds;
}

double holder_exponent(int n, double rho) {
  return rho > 0.0 ? n - std::log2(rho) : std::numeric_limits<double>::infinity();
}

HolderBounds holder_bounds(const std::vector<double>& b, int n, int depth) {
  const SubdivisionMatrixPair pair = subdivision_matrix_pair(b);
  HolderBounds h;
  h.rho = joint_spectral_radius_bounds(pair.t0, pair.t1, depth);
  h.lower = holder_exponent(n, h.rho.upper);
  h.upper = holder_exponent(n, h.rho.lower);
  return h;
}

}  // namespace curvix
