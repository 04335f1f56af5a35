#include "app/gl_drawing.h"

#include <GL/gl.h>

#include "app/app_state.h"

void set_colour(const Colour& colour) {
  glColor3f(colour.red, colour.green, colour.blue);
}

double flipped_y(double stored_y) {
  return static_cast<double>(app.window_height) - stored_y;
}

void draw_point_strip(const Point* items, int count) {
  glBegin(GL_LINE_STRIP);
  for (int i = 0; i < count; ++i) glVertex2d(items[i].x, flipped_y(items[i].y));
  glEnd();
}
