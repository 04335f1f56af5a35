#pragma once
// Small drawing helpers shared by the scene and the subdivision frames.
// Stored points have y growing downward; the view has y growing upward, so
// every vertex is flipped against the current window height.

#include "app/library_names.h"
#include "app/point.h"

void set_colour(const Colour& colour);

// The window y of a stored y, in double precision against app.window_height.
double flipped_y(double stored_y);

// One GL_LINE_STRIP through items[0 .. count-1], flipped. Begun and ended even
// when count is 0, so an empty strip still shows up as a primitive with no vertices.
void draw_point_strip(const Point* items, int count);
