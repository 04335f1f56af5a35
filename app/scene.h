#pragma once
// The picture of the window: a pixel-exact 2D view, the normal scene (markers,
// open control polygon, the chosen curve), and the drawing helpers that the
// scene, the curves and the subdivision frames share.
//
// Stored points have y growing downward; the view has y growing upward, so
// every vertex is flipped against the current window height.

#include "app/app_state.h"

// GLUT reshape callback: rebuilds the view for a window of width x height pixels.
void on_reshape(int width, int height);

// GLUT display callback: draws the scene from app and shows the frame. Only reads state.
void on_display();

void set_colour(const Colour& colour);

// The window y of a stored y, in double precision against app.window_height.
double flipped_y(double stored_y);

// One GL_LINE_STRIP through items[0 .. count-1], flipped. Begun and ended even
// when count is 0, so an empty strip still shows up as a primitive with no vertices.
void draw_point_strip(const Point* items, int count);
