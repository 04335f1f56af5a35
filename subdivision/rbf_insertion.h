#pragma once
// The RBF4 and RBF6 insert rule: the stencil's points are interpolated by a
// local RBF interpolant over the stencil's parameter values (see rbf_stencil.h)
// and the point inserted is the interpolant at the middle of their span.

#include "curves/planar_point.h"
#include "curves/rbf_settings.h"
#include "subdivision/stencil_buffers.h"
#include "subdivision/stencil_observer.h"

namespace curvix {

// The point inserted by the stencil points[0..s-1] at params[0..s-1]: the
// stencil interpolant (coefficients in scratch.coefficients) evaluated at the
// midpoint with the same operations as rbf_evaluate. With an observer, it is
// shown the system, the inverse and then the insertion record of stencil
// `index` (mask from scratch.values and scratch.weights). Without one the
// system is inverted on fixed storage (invert_stencil_fixed), the same bits,
// and `condition`, when not null, gets the system's condition number; with an
// observer `condition` is not written. Returns false, `inserted` untouched,
// when the system cannot be inverted.
bool rbf_insert(const double* params, const PlanarPoint* points, int s, const RbfSettings& settings,
                int index, StencilScratch& scratch, StencilObserver* observer, double* condition,
                PlanarPoint& inserted);

}  // namespace curvix
