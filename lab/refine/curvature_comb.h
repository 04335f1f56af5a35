#pragma once
// The curvature comb of a closed polygon: at each vertex a tooth along the
// normal, away from the centre of curvature, its length proportional to the
// discrete curvature, and the line through the teeth's tips. A C1 scheme's
// kinks in curvature show as jumps in that line; a C2 scheme's comb is smooth.

#include <vector>

#include "lab/common/svg_picture.h"

namespace curvix {

constexpr double COMB_LENGTH = 0.15;  // the longest tooth, as a fraction of the polygon's extent

// The teeth (one strip of two points each) and the tips' closed line, in
// `colour`, for the polygon and its curvature (one value a vertex; a NaN
// vertex has no tooth and breaks no line: its tip is the vertex).
std::vector<SvgStrip> curvature_comb(const std::vector<PlanarPoint>& polygon,
                                     const std::vector<double>& curvature, const Colour& colour);

}  // namespace curvix
