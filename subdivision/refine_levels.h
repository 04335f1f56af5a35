#pragma once
// The subdivision command's levels: each level refines the closed polygon of
// the one before (refine_closed_polygon.h), halves the parameter spacing h, makes the
// parameter values uniform, t_k = k h, and, in stationary mode, halves r for
// the schemes that ask for it (scheme_kind.h), so that r keeps its ratio to
// the spacing. The first level may start from any increasing parameter values.
// The program runs one level per command; the companion runs many.

#include <vector>

#include "curves/planar_point.h"
#include "subdivision/refine_closed_polygon.h"
#include "subdivision/stencil_buffers.h"
#include "subdivision/stencil_observer.h"

namespace curvix {

constexpr double START_SPACING = 1.0;         // the program's spacing h before any level
constexpr double LEVEL_SPACING_FACTOR = 0.5;  // every level halves the parameter spacing
constexpr double STATIONARY_R_FACTOR = 0.5;   // stationary mode keeps r in ratio to the spacing

// A stencil system whose 1-norm condition number passes this has lost about
// 12 of a double's 16 digits: the flat limit (spacing small against r) that
// deep levels reach without stationary mode. Its mask is not to be trusted.
constexpr double CONDITION_LIMIT = 1e12;

// What a level is refined with besides its points and parameter values.
struct LevelSettings {
  SubdivisionSettings subdivision;  // the scheme and its arithmetic; r changes between levels
  double h = START_SPACING;         // spacing of the parameter values
  bool stationary = false;          // r follows the spacing
};

// The settings of the level after one refined with `level`: h * LEVEL_SPACING_FACTOR,
// and r * STATIONARY_R_FACTOR in stationary mode for a scheme that halves r.
LevelSettings next_level_settings(const LevelSettings& level);

// t[k] = k h for k = 0..n-1, the parameter values of every level after the first.
void uniform_parameter_values(int n, double h, double* t);

// What the loop measured of one level besides its points.
struct LevelReport {
  // The largest 1-norm condition number of the level's RBF stencil systems
  // (see matrix_norm.h); 0 when not measured or for the four-point schemes.
  double worst_condition = 0.0;
};

struct RefineLevelsResult {
  bool refined = false;     // every level was refined
  int failed_level = 0;     // when not: the 1-based level whose stencil failed
  int failed_stencil = -1;  // and the old point of that stencil (-1: an unusable stencil size)
  std::vector<LevelReport> reports;  // one per level refined
  LevelSettings next;                // what a further level would be refined with
};

// Refines points[0..n-1] at parameter values t[0..n-1] `count` >= 1 levels,
// starting with `first`. levels[0] becomes the input and levels[l] level l
// (n 2^l points). With `measure_condition` the reports hold the worst
// condition number of each level's stencil systems. The observer, when given,
// is shown every RBF stencil of every level, in stencil order, on the calling
// thread. Without one, the stencils of a level are split into contiguous
// blocks over up to `threads` (>= 1) threads, the calling one included, each
// with its own scratch (refine_stencils); every stencil, every condition
// number and so every result has the same bits for any thread count. Stops at
// the first level that cannot be refined (see refine_closed_polygon), naming
// its first failing stencil; `levels` then holds the levels before it.
// `scratch` serves the calling thread; after a split run which stencil it
// holds is unspecified.
RefineLevelsResult refine_levels(const PlanarPoint* points, const double* t, int n,
                                 const LevelSettings& first, int count, bool measure_condition,
                                 StencilScratch& scratch, StencilObserver* observer,
                                 std::vector<std::vector<PlanarPoint>>& levels, int threads = 1);

}  // namespace curvix
