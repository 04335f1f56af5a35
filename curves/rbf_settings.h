#pragma once
// The settings an RBF interpolant depends on besides its data, and the
// coefficients it is solved for.

#include "curves/basis_kind.h"

namespace curvix {

// The program's start values, which the companion takes as its defaults.
constexpr BasisKind START_BASIS = BASIS_MQ1;
constexpr double START_C = 1.0;
constexpr double START_R = 1.0;
constexpr int START_DEGREE = 1;  // of the polynomial part

// Basis kind, multiquadric constant C, shape parameter r and the degree pd of
// the polynomial part.
struct RbfSettings {
  BasisKind basis = START_BASIS;
  double c = START_C;
  double r = START_R;
  int pd = START_DEGREE;
};

// One x/y coefficient pair of an RBF interpolant. A solved interpolant over n
// centres has n + pd + 1 of them: entries 0..pd are the polynomial
// coefficients, entries pd + 1 .. pd + n the weights of the translates.
struct RbfCoefficient {
  double x = 0.0;
  double y = 0.0;
};

}  // namespace curvix
