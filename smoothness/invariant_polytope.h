#pragma once
// The invariant polytope algorithm (Guglielmi and Protasov, Found. Comput.
// Math. 13, 2013) for a family {T_0, ..., T_(m-1)} normalized by a candidate
// rate lambda.
//
// The balanced convex hull absco{V} = {sum_j c_j v_j : sum_j |c_j| <= 1} of a
// finite set V that spans R^d is the unit ball of a norm
//   ||y||_V = min { ||c||_1 : V c = y },
// a linear program. If T_i V / lambda lies in absco{V} for i = 0, 1, then
// ||T_i||_V <= lambda, so rho <= lambda: with lambda the rate of a product,
// rho = lambda exactly, and the polytope norm is extremal (the normalized
// products stay bounded). The algorithm grows V from the leading eigenvectors
// of the candidate product's cyclic rotations: each generation takes the
// images T_e x / lambda of the vertices added by the last
// one, keeps those outside absco{V} as new vertices, and stops when a
// generation adds none. It terminates when the candidate is a dominant
// spectrum-maximizing product with a real simple leading eigenvalue of an
// irreducible family (the cited paper's conditions); otherwise a budget stops it.
//
// The LP is solved in its dual form, max y^T z subject to |v_j^T z| <= 1, by
// GLPK's primal simplex: adding a vertex adds a row, testing a point changes
// only the objective, so each solve starts from the last optimal basis. An
// unbounded dual means y is outside the span of V.
//
// Tolerance: an image counts as inside when ||y||_V <= 1 + POLYTOPE_TOLERANCE,
// so a closed polytope proves T_i absco{V} / lambda within (1 + tol) absco{V},
// i.e. lambda <= rho <= lambda (1 + tol): the Hölder exponent n - log2(lambda)
// derived from it may be too large by at most tol / ln 2 = 1.5e-9, besides the
// rounding of lambda itself (a few ulps times the conditioning of the
// eigenvalue). The tolerance must exceed the drift of the cycle that maps the
// eigenvector back to itself, a few ulps times the product length, and GLPK's
// own feasibility tolerances, set to POLYTOPE_LP_TOLERANCE.
//
// Cost: one LP per image, each a warm-started simplex on |V| rows and d
// columns; the number of vertices depends on the family (4 for Deslauriers-
// Dubuc's 4-point rule, a few dozen to a few hundred for rules of 6 to 12
// points, see analysis_benchmark).

#include <Eigen/Dense>
#include <vector>

#include "smoothness/subdivision_matrices.h"

namespace curvix {

constexpr double POLYTOPE_TOLERANCE = 1e-9;      // relative, on ||y||_V
constexpr double POLYTOPE_LP_TOLERANCE = 1e-10;  // GLPK's primal and dual feasibility

// Deterministic budgets (counts, not time, so results do not depend on load).
struct PolytopeBudget {
  int max_vertices = 600;  // vertices kept, one of each +- pair
  int max_lp_solves = 20000;
  // Start vectors are of unit size and bounded products keep the vertices
  // near it; vertices this large show a candidate rate below rho (in practice:
  // a bound of 1e8 on the normalized products is not ruled out).
  double max_vertex_norm = 1e8;
};

enum class PolytopeOutcome {
  CLOSED,         // a generation added no vertex: T_i absco{V} / lambda within absco{V}
  VERTEX_BUDGET,  // max_vertices reached before closing
  LP_BUDGET,      // max_lp_solves reached before closing
  VERTEX_GROWTH,  // a vertex exceeded max_vertex_norm
  LP_FAILURE      // GLPK reported an error or a status other than optimal/unbounded
};

struct InvariantPolytope {
  PolytopeOutcome outcome = PolytopeOutcome::LP_FAILURE;
  std::vector<Eigen::VectorXd> vertices;  // V, one of each +- pair
  int lp_solves = 0;
  int generations = 0;
};

// Runs the algorithm on {T_e / lambda} (square, one order d >= 1,
// lambda > 0) from the start vectors (each of size d; those inside the hull of
// the earlier ones are dropped). Closing with vertices that span a proper
// subspace proves the bound only on that common invariant subspace; the
// caller checks the span (see joint_spectral_radius.h).
InvariantPolytope invariant_polytope(const MatrixFamily& family, double lambda,
                                     const std::vector<Eigen::VectorXd>& start,
                                     const PolytopeBudget& budget = {});

}  // namespace curvix
