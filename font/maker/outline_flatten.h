#pragma once
// Flattening of a FreeType outline into closed polygonal contours.

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <vector>

#include "glyph_geometry.h"

// The contours of `outline` (font units) with every conic and cubic arc
// replaced by chords that stay within `tolerance` font units of the curve.
// Points are as FreeType gives them: the closing point of each contour is
// kept when the outline repeats its start.
std::vector<Contour> flatten_outline(const FT_Outline& outline, double tolerance);
