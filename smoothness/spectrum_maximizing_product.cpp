#include "smoothness/spectrum_maximizing_product.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <complex>
#include <cstddef>

namespace curvix {

namespace {

std::string word_text(const std::vector<int>& digits) {
  std::string text;
  for (const int d : digits) text.push_back(static_cast<char>('0' + d));
  return text;
}

const Eigen::MatrixXd& letter(const MatrixFamily& family, char c) {
  return family[static_cast<std::size_t>(c - '0')];
}

// Eigenvalues sorted by decreasing modulus, ties kept in Eigen's order.
bool sorted_eigenvalues(const Eigen::MatrixXd& p, std::vector<std::complex<double>>& values,
                        Eigen::EigenSolver<Eigen::MatrixXd>& solver, bool with_vectors) {
  solver.compute(p, with_vectors);
  if (solver.info() != Eigen::Success) return false;
  values.assign(solver.eigenvalues().data(),
                solver.eigenvalues().data() + solver.eigenvalues().size());
  std::stable_sort(values.begin(), values.end(),
                   [](const std::complex<double>& x, const std::complex<double>& y) {
                     return std::abs(x) > std::abs(y);
                   });
  return true;
}

// Index of the eigenvalue equal to `value` in the solver's unsorted list.
Eigen::Index eigenvalue_index(const Eigen::EigenSolver<Eigen::MatrixXd>& solver,
                              std::complex<double> value) {
  Eigen::Index index = 0;
  for (Eigen::Index i = 0; i < solver.eigenvalues().size(); ++i)
    if (solver.eigenvalues()(i) == value) index = i;
  return index;
}

Eigen::VectorXd unit_real_vector(const Eigen::EigenSolver<Eigen::MatrixXd>& solver,
                                 Eigen::Index column) {
  Eigen::VectorXd v = solver.eigenvectors().col(column).real();
  Eigen::Index largest = 0;
  for (Eigen::Index i = 1; i < v.size(); ++i)
    if (std::fabs(v(i)) > std::fabs(v(largest))) largest = i;
  if (v(largest) < 0.0) v = -v;
  return v / v.norm();
}

}  // namespace

Eigen::MatrixXd word_product(const MatrixFamily& family, const std::string& word) {
  assert(!word.empty() && !family.empty() && family[0].rows() == family[0].cols());
  Eigen::MatrixXd product = letter(family, word[0]);
  for (std::size_t i = 1; i < word.size(); ++i)
    product = (product * letter(family, word[i])).eval();
  return product;
}

double spectral_radius(const Eigen::MatrixXd& p) {
  Eigen::EigenSolver<Eigen::MatrixXd> solver(p, false);
  if (solver.info() != Eigen::Success) return -1.0;
  return solver.eigenvalues().cwiseAbs().maxCoeff();
}

CandidateSearch spectrum_maximizing_candidates(const MatrixFamily& family, int max_length) {
  assert(max_length >= 1 && !family.empty());
  const Eigen::Index order = family[0].rows();
  const int last_letter = static_cast<int>(family.size()) - 1;
  // prefix[i] = T_{w_1} ... T_{w_i}; prefix[0] = I. Entries up to `valid` are
  // up to date with the current word.
  std::vector<Eigen::MatrixXd> prefix(static_cast<std::size_t>(max_length) + 1,
                                      Eigen::MatrixXd::Identity(order, order));
  std::size_t valid = 0;
  std::vector<ProductCandidate> rated;
  std::vector<int> word{-1};
  while (!word.empty()) {
    ++word.back();
    valid = std::min(valid, word.size() - 1);
    for (; valid < word.size(); ++valid)
      prefix[valid + 1] = prefix[valid] * family[static_cast<std::size_t>(word[valid])];
    const double radius = spectral_radius(prefix[word.size()]);
    if (radius >= 0.0)
      rated.push_back({word_text(word), std::pow(radius, 1.0 / static_cast<double>(word.size()))});
    const std::size_t period = word.size();
    while (word.size() < static_cast<std::size_t>(max_length))
      word.push_back(word[word.size() - period]);
    while (!word.empty() && word.back() == last_letter) word.pop_back();
    valid = std::min(valid, word.size());
  }
  CandidateSearch search;
  for (const ProductCandidate& c : rated)
    if (c.rate > search.best.rate) search.best = c;
  search.ties.push_back(search.best);
  for (const ProductCandidate& c : rated)
    if (c.word != search.best.word && c.rate >= search.best.rate * (1.0 - CANDIDATE_TIE_TOLERANCE))
      search.ties.push_back(c);
  return search;
}

LeadingEigenpair leading_eigenpair(const Eigen::MatrixXd& p) {
  LeadingEigenpair leading;
  Eigen::EigenSolver<Eigen::MatrixXd> solver;
  std::vector<std::complex<double>> values;
  if (!sorted_eigenvalues(p, values, solver, true)) return leading;
  const std::complex<double> top = values[0];
  const double radius = std::abs(top);
  leading.value = radius;
  const double separation = EIGENVALUE_SEPARATION * radius;
  if (radius == 0.0 || !std::isfinite(radius)) {
    leading.kind = radius == 0.0 ? LeadingKind::ZERO : LeadingKind::NOT_CONVERGED;
    return leading;
  }
  if (std::fabs(top.imag()) > separation) {
    leading.kind = LeadingKind::COMPLEX;
    return leading;
  }
  if (values.size() > 1 && std::abs(values[1]) >= radius - separation) {
    leading.kind = std::abs(values[1] - top) <= separation ? LeadingKind::MULTIPLE
                                                           : LeadingKind::MODULUS_NOT_UNIQUE;
    return leading;
  }
  leading.kind = LeadingKind::REAL_SIMPLE;
  leading.value = top.real();
  leading.vector = unit_real_vector(solver, eigenvalue_index(solver, top));
  return leading;
}

LeadingKind leading_complex_eigenvector(const Eigen::MatrixXd& p, Eigen::VectorXcd& vector) {
  const LeadingEigenpair leading = leading_eigenpair(p);
  if (leading.kind == LeadingKind::REAL_SIMPLE) {
    vector = leading.vector.cast<std::complex<double>>();
    return leading.kind;
  }
  if (leading.kind != LeadingKind::COMPLEX) return leading.kind;
  Eigen::EigenSolver<Eigen::MatrixXd> solver;
  std::vector<std::complex<double>> values;
  if (!sorted_eigenvalues(p, values, solver, true)) return LeadingKind::NOT_CONVERGED;
  const double radius = std::abs(values[0]);
  if (values.size() > 2 && std::abs(values[2]) >= radius * (1.0 - EIGENVALUE_SEPARATION))
    return LeadingKind::MODULUS_NOT_UNIQUE;
  const std::complex<double> top = values[0].imag() > 0.0 ? values[0] : values[1];
  vector = solver.eigenvectors().col(eigenvalue_index(solver, top));
  vector /= vector.norm();
  return LeadingKind::COMPLEX;
}

}  // namespace curvix
