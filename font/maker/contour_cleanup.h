#pragma once
// Preparing flattened contours for the GLF file: rounding to its single
// precision coordinates, removing points that add nothing, and checking that
// no two edges cross or touch.

#include <vector>

#include "glyph_geometry.h"

// Each point moved by -origin, multiplied by `scale` and rounded to the
// nearest float, the precision in which the file stores it.
std::vector<Contour> to_font_units(const std::vector<Contour>& contours, const Point2& origin,
                                   double scale);

// Removes repeated points, points on the straight line through their
// neighbours (spikes included), and contours left with no area.
std::vector<Contour> remove_redundant_points(const std::vector<Contour>& contours);

// True when two edges of the contours meet anywhere other than the point
// that consecutive edges of one contour share.
bool contours_intersect(const std::vector<Contour>& contours);

int total_points(const std::vector<Contour>& contours);
