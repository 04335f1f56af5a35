#pragma once
// What curvix-lab computes, over the maths libraries: each command's engine
// (mask/mask_engine.h, refine/refine_engine.h, curve/curve_engine.h,
// smoothness/smoothness_engine.h) and what they share here. The front end
// checks the command line and the input before it calls an engine: counts,
// ranges and matching lengths are preconditions there. What can still fail is
// the computation itself, which comes back as a LabRefusal and the values
// behind it; the front end words them for the user.
//
// Points are in the program's stored coordinates: x to the right, y downward.

#include <vector>

namespace curvix {

// Why a computation was refused.
enum class LabRefusal {
  NONE,
  NO_STENCIL_SYSTEM,      // the polynomial degree is not below the stencil size
  SINGULAR_STENCIL,       // the solver found a stencil system singular
  SINGULAR_CURVE_SYSTEM,  // the solver found the RBF curve's system singular
  SAMPLES_NOT_FINITE,     // the curve has samples that are not finite numbers
  NOT_A_RULE,             // not an even number (2 or more) of finite weights
};

// t_i = i h for i = 0..n-1: the program's (i - 1) h over 1-based indices.
std::vector<double> uniform_values(int n, double h);

}  // namespace curvix
