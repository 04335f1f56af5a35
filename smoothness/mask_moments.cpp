#include "smoothness/mask_moments.h"

#include <cassert>
#include <cmath>
#include <cstddef>
#include <limits>

#include <Eigen/LU>

namespace curvix {

namespace {

constexpr double EPS = std::numeric_limits<double>::epsilon();

std::size_t at(int i) {
  return static_cast<std::size_t>(i);
}

int tap_count(const LaurentMask& mask) {
  return static_cast<int>(mask.taps.size());
}

// k^q with 0^0 = 1.
double power(int k, int q) {
  return std::pow(static_cast<double>(k), static_cast<double>(q));
}

// The q-th moment (even taps minus odd taps) and its two tolerances.
struct Moment {
  double value = 0.0;
  double exact_tolerance = 0.0;
  double rounding_tolerance = 0.0;
};

Moment alternating_moment(const LaurentMask& mask, int q) {
  Moment m;
  double terms = 0.0;
  double span = 0.0;
  for (int i = 0; i < tap_count(mask); ++i) {
    const int k = mask.first + i;
    const double term = mask.taps[at(i)] * power(k, q);
    m.value += (k % 2 == 0) ? term : -term;
    terms += std::fabs(term);
    span += std::fabs(power(k, q));
  }
  m.exact_tolerance = EXACT_MOMENT_ULPS * EPS * terms;
  m.rounding_tolerance = m.exact_tolerance + PRINTED_WEIGHT_ERROR * span;
  return m;
}

// a(1) - 2 with the tolerances of the zeroth moment.
Moment sum_defect(const LaurentMask& mask) {
  Moment m = alternating_moment(mask, 0);
  m.value = -2.0;
  for (const double tap : mask.taps) m.value += tap;
  return m;
}

// Rows q = 0..k-1 of the sum-rule constraints (T_m / L)^q at the uniform nodes.
Eigen::MatrixXd gram_of_constraints(const std::vector<double>& nodes, int k, double unit) {
  Eigen::MatrixXd gram = Eigen::MatrixXd::Zero(k, k);
  for (int p = 0; p < k; ++p)
    for (int q = 0; q < k; ++q)
      for (const double t : nodes) gram(p, q) += std::pow(t / unit, p) * std::pow(t / unit, q);
  return gram;
}

// delta_q0 - sum_m w_m (T_m / L)^q for q = 0..k-1.
Eigen::VectorXd constraint_residual(const std::vector<double>& w, const std::vector<double>& nodes,
                                    int k, double unit) {
  Eigen::VectorXd residual = Eigen::VectorXd::Zero(k);
  residual(0) = 1.0;
  for (int q = 0; q < k; ++q)
    for (std::size_t m = 0; m < w.size(); ++m) residual(q) -= w[m] * std::pow(nodes[m] / unit, q);
  return residual;
}

}  // namespace

LaurentMask interpolatory_mask(const std::vector<double>& weights) {
  assert(!weights.empty() && weights.size() % 2 == 0);
  const int half = static_cast<int>(weights.size()) / 2;
  LaurentMask mask;
  mask.first = 1 - 2 * half;
  mask.taps.assign(at(4 * half - 1), 0.0);
  mask.taps[at(-mask.first)] = 1.0;
  for (int m = 1; m <= 2 * half; ++m)
    mask.taps[at(2 * half + 1 - 2 * m - mask.first)] = weights[at(m - 1)];
  return mask;
}

SumRuleCount count_sum_rules(const LaurentMask& mask) {
  SumRuleCount count;
  const Moment defect = sum_defect(mask);
  bool exact = std::fabs(defect.value) <= defect.exact_tolerance;
  bool near = std::fabs(defect.value) <= defect.rounding_tolerance;
  for (int q = 0; q < tap_count(mask) - 1 && near; ++q) {
    const Moment m = alternating_moment(mask, q);
    exact = exact && std::fabs(m.value) <= m.exact_tolerance;
    near = std::fabs(m.value) <= m.rounding_tolerance;
    if (exact) count.exact = q + 1;
    if (near) count.within_rounding = q + 1;
  }
  return count;
}

int reproduction_degree(const std::vector<double>& weights, const std::vector<double>& nodes,
                        double tc, double tolerance) {
  assert(!weights.empty() && weights.size() == nodes.size());
  const int n = static_cast<int>(weights.size());
  for (int q = 0; q <= n; ++q) {
    double moment = (q == 0) ? -1.0 : 0.0;
    double terms = 0.0;
    for (std::size_t m = 0; m < weights.size(); ++m) {
      const double term = weights[m] * std::pow(nodes[m] - tc, q);
      moment += term;
      terms += std::fabs(term);
    }
    if (std::fabs(moment) > tolerance * std::fmax(1.0, terms)) return q - 1;
  }
  return n;
}

std::vector<double> uniform_nodes(int size) {
  assert(size >= 2 && size % 2 == 0);
  std::vector<double> nodes(at(size));
  for (int m = 1; m <= size; ++m) nodes[at(m - 1)] = m - size / 2 - 0.5;
  return nodes;
}

bool nearest_weights_with_sum_rules(const std::vector<double>& weights, int k,
                                    std::vector<double>& corrected) {
  const int size = static_cast<int>(weights.size());
  if (size < 2 || size % 2 != 0 || k < 1 || k > size) return false;
  const std::vector<double> nodes = uniform_nodes(size);
  const double unit = size / 2;  // L: scaled nodes stay within [-1, 1]
  // Monomials at 2L >= k distinct nodes make the Gram matrix positive
  // definite; a solution that is not finite means it was singular all the same.
  const Eigen::PartialPivLU<Eigen::MatrixXd> gram(gram_of_constraints(nodes, k, unit));
  std::vector<double> w = weights;
  for (int pass = 0; pass < 2; ++pass) {
    const Eigen::VectorXd y = gram.solve(constraint_residual(w, nodes, k, unit));
    if (!y.allFinite()) return false;
    for (std::size_t m = 0; m < w.size(); ++m)
      for (int q = 0; q < k; ++q) w[m] += y(q) * std::pow(nodes[m] / unit, q);
  }
  corrected = w;
  return true;
}

}  // namespace curvix
