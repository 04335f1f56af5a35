// The double-precision vertex calls the program makes, for Emscripten's
// legacy-GL emulation, which has only the float forms. GL stores positions as
// floats either way, so narrowing here draws the picture the desktop draws.
// Linked into the web build alone: the desktop program calls the real ones.

#include <GL/gl.h>

extern "C" {

void glVertex2d(GLdouble x, GLdouble y) {
  glVertex2f(static_cast<GLfloat>(x), static_cast<GLfloat>(y));
}

void glVertex3dv(const GLdouble* v) {
  glVertex3f(static_cast<GLfloat>(v[0]), static_cast<GLfloat>(v[1]), static_cast<GLfloat>(v[2]));
}

}  // extern "C"
