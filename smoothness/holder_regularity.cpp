#include "smoothness/holder_regularity.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <limits>

#include "smoothness/spectral_radius.h"
#include "smoothness/subdivision_matrices.h"

namespace curvix {

namespace {

std::size_t at(int i) {
  return static_cast<std::size_t>(i);
}

// Per-norm maxima of ||P|| over the products of each length, and the
// products along the current branch of the enumeration tree.
struct NormSearch {
  static constexpr int NORMS = 3;  // 1, inf, Frobenius
  const MatrixFamily* generators;
  std::vector<Eigen::MatrixXd> products;        // products[l]: current product of length l
  std::vector<std::array<double, NORMS>> best;  // best[l][norm]
};

void visit_products(NormSearch& search, int length) {
  for (const Eigen::MatrixXd& t : *search.generators) {
    Eigen::MatrixXd& p = search.products[at(length)];
    p.noalias() = search.products[at(length - 1)] * t;
    std::array<double, NormSearch::NORMS>& best = search.best[at(length)];
    best[0] = std::max(best[0], p.cwiseAbs().colwise().sum().maxCoeff());
    best[1] = std::max(best[1], p.cwiseAbs().rowwise().sum().maxCoeff());
    best[2] = std::max(best[2], p.norm());
    if (length + 1 < static_cast<int>(search.products.size())) visit_products(search, length + 1);
  }
}

// Best upper bound on rho over lengths 1..depth and the three norms.
void norm_bound(const MatrixFamily& family, int depth, JointSpectralRadiusBounds& bounds) {
  const Eigen::Index d = family[0].rows();
  NormSearch search{&family, std::vector<Eigen::MatrixXd>(at(depth + 1), Eigen::MatrixXd(d, d)),
                    std::vector<std::array<double, NormSearch::NORMS>>(at(depth + 1))};
  search.products[0] = Eigen::MatrixXd::Identity(d, d);
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

// rho(T_w1 ... T_wl)^(1/l) for the word w of letters 0..m-1.
double word_growth(const MatrixFamily& family, const std::vector<int>& word,
                   Eigen::MatrixXd& product, Eigen::MatrixXd& scratch) {
  product = family[at(word[0])];
  for (std::size_t i = 1; i < word.size(); ++i) {
    scratch.noalias() = product * family[at(word[i])];
    product.swap(scratch);
  }
  return std::pow(spectral_radius(product), 1.0 / static_cast<double>(word.size()));
}

// Best lower bound on rho over the Lyndon words of length 1..depth over the
// family's letters, generated in lexicographic order by Duval's algorithm.
void spectral_bound(const MatrixFamily& family, int depth, JointSpectralRadiusBounds& bounds) {
  const Eigen::Index d = family[0].rows();
  const int last_letter = static_cast<int>(family.size()) - 1;
  Eigen::MatrixXd product(d, d);
  Eigen::MatrixXd scratch(d, d);
  std::vector<int> word{-1};
  while (!word.empty()) {
    ++word.back();
    const double growth = word_growth(family, word, product, scratch);
    if (growth > bounds.lower) {
      bounds.lower = growth;
      bounds.lower_length = static_cast<int>(word.size());
    }
    const std::size_t period = word.size();
    while (word.size() < at(depth)) word.push_back(word[word.size() - period]);
    while (!word.empty() && word.back() == last_letter) word.pop_back();
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

JointSpectralRadiusBounds joint_spectral_radius_bounds(const MatrixFamily& family, int depth) {
  assert(depth >= 1 && family.size() >= 2);
  assert(family[0].rows() == family[0].cols() && family[0].rows() >= 1);
  JointSpectralRadiusBounds bounds;
  norm_bound(family, depth, bounds);
  spectral_bound(family, depth, bounds);
  return bounds;
}

JointSpectralRadiusBounds joint_spectral_radius_bounds(const Eigen::MatrixXd& t0,
                                                       const Eigen::MatrixXd& t1, int depth) {
  return joint_spectral_radius_bounds(MatrixFamily{t0, t1}, depth);
}

double holder_exponent(int n, double rho, int arity) {
  if (!(rho > 0.0)) return std::numeric_limits<double>::infinity();
  // log2 for the binary rules keeps their bits; log_m otherwise.
  return arity == 2 ? n - std::log2(rho) : n - std::log(rho) / std::log(static_cast<double>(arity));
}

HolderBounds holder_bounds(const std::vector<double>& b, int n, int depth, int arity) {
  HolderBounds h;
  h.rho = joint_spectral_radius_bounds(subdivision_matrices(b, arity), depth);
  h.lower = holder_exponent(n, h.rho.upper, arity);
  h.upper = holder_exponent(n, h.rho.lower, arity);
  return h;
}

}  // namespace curvix
