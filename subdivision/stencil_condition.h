#pragma once
// The condition number of one RBF stencil system, as the subdivision levels
// measure it (refine_levels.h): ||A||_1 ||A^-1||_1 with the solver's inverse.

#include "curves/rbf_settings.h"
#include "subdivision/stencil_buffers.h"

namespace curvix {

// The 1-norm condition number of the system of the stencil at params[0..s-1]
// (see rbf_stencil.h); 0 when the system cannot be built or inverted.
double stencil_condition(const double* params, int s, const RbfSettings& settings,
                         StencilScratch& scratch);

}  // namespace curvix
