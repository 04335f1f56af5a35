#include "app/scene.h"

#include <GL/glut.h>

#include "app/curve_drawing.h"

namespace {

// A filled square for an ordinary point, an outline for the hovered or dragged one.
void draw_marker(const Point& point) {
  const double s = MARKER_HALF_SIZE;
  const double y = flipped_y(point.y);
  glBegin(point.highlight == 0.0 ? GL_POLYGON : GL_LINE_LOOP);
  glVertex2d(point.x + s, y - s);
  glVertex2d(point.x + s, y + s);
  glVertex2d(point.x - s, y + s);
  glVertex2d(point.x - s, y - s);
  glEnd();
}

void draw_curve() {
  switch (app.curve_mode) {
    case CURVE_LAGRANGE: draw_lagrange_curve(); break;
    case CURVE_BEZIER: draw_bezier_curve(); break;
    case CURVE_RBF: draw_rbf_curve(); break;
    case CURVE_NONE: break;
  }
}

}  // namespace

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

void on_reshape(int width, int height) {
  glClearColor(BACKGROUND_GREY, BACKGROUND_GREY, BACKGROUND_GREY, 1.0f);
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, width, 0, height, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  app.window_width = width;
  app.window_height = height;
}

void on_display() {
  glClear(GL_COLOR_BUFFER_BIT);
  glLoadIdentity();
  set_colour(INK_COLOUR);
  for (int i = 0; i < app.points.count; ++i) draw_marker(app.points.items[i]);
  draw_point_strip(app.points.items.data(), app.points.count);
  // Left current when no curve is drawn; the next subdivision frame's saved
  // polygon, which sets no colour of its own, inherits it.
  set_colour(CURVE_COLOUR);
  draw_curve();
  glFlush();
  glutSwapBuffers();
}
