#pragma once
// The settings an RBF interpolant depends on besides its data, and the
// coefficients it is solved for.

#include "curves/basis_kind.h"

namespace curvix {

// Basis kind, multiquadric constant C, shape parameter r and the degree pd of
// the polynomial part; the defaults are the program's start values.
struct RbfSettings {
  BasisKind basis = BASIS_MQ1;
  double c = 1.0;
  double r = 1.0;
  int pd = 1;
};

// One x/y coefficient pair of an RBF interpolant. A solved interpolant over n
// centres has n + pd + 1 of them: entries 0..pd are the polynomial
// coefficients, entries pd + 1 .. pd + n the weights of the translates.
struct RbfCoefficient {
  double x = 0.0;
  double y = 0.0;
};

}  // namespace curvix
