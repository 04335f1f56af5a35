#pragma once
// The cycles and bounds of the settings that keys step through. The continuous
// parameters r, C and w need no helper: each key press is one addition or
// subtraction of PARAM_STEP or TENSION_STEP, never a value recomputed from a
// count of presses, so twenty presses give twenty rounded additions.

#include "app/app_state.h"

constexpr int RBF4_STENCIL_SIZE = 4;  // old points per inserted point of RBF4
constexpr int RBF6_STENCIL_SIZE = 6;  // old points per inserted point of RBF6

// The polynomial degree one lower, held at 0: a negative degree has no polynomial part to solve.
constexpr int lowered_degree(int pd) {
  return pd - 1 < 0 ? 0 : pd - 1;
}

// mq1 -> mq3 -> gs -> mq1.
constexpr BasisKind next_basis(BasisKind basis) {
  switch (basis) {
    case BASIS_MQ1: return BASIS_MQ3;
    case BASIS_MQ3: return BASIS_GS;
    case BASIS_GS: return BASIS_MQ1;
  }
  return BASIS_MQ1;
}

// RBF4 -> RBF6 -> NR4 -> D-D -> RBF4.
constexpr SchemeKind next_scheme(SchemeKind scheme) {
  switch (scheme) {
    case SCHEME_RBF4: return SCHEME_RBF6;
    case SCHEME_RBF6: return SCHEME_NR4;
    case SCHEME_NR4: return SCHEME_DD;
    case SCHEME_DD: return SCHEME_RBF4;
  }
  return SCHEME_RBF4;
}

// The stencil size once `scheme` is selected: the RBF schemes set their own; the
// four-point schemes do not use it and leave `current` as it was.
constexpr int stencil_size_for(SchemeKind scheme, int current) {
  if (scheme == SCHEME_RBF4) return RBF4_STENCIL_SIZE;
  if (scheme == SCHEME_RBF6) return RBF6_STENCIL_SIZE;
  return current;
}
