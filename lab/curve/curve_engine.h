#pragma once
// The engine of `curve`: the samples of a Lagrange, Bezier or RBF curve over
// points, as the program samples them.

#include <vector>

#include "curves/curve_mode.h"
#include "curves/planar_point.h"
#include "lab/common/lab_engine.h"
#include "subdivision/refine_levels.h"

namespace curvix {

// `samples` (>= 2) points of the curve of the given kind (not CURVE_NONE) over
// `input` (at least 1 point), with the knots as for refine_polygon (one per
// point, strictly increasing; empty = uniform) and the RBF settings and
// spacing of `settings`.
LabRefusal sample_curve(CurveMode kind, const LevelSettings& settings, int samples,
                        const std::vector<double>& knots, const std::vector<PlanarPoint>& input,
                        std::vector<PlanarPoint>& samples_out);

}  // namespace curvix
