#pragma once
// The cycles and bounds of the settings that keys step through. The continuous
// parameters r, C and w need no helper: each key press is one addition or
// subtraction of PARAM_STEP or TENSION_STEP, never a value recomputed from a
// count of presses, so twenty presses give twenty rounded additions. The
// cycles of the basis and the scheme are the library's tables' order
// (curvix::next_basis, curvix::next_scheme).

#include "app/app_state.h"

// The polynomial degree one lower, held at 0: a negative degree has no polynomial part to solve.
constexpr int lowered_degree(int pd) {
  return pd - 1 < 0 ? 0 : pd - 1;
}

// The stencil size once `scheme` is selected: the RBF schemes set their own; the
// four-point schemes do not use it and leave `current` as it was.
constexpr int stencil_size_for(SchemeKind scheme, int current) {
  return curvix::is_rbf_scheme(scheme) ? curvix::scheme_info(scheme).stencil_size : current;
}
