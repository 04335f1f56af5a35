#include "smoothness/complex_polytope.h"

#include <glpk.h>

#include <algorithm>
#include <cassert>
#include <cmath>
#include <complex>
#include <cstddef>
#include <limits>

namespace curvix {

namespace {

constexpr double PI = 3.14159265358979323846;

// A remainder this small against the vector (relative) is rounding: below
// the LP's own feasibility tolerance, POLYTOPE_LP_TOLERANCE.
constexpr double PARALLEL_REMAINDER = 1e-12;

// The LP min sum lambda_(js) subject to sum_(j,s) lambda_(js) omega^s v_j = y
// (real and imaginary parts: 2d equality rows), lambda >= 0: a column per
// rotation of each vertex. Testing a point changes only the right-hand side,
// so the last optimal basis stays dual feasible and the dual simplex starts
// from it; a new vertex adds columns, after which the primal simplex goes on
// from the basis it left (GLPK's GLP_DUALP).
class ComplexPolytopeLp {
 public:
  explicit ComplexPolytopeLp(Eigen::Index dimension)
      : lp_(glp_create_prob()), dimension_(dimension) {
    glp_term_out(GLP_OFF);
    glp_set_obj_dir(lp_, GLP_MIN);
    glp_add_rows(lp_, static_cast<int>(2 * dimension));
    glp_init_smcp(&parameters_);
    parameters_.msg_lev = GLP_MSG_OFF;
    parameters_.meth = GLP_DUALP;
    parameters_.presolve = GLP_OFF;
    parameters_.tol_bnd = POLYTOPE_LP_TOLERANCE;
    parameters_.tol_dj = POLYTOPE_LP_TOLERANCE;
    for (int s = 0; s < COMPLEX_DISK_SIDES; ++s)
      rotations_.push_back(std::polar(1.0, 2.0 * PI * s / COMPLEX_DISK_SIDES));
  }
  ~ComplexPolytopeLp() { glp_delete_prob(lp_); }
  ComplexPolytopeLp(const ComplexPolytopeLp&) = delete;
  ComplexPolytopeLp& operator=(const ComplexPolytopeLp&) = delete;

  void add_vertex(const Eigen::VectorXcd& v) {
    const int d = static_cast<int>(dimension_);
    std::vector<int> index(static_cast<std::size_t>(2 * d) + 1, 0);
    std::vector<double> value(static_cast<std::size_t>(2 * d) + 1, 0.0);
    for (const std::complex<double>& rotation : rotations_) {
      const int column = glp_add_cols(lp_, 1);
      glp_set_col_bnds(lp_, column, GLP_LO, 0.0, 0.0);
      glp_set_obj_coef(lp_, column, 1.0);
      for (int k = 0; k < d; ++k) {
        const std::complex<double> w = rotation * v(k);
        index[static_cast<std::size_t>(k) + 1] = k + 1;
        value[static_cast<std::size_t>(k) + 1] = w.real();
        index[static_cast<std::size_t>(d + k) + 1] = d + k + 1;
        value[static_cast<std::size_t>(d + k) + 1] = w.imag();
      }
      glp_set_mat_col(lp_, column, 2 * d, index.data(), value.data());
    }
    ++vertex_count_;
  }

  // beta(y) = sum_j |c_j| of the representation the LP finds; +infinity when
  // y is outside the vertices' span (no representation), -1 when GLPK fails.
  double beta(const Eigen::VectorXcd& y) {
    const int d = static_cast<int>(dimension_);
    for (int k = 0; k < d; ++k) {
      glp_set_row_bnds(lp_, k + 1, GLP_FX, y(k).real(), y(k).real());
      glp_set_row_bnds(lp_, d + k + 1, GLP_FX, y(k).imag(), y(k).imag());
    }
    if (glp_simplex(lp_, &parameters_) != 0) return -1.0;
    const int status = glp_get_status(lp_);
    if (status == GLP_NOFEAS) return std::numeric_limits<double>::infinity();
    if (status != GLP_OPT) return -1.0;
    double sum = 0.0;
    for (int j = 0; j < vertex_count_; ++j) {
      std::complex<double> c = 0.0;
      for (int s = 0; s < COMPLEX_DISK_SIDES; ++s)
        c += glp_get_col_prim(lp_, j * COMPLEX_DISK_SIDES + s + 1) *
             rotations_[static_cast<std::size_t>(s)];
      sum += std::abs(c);
    }
    return sum;
  }

 private:
  glp_prob* lp_;
  Eigen::Index dimension_;
  glp_smcp parameters_;
  std::vector<std::complex<double>> rotations_;
  int vertex_count_ = 0;
};

struct ComplexGrowth {
  const MatrixFamily* generators;
  double lambda;
  PolytopeBudget budget;
  ComplexPolytopeLp lp;
  std::vector<Eigen::VectorXcd> vertices;
  ComplexPolytope result;
};

// Whether y = c v + r for a kept vertex v with |c| <= 1 + POLYTOPE_TOLERANCE
// and a remainder r at the level of rounding (PARALLEL_REMAINDER, relative):
// y is then on or inside the hull with no LP, as the images that close a
// candidate's cycle are.
bool known_direction(const ComplexGrowth& g, const Eigen::VectorXcd& y) {
  for (const Eigen::VectorXcd& v : g.vertices) {
    const std::complex<double> c = v.dot(y) / v.squaredNorm();
    if (std::abs(c) <= 1.0 + POLYTOPE_TOLERANCE &&
        (y - c * v).norm() <= PARALLEL_REMAINDER * y.norm())
      return true;
  }
  return false;
}

bool add_vertex(ComplexGrowth& g, const Eigen::VectorXcd& y, std::vector<Eigen::VectorXcd>& added) {
  for (const Eigen::VectorXcd& w : {y, Eigen::VectorXcd(y.conjugate())}) {
    if (known_direction(g, w)) continue;
    if (static_cast<int>(g.vertices.size()) >= g.budget.max_vertices) {
      g.result.outcome = PolytopeOutcome::VERTEX_BUDGET;
      return false;
    }
    g.lp.add_vertex(w);
    g.vertices.push_back(w);
    added.push_back(w);
  }
  return true;
}

// Adds y (and its conjugate) as vertices unless beta(y) <= 1 + tolerance;
// false when a budget runs out or the LP fails, with the outcome set.
bool offer(ComplexGrowth& g, const Eigen::VectorXcd& y, std::vector<Eigen::VectorXcd>& added) {
  if (g.result.lp_solves >= g.budget.max_lp_solves) {
    g.result.outcome = PolytopeOutcome::LP_BUDGET;
    return false;
  }
  // A unimodular multiple of a vertex is on the hull (beta = 1) with no LP:
  // the images that close a candidate's cycle are such multiples.
  if (known_direction(g, y)) return true;
  const double beta = g.vertices.empty() ? std::numeric_limits<double>::infinity() : g.lp.beta(y);
  if (!g.vertices.empty()) ++g.result.lp_solves;
  if (beta < 0.0) {
    g.result.outcome = PolytopeOutcome::LP_FAILURE;
    return false;
  }
  if (beta <= 1.0 + POLYTOPE_TOLERANCE) {
    g.result.certificate = std::max(g.result.certificate, beta);
    return true;
  }
  if (y.norm() > g.budget.max_vertex_norm) {
    g.result.outcome = PolytopeOutcome::VERTEX_GROWTH;
    return false;
  }
  return add_vertex(g, y, added);
}

bool spans(const std::vector<Eigen::VectorXcd>& vertices, Eigen::Index d) {
  Eigen::MatrixXcd v(d, static_cast<Eigen::Index>(vertices.size()));
  for (std::size_t j = 0; j < vertices.size(); ++j)
    v.col(static_cast<Eigen::Index>(j)) = vertices[j];
  Eigen::ColPivHouseholderQR<Eigen::MatrixXcd> qr(v);
  qr.setThreshold(1e-9);
  return qr.rank() == d;
}

}  // namespace

ComplexPolytope complex_invariant_polytope(const MatrixFamily& family, double lambda,
                                           const std::vector<Eigen::VectorXcd>& start,
                                           const PolytopeBudget& budget) {
  assert(!family.empty() && family[0].rows() == family[0].cols() && lambda > 0.0);
  const Eigen::Index d = family[0].rows();
  ComplexGrowth g{&family, lambda, budget, ComplexPolytopeLp(d), {}, {}};
  g.result.certificate = 1.0;
  std::vector<Eigen::VectorXcd> generation;
  for (const Eigen::VectorXcd& v : start)
    if (!offer(g, v, generation)) return g.result;
  while (!generation.empty()) {
    ++g.result.generations;
    std::vector<Eigen::VectorXcd> next;
    for (const Eigen::VectorXcd& x : generation)
      for (const Eigen::MatrixXd& t : family) {
        const Eigen::VectorXcd image = (t.cast<std::complex<double>>() * x) / lambda;
        if (!offer(g, image, next)) {
          g.result.vertices = static_cast<int>(g.vertices.size());
          return g.result;
        }
      }
    generation.swap(next);
  }
  g.result.vertices = static_cast<int>(g.vertices.size());
  g.result.spans = spans(g.vertices, d);
  g.result.outcome = PolytopeOutcome::CLOSED;
  return g.result;
}

}  // namespace curvix
