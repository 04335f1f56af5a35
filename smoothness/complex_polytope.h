#pragma once
// The invariant polytope algorithm in its complex form (Guglielmi and
// Protasov 2013, the balanced complex polytope), for a family {T_e} whose
// candidate product has a complex pair of leading eigenvalues: there no real
// polytope can be invariant, since T_Pi turns its leading plane.
//
// The balanced complex hull absco{V} = {sum_j c_j v_j : c_j complex,
// sum_j |c_j| <= 1} of complex vectors V spanning C^d is the unit ball of the
// norm ||y||_V = min {sum_j |c_j| : V c = y}, a second-order cone program.
// Here each disk |c_j| <= r is replaced by its inscribed regular polygon of
// COMPLEX_DISK_SIDES sides, c_j = sum_s lambda_(js) omega^s, lambda >= 0,
// omega = exp(2 pi i / q), which makes the problem a linear program (GLPK,
// in its dual form, warm-started as in invariant_polytope.h). Whatever
// coefficients c the linear program returns are a genuine representation of
// y, so beta(y) = sum_j |c_j| (complex moduli, measured) bounds ||y||_V from
// above: far sharper than the polygon's factor 1 / cos(pi / q).
//
// The polytope grows as the real one does, from the leading eigenvectors of
// the candidates' cyclic rotations and their complex conjugates; an image
// T_e x / lambda with beta above 1 + POLYTOPE_TOLERANCE becomes a vertex, with
// its conjugate (the set stays closed under conjugation, as the real
// matrices keep it; without that, rules of 6 points do not close within a
// few hundred vertices). When a generation adds none, every image has
// beta <= certificate, so ||T_e||_V <= lambda certificate for every e and
// lambda <= rho <= lambda certificate: the certificate is the measured
// factor, not a tolerance assumed.
//
// Cost: one linear program per image, on COMPLEX_DISK_SIDES rows per vertex
// and 2d columns.

#include <Eigen/Dense>
#include <vector>

#include "smoothness/invariant_polytope.h"
#include "smoothness/subdivision_matrices.h"

namespace curvix {

constexpr int COMPLEX_DISK_SIDES = 8;  // q: the polygon of each coefficient's disk

struct ComplexPolytope {
  PolytopeOutcome outcome = PolytopeOutcome::LP_FAILURE;
  int vertices = 0;  // one of each rotation class, conjugates counted
  int lp_solves = 0;
  int generations = 0;
  bool spans = false;        // the vertices span C^d
  double certificate = 0.0;  // largest beta of an image seen inside: rho <= lambda certificate
};

// Runs the algorithm on {T_e / lambda} (square, one order d >= 1, lambda > 0)
// from the start vectors (each of size d, unit 2-norm; their conjugates are
// added). When CLOSED and spans, rho lies in [lambda, lambda certificate].
ComplexPolytope complex_invariant_polytope(const MatrixFamily& family, double lambda,
                                           const std::vector<Eigen::VectorXcd>& start,
                                           const PolytopeBudget& budget = {});

}  // namespace curvix
