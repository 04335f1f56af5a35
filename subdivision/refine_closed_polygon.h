#pragma once
// One level of interpolatory subdivision of a closed polygon: every old point
// stays, one new point is inserted after each, from the stencil of old points
// around the gap (see closed_stencil.h for how stencils wrap).

#include "curves/planar_point.h"
#include "curves/rbf_settings.h"
#include "subdivision/scheme_kind.h"
#include "subdivision/stencil_buffers.h"
#include "subdivision/stencil_observer.h"

namespace curvix {

// The scheme and everything its arithmetic depends on.
struct SubdivisionSettings {
  SchemeKind scheme = SCHEME_RBF4;
  RbfSettings rbf;           // RBF4 and RBF6
  int rbf_stencil_size = 0;  // points per RBF stencil, even and >= 2; 0 takes the scheme's own
  double tension = START_TENSION;  // NR4; D-D always uses DD_TENSION
};

// How a refinement ended. A refusal before any stencil (an unusable stencil
// size) has failed_stencil -1.
struct RefineResult {
  bool refined = false;
  int failed_stencil = -1;  // when not refined: the old point whose stencil failed
};

// The points per stencil the settings ask for: the scheme's own size, or the
// RBF stencil size the settings give.
int stencil_size_of(const SubdivisionSettings& settings);

// Refines points[0..n-1] at parameter values t[0..n-1] with spacing h into
// out[0 .. 2n - 1]: out[2i] = points[i], out[2i + 1] the point the scheme
// inserts after old point i, stencils in increasing i. Parameter values serve
// only the RBF schemes' stencils. The observer, when given, is shown every RBF
// stencil (see stencil_observer.h); without one, the RBF systems are solved on
// the scratch's fixed storage, with the same bits. Returns refined = false at the first
// stencil whose RBF system cannot be inverted (out is then partly written), or
// when the stencil size is not even and >= 2. `scratch` holds the last
// stencil afterwards.
RefineResult refine_closed_polygon(const PlanarPoint* points, const double* t, int n, double h,
                                   const SubdivisionSettings& settings, StencilScratch& scratch,
                                   StencilObserver* observer, PlanarPoint* out);

// The stencils of old points first..last-1 (0 <= first <= last <= n) of the
// same refinement, without an observer: out[2i] and out[2i + 1] for those i
// alone, each with the bits refine_closed_polygon gives it, so disjoint
// ranges may run at once on different threads, each with its own scratch.
// When `worst_condition` is not null it is raised to the largest condition
// number of the range's RBF stencil systems (see invert_stencil_fixed).
// Returns as refine_closed_polygon, failed_stencil the first in the range.
RefineResult refine_stencils(const PlanarPoint* points, const double* t, int n, double h,
                             const SubdivisionSettings& settings, int first, int last,
                             StencilScratch& scratch, double* worst_condition, PlanarPoint* out);

}  // namespace curvix
