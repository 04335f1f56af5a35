#pragma once
// Triangulation of a glyph's contours with the GLU tessellator.

#include <optional>
#include <vector>

#include "glyph_geometry.h"

// Triangles filling the contours under the nonzero winding rule (the rule of
// TrueType and CFF outlines), indexing the contours' points in order of
// appearance. Empty when the tessellator reports an error or would need a
// point that is not one of the contours' own (edges that cross).
std::optional<std::vector<Triangle>> tessellate(const std::vector<Contour>& contours);
