#include "smoothness/exact_regularity.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <complex>
#include <limits>
#include <string>

#include "smoothness/holder_regularity.h"
#include "smoothness/spectrum_maximizing_product.h"
#include "smoothness/subdivision_matrices.h"

namespace curvix {

namespace {

int proved_class(double alpha_lower) {
  return std::max(static_cast<int>(std::ceil(alpha_lower - CLASS_EPSILON)) - 1, -1);
}

int excluded_class(double alpha_upper) {
  if (!std::isfinite(alpha_upper)) return -1;
  return std::max(static_cast<int>(std::ceil(alpha_upper - CLASS_EPSILON)), 0);
}

// Attained for an integer alpha = k < n: no candidate product of the matrices
// of ((1 + z) / 2)^(n-k) b (the best word and its ties, all of rate 1) has a
// Jordan block at its leading eigenvalue.
bool integer_exponent_attained(const std::vector<double>& b, int n, int k, int arity,
                               const JointSpectralRadius& rho, const JsrSettings& settings) {
  if (k >= n) return rho.bounded;
  const MatrixFamily c = subdivision_matrices(restore_sum_rules(b, n - k, arity), arity);
  const CandidateSearch search = spectrum_maximizing_candidates(c, settings.candidate_length);
  for (const ProductCandidate& word : search.ties)
    if (leading_jordan_block(word_product(c, word.word))) return false;
  return rho.bounded;
}

}  // namespace

bool leading_jordan_block(const Eigen::MatrixXd& p) {
  Eigen::EigenSolver<Eigen::MatrixXd> solver(p, false);
  if (solver.info() != Eigen::Success) return false;
  const Eigen::VectorXcd values = solver.eigenvalues();
  Eigen::Index top = 0;
  const double radius = values.cwiseAbs().maxCoeff(&top);
  const double separation = EIGENVALUE_SEPARATION * radius;
  if (radius == 0.0 || std::fabs(values(top).imag()) > separation) return false;
  // The cluster at the leading eigenvalue, and its mean, which a Jordan block
  // leaves accurate to rounding though it splits the single values.
  Eigen::Index multiplicity = 0;
  std::complex<double> sum = 0.0;
  for (Eigen::Index i = 0; i < values.size(); ++i)
    if (std::abs(values(i) - values(top)) <= separation) {
      ++multiplicity;
      sum += values(i);
    }
  if (multiplicity < 2) return false;
  const double mu = sum.real() / static_cast<double>(multiplicity);
  const Eigen::Index d = p.rows();
  const Eigen::MatrixXd shifted = p - mu * Eigen::MatrixXd::Identity(d, d);
  Eigen::MatrixXd power = shifted;
  for (Eigen::Index i = 1; i < multiplicity; ++i) power = (power * shifted).eval();
  // The generalized eigenspace is the null space of (P - mu)^m: the right
  // singular vectors of the m smallest singular values.
  Eigen::JacobiSVD<Eigen::MatrixXd> svd(power, Eigen::ComputeFullV);
  const Eigen::MatrixXd basis = svd.matrixV().rightCols(multiplicity);
  const Eigen::MatrixXd nilpotent = basis.transpose() * shifted * basis;
  const double scale = std::max(1.0, p.cwiseAbs().maxCoeff());
  return nilpotent.cwiseAbs().maxCoeff() > JORDAN_COUPLING_TOLERANCE * scale;
}

ExactRegularity exact_regularity(const std::vector<double>& b, int n, const JsrSettings& settings,
                                 int arity) {
  assert(!b.empty() && n >= 1 && arity >= 2);
  ExactRegularity r;
  r.rho = joint_spectral_radius(subdivision_matrices(b, arity), settings);
  r.alpha_lower = holder_exponent(n, r.rho.upper, arity);
  r.alpha_upper = holder_exponent(n, r.rho.lower, arity);
  r.exact = r.rho.exact;
  if (r.exact) {
    const double nearest = std::round(r.alpha_lower);
    const bool integer = std::fabs(r.alpha_lower - nearest) <= INTEGER_EPSILON;
    r.attained =
        integer ? integer_exponent_attained(b, n, static_cast<int>(nearest), arity, r.rho, settings)
                : r.rho.bounded;
  }
  r.smoothness_class = proved_class(r.alpha_lower);
  r.excluded_class = excluded_class(r.alpha_upper);
  return r;
}

}  // namespace curvix
