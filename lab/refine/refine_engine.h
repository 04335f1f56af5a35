#pragma once
// The engine of `refine`: a closed polygon refined K levels exactly as the
// program's subdivision command does.

#include <vector>

#include "curves/planar_point.h"
#include "lab/common/lab_engine.h"
#include "subdivision/mask_refinement.h"
#include "subdivision/refine_levels.h"

namespace curvix {

struct RefineRequest {
  LevelSettings first;        // the scheme, its settings, h and stationary mode
  int levels = 1;             // >= 1
  std::vector<double> knots;  // one per input point, strictly increasing; empty = uniform
  int threads = 0;            // a level's stencils split over this many; 0: one per core
  bool by_mask = false;       // refine by `mask` (first, knots and threads unused)
  SubdivisionMask mask;
};

struct Refinement {
  std::vector<std::vector<PlanarPoint>> levels;  // levels[0] = input, then one per level
  RefineLevelsResult result;  // per-level condition numbers; where a refusal happened
};

// Refines the closed polygon `input` (at least 2 points) request.levels
// times, exactly as the program's subdivision command does, measuring the
// condition of the RBF stencil systems. The threads change only the time:
// every number has the same bits for any count. By a mask, each level has
// the arity times the points of the one before.
LabRefusal refine_polygon(const RefineRequest& request, const std::vector<PlanarPoint>& input,
                          Refinement& out);

}  // namespace curvix
