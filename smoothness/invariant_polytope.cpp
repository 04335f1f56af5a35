#include "smoothness/invariant_polytope.h"

#include <glpk.h>

#include <cassert>
#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

namespace curvix {

namespace {

int glpk_index(Eigen::Index i) {
  return static_cast<int>(i) + 1;  // GLPK numbers rows and columns from 1
}

// The dual LP max y^T z s.t. -1 <= v_j^T z <= 1 over z in R^d, one row per
// vertex, kept between solves so each starts from the last basis.
class PolytopeLp {
 public:
  explicit PolytopeLp(Eigen::Index dimension) : lp_(glp_create_prob()), dimension_(dimension) {
    glp_term_out(GLP_OFF);
    glp_set_obj_dir(lp_, GLP_MAX);
    glp_add_cols(lp_, static_cast<int>(dimension));
    for (Eigen::Index j = 0; j < dimension; ++j)
      glp_set_col_bnds(lp_, glpk_index(j), GLP_FR, 0.0, 0.0);
    glp_init_smcp(&parameters_);
    parameters_.msg_lev = GLP_MSG_OFF;
    parameters_.presolve = GLP_OFF;
    parameters_.tol_bnd = POLYTOPE_LP_TOLERANCE;
    parameters_.tol_dj = POLYTOPE_LP_TOLERANCE;
  }
  ~PolytopeLp() { glp_delete_prob(lp_); }
  PolytopeLp(const PolytopeLp&) = delete;
  PolytopeLp& operator=(const PolytopeLp&) = delete;

  void add_vertex(const Eigen::VectorXd& v) {
    const int row = glp_add_rows(lp_, 1);
    glp_set_row_bnds(lp_, row, GLP_DB, -1.0, 1.0);
    std::vector<int> index(static_cast<std::size_t>(dimension_) + 1, 0);
    std::vector<double> value(static_cast<std::size_t>(dimension_) + 1, 0.0);
    for (Eigen::Index j = 0; j < dimension_; ++j) {
      index[static_cast<std::size_t>(j) + 1] = glpk_index(j);
      value[static_cast<std::size_t>(j) + 1] = v(j);
    }
    glp_set_mat_row(lp_, row, static_cast<int>(dimension_), index.data(), value.data());
  }

  // ||y||_V: +infinity when the dual is unbounded (y outside the span), -1
  // when GLPK fails.
  double norm(const Eigen::VectorXd& y) {
    for (Eigen::Index j = 0; j < dimension_; ++j) glp_set_obj_coef(lp_, glpk_index(j), y(j));
    if (glp_simplex(lp_, &parameters_) != 0) return -1.0;
    switch (glp_get_status(lp_)) {
      case GLP_OPT: return glp_get_obj_val(lp_);
      case GLP_UNBND: return std::numeric_limits<double>::infinity();
      default: return -1.0;
    }
  }

 private:
  glp_prob* lp_;
  Eigen::Index dimension_;
  glp_smcp parameters_;
};

// The polytope's state while it grows.
struct Growth {
  const MatrixFamily* generators;
  double lambda;
  PolytopeBudget budget;
  PolytopeLp lp;
  InvariantPolytope result;
};

// Adds y as a vertex when it lies outside (1 + tol) absco{V}; false when a
// budget runs out or the LP fails, with the outcome set.
bool offer(Growth& g, const Eigen::VectorXd& y, std::vector<Eigen::VectorXd>& added) {
  if (g.result.lp_solves >= g.budget.max_lp_solves) {
    g.result.outcome = PolytopeOutcome::LP_BUDGET;
    return false;
  }
  ++g.result.lp_solves;
  const double norm = g.lp.norm(y);
  if (norm < 0.0) {
    g.result.outcome = PolytopeOutcome::LP_FAILURE;
    return false;
  }
  if (norm <= 1.0 + POLYTOPE_TOLERANCE) return true;
  if (static_cast<int>(g.result.vertices.size()) >= g.budget.max_vertices) {
    g.result.outcome = PolytopeOutcome::VERTEX_BUDGET;
    return false;
  }
  if (y.norm() > g.budget.max_vertex_norm) {
    g.result.outcome = PolytopeOutcome::VERTEX_GROWTH;
    return false;
  }
  g.lp.add_vertex(y);
  g.result.vertices.push_back(y);
  added.push_back(y);
  return true;
}

}  // namespace

InvariantPolytope invariant_polytope(const MatrixFamily& family, double lambda,
                                     const std::vector<Eigen::VectorXd>& start,
                                     const PolytopeBudget& budget) {
  assert(!family.empty() && family[0].rows() == family[0].cols() && family[0].rows() >= 1 &&
         lambda > 0.0);
  Growth g{&family, lambda, budget, PolytopeLp(family[0].rows()), {}};
  std::vector<Eigen::VectorXd> generation;
  for (const Eigen::VectorXd& v : start) {
    assert(v.size() == family[0].rows());
    if (!offer(g, v, generation)) return g.result;
  }
  while (!generation.empty()) {
    ++g.result.generations;
    std::vector<Eigen::VectorXd> next;
    for (const Eigen::VectorXd& x : generation)
      for (const Eigen::MatrixXd& t : *g.generators)
        if (!offer(g, (t * x) / g.lambda, next)) return g.result;
    generation.swap(next);
  }
  g.result.outcome = PolytopeOutcome::CLOSED;
  return g.result;
}

}  // namespace curvix
