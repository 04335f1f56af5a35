#include "smoothness/joint_spectral_radius.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <complex>
#include <cstddef>
#include <vector>

#include "smoothness/complex_polytope.h"
#include "smoothness/spectrum_maximizing_product.h"

namespace curvix {

namespace {

// Relative threshold below which a pivot of the vertex matrix's QR counts as
// zero: the vertices are of unit size, and a direction they miss by rounding
// only is missed for good (it is an invariant subspace's complement).
constexpr double SPAN_THRESHOLD = 1e-9;

// The tree's norm is the 2-norm in the candidate's eigenbasis when that basis
// is this well conditioned: a Jordan block's near-parallel eigenvectors give
// a norm worse than the plain one.
constexpr double EIGENBASIS_CONDITION_LIMIT = 1e6;

JsrFallback fallback_of(LeadingKind kind) {
  switch (kind) {
    case LeadingKind::REAL_SIMPLE: return JsrFallback::NONE;
    case LeadingKind::COMPLEX: return JsrFallback::COMPLEX_LEADING_EIGENVALUE;
    case LeadingKind::MULTIPLE: return JsrFallback::MULTIPLE_LEADING_EIGENVALUE;
    case LeadingKind::MODULUS_NOT_UNIQUE: return JsrFallback::LEADING_MODULUS_NOT_UNIQUE;
    case LeadingKind::ZERO: return JsrFallback::ZERO_SPECTRAL_RADIUS;
    case LeadingKind::NOT_CONVERGED: return JsrFallback::EIGENVALUE_FAILURE;
  }
  return JsrFallback::EIGENVALUE_FAILURE;
}

JsrFallback fallback_of(PolytopeOutcome outcome) {
  switch (outcome) {
    case PolytopeOutcome::CLOSED: return JsrFallback::NONE;
    case PolytopeOutcome::VERTEX_BUDGET: return JsrFallback::VERTEX_BUDGET_SPENT;
    case PolytopeOutcome::LP_BUDGET: return JsrFallback::LP_BUDGET_SPENT;
    case PolytopeOutcome::VERTEX_GROWTH: return JsrFallback::VERTICES_DIVERGED;
    case PolytopeOutcome::LP_FAILURE: return JsrFallback::LP_FAILURE;
  }
  return JsrFallback::LP_FAILURE;
}

// The leading eigenvector v of T_w and its images along the cycle of w:
// T_{w_k} v / lambda is the leading eigenvector of the rotation
// T_{w_k} T_{w_1} ... T_{w_(k-1)}, and so on back to v.
JsrFallback append_cycle(const MatrixFamily& family, const std::string& word, double lambda,
                         std::vector<Eigen::VectorXd>& start) {
  const LeadingEigenpair leading = leading_eigenpair(word_product(family, word));
  if (leading.kind != LeadingKind::REAL_SIMPLE) return fallback_of(leading.kind);
  Eigen::VectorXd x = leading.vector;
  start.push_back(x);
  for (std::size_t i = word.size() - 1; i >= 1; --i) {
    x = (family[static_cast<std::size_t>(word[i] - '0')] * x) / lambda;
    start.push_back(x);
  }
  return JsrFallback::NONE;
}

// The leading eigenvector v of T_w, real or one of a strictly dominant
// complex pair, and its images along the cycle of w, as append_cycle.
JsrFallback append_complex_cycle(const MatrixFamily& family, const std::string& word, double lambda,
                                 std::vector<Eigen::VectorXcd>& start) {
  Eigen::VectorXcd x;
  const LeadingKind kind = leading_complex_eigenvector(word_product(family, word), x);
  if (kind != LeadingKind::REAL_SIMPLE && kind != LeadingKind::COMPLEX) return fallback_of(kind);
  start.push_back(x);
  for (std::size_t i = word.size() - 1; i >= 1; --i) {
    x = (family[static_cast<std::size_t>(word[i] - '0')].cast<std::complex<double>>() * x) / lambda;
    start.push_back(x);
  }
  return JsrFallback::NONE;
}

// A real basis of eigenvectors of p (a complex pair contributing its real
// and imaginary parts), in which p is block diagonal with 2 x 2 rotation-
// scalings, so its 2-norm there is rho(p); the identity when p has no such
// basis or only an ill-conditioned one (a Jordan block, nearly parallel
// eigenvectors).
Eigen::MatrixXd real_eigenbasis(const Eigen::MatrixXd& p) {
  const Eigen::Index d = p.rows();
  const Eigen::MatrixXd identity = Eigen::MatrixXd::Identity(d, d);
  Eigen::EigenSolver<Eigen::MatrixXd> solver(p);
  if (solver.info() != Eigen::Success) return identity;
  Eigen::MatrixXd basis(d, d);
  Eigen::Index column = 0;
  for (Eigen::Index i = 0; i < d; ++i) {
    const double imaginary = solver.eigenvalues()(i).imag();
    if (imaginary < 0.0) continue;
    if (column + (imaginary > 0.0 ? 2 : 1) > d) return identity;
    basis.col(column++) = solver.eigenvectors().col(i).real();
    if (imaginary > 0.0) basis.col(column++) = solver.eigenvectors().col(i).imag();
  }
  if (column != d) return identity;
  const Eigen::JacobiSVD<Eigen::MatrixXd> svd(basis);
  const double smallest = svd.singularValues()(d - 1);
  if (!(smallest * EIGENBASIS_CONDITION_LIMIT > svd.singularValues()(0))) return identity;
  return basis;
}

JointSpectralRadius tree_result(const MatrixFamily& family, JointSpectralRadius result,
                                double lambda, const JsrSettings& settings) {
  const Eigen::MatrixXd basis = real_eigenbasis(word_product(family, result.word));
  const Eigen::PartialPivLU<Eigen::MatrixXd> lu(basis);
  MatrixFamily similar;
  for (const Eigen::MatrixXd& t : family) similar.push_back(lu.solve(t * basis));
  const ProductTreeBounds tree = product_tree_bounds(similar, lambda, settings.candidate_length,
                                                     settings.gap_target, settings.tree);
  result.lower = tree.lower;
  result.upper = tree.upper;
  if (!tree.lower_word.empty()) result.word = tree.lower_word;
  result.gap = tree.lower > 0.0 ? std::log2(tree.upper / tree.lower)
                                : std::numeric_limits<double>::infinity();
  result.gap_reached = tree.gap_reached;
  return result;
}

JointSpectralRadius exact_result(JointSpectralRadius result, double lambda) {
  result.lower = lambda;
  result.upper = lambda;
  result.exact = true;
  result.gap = 0.0;
  result.gap_reached = true;
  result.fallback = JsrFallback::NONE;
  return result;
}

// rho when the polytope closed on the span U of its vertices: lambda on U,
// and the quotient pair's rho on U^perp (block triangular form).
JointSpectralRadius closed_result(const MatrixFamily& family, const InvariantPolytope& polytope,
                                  JointSpectralRadius result, double lambda,
                                  const JsrSettings& settings) {
  const Eigen::Index d = family[0].rows();
  Eigen::MatrixXd v(d, static_cast<Eigen::Index>(polytope.vertices.size()));
  for (std::size_t j = 0; j < polytope.vertices.size(); ++j)
    v.col(static_cast<Eigen::Index>(j)) = polytope.vertices[j];
  Eigen::ColPivHouseholderQR<Eigen::MatrixXd> qr(v);
  qr.setThreshold(SPAN_THRESHOLD);
  const Eigen::Index rank = qr.rank();
  result.bounded = true;
  if (rank == d) return exact_result(result, lambda);
  const Eigen::MatrixXd q = qr.householderQ() * Eigen::MatrixXd::Identity(d, d);
  const Eigen::MatrixXd w = q.rightCols(d - rank);
  MatrixFamily projected;
  for (const Eigen::MatrixXd& t : family) projected.push_back(w.transpose() * t * w);
  const JointSpectralRadius quotient = joint_spectral_radius(projected, settings);
  if (quotient.upper <= lambda * (1.0 + POLYTOPE_TOLERANCE)) {
    result.bounded = quotient.upper < lambda * (1.0 - CANDIDATE_TIE_TOLERANCE);
    return exact_result(result, lambda);
  }
  JointSpectralRadius larger = quotient;
  larger.lower = std::max(quotient.lower, lambda);
  larger.bounded = quotient.bounded && quotient.lower > lambda * (1.0 + CANDIDATE_TIE_TOLERANCE);
  return larger;
}

// The complex form: the leading eigenvectors of every tie's cycle as complex
// vectors (a real one with no imaginary part), the balanced complex polytope
// from them, and rho in [lambda, lambda certificate] when it closes spanning C^d.
JointSpectralRadius complex_result(const MatrixFamily& family, const CandidateSearch& search,
                                   JointSpectralRadius result, double lambda,
                                   const JsrSettings& settings) {
  std::vector<Eigen::VectorXcd> start;
  for (const ProductCandidate& tie : search.ties) {
    const JsrFallback fallback = append_complex_cycle(family, tie.word, lambda, start);
    if (fallback != JsrFallback::NONE) {
      result.fallback = fallback;
      return tree_result(family, result, lambda, settings);
    }
  }
  const ComplexPolytope polytope =
      complex_invariant_polytope(family, lambda, start, settings.polytope);
  result.polytope_vertices = polytope.vertices;
  result.complex_polytope = true;
  result.fallback = fallback_of(polytope.outcome);
  if (result.fallback == JsrFallback::NONE && !polytope.spans)
    result.fallback = JsrFallback::POLYTOPE_NOT_SPANNING;
  if (result.fallback != JsrFallback::NONE) return tree_result(family, result, lambda, settings);
  result.bounded = true;
  result = exact_result(result, lambda);
  result.upper = lambda * polytope.certificate;
  return result;
}

}  // namespace

JointSpectralRadius joint_spectral_radius(const MatrixFamily& family, const JsrSettings& settings) {
  assert(family.size() >= 2 && family[0].rows() == family[0].cols() && family[0].rows() >= 1);
  const CandidateSearch search = spectrum_maximizing_candidates(family, settings.candidate_length);
  const double lambda = search.best.rate;
  JointSpectralRadius result;
  result.word = search.best.word;
  std::vector<Eigen::VectorXd> start;
  for (const ProductCandidate& tie : search.ties) {
    result.fallback = lambda > 0.0 ? append_cycle(family, tie.word, lambda, start)
                                   : JsrFallback::ZERO_SPECTRAL_RADIUS;
    if (result.fallback == JsrFallback::COMPLEX_LEADING_EIGENVALUE)
      return complex_result(family, search, result, lambda, settings);
    if (result.fallback != JsrFallback::NONE) return tree_result(family, result, lambda, settings);
  }
  const InvariantPolytope polytope = invariant_polytope(family, lambda, start, settings.polytope);
  result.polytope_vertices = static_cast<int>(polytope.vertices.size());
  result.fallback = fallback_of(polytope.outcome);
  if (result.fallback == JsrFallback::NONE)
    return closed_result(family, polytope, result, lambda, settings);
  return tree_result(family, result, lambda, settings);
}

JsrSettings jsr_settings(int arity) {
  JsrSettings settings;
  if (arity == 3) settings.candidate_length = 7;
  if (arity >= 4) settings.candidate_length = 6;
  return settings;
}

JointSpectralRadius joint_spectral_radius(const Eigen::MatrixXd& t0, const Eigen::MatrixXd& t1,
                                          const JsrSettings& settings) {
  return joint_spectral_radius(MatrixFamily{t0, t1}, settings);
}

}  // namespace curvix
