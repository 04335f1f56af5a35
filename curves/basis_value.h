#pragma once
// The radial basis function phi(x; r) of a basis kind with multiquadric constant C.
//
//   BASIS_MQ1  q = x*x + ((C*C)*r)*r, phi = sqrt(q)
//   BASIS_MQ3  the same q, phi = pow(q, 1.5)
//   BASIS_GS   phi = exp(((-r)*x)*x); any kind other than 0 and 1 is the gaussian
//
// Evaluated in double precision in exactly that order. phi depends on x only
// through its magnitude, bit for bit: phi(-x) == phi(x). At x = 0 the
// multiquadrics give |C*r| and |C*r|^3, the gaussian 1. With r = 0 the
// multiquadrics reduce to |x| and |x|^3; a negative r makes the gaussian grow
// and it may overflow to infinity, which is not reported.

#include "curves/basis_kind.h"
#include "curves/rbf_settings.h"

namespace curvix {

// phi at the signed parameter distance x with shape parameter r, for the given
// kind and multiquadric constant c.
double basis_function(BasisKind kind, double c, double x, double r);

// phi at x for the basis, C and r of `settings`: basis_function(settings.basis,
// settings.c, x, settings.r), the same bits.
double basis_value(const RbfSettings& settings, double x);

}  // namespace curvix
