#include "gl_recorder.h"

#include <GL/gl.h>
#include <GL/glut.h>

namespace gl_recorder {
namespace {

struct Recorder {
  std::vector<Call> calls;
  long long count = 0;
  bool recording = true;
  Rgb colour{1.0f, 1.0f, 1.0f};
  Registered registered;
};

Recorder& recorder() {
  static Recorder instance;
  return instance;
}

void record(const char* name, std::vector<double> args = {}, std::string text = {}) {
  Recorder& r = recorder();
  ++r.count;
  if (r.recording) r.calls.push_back(Call{name, std::move(args), std::move(text)});
}

}  // namespace

void reset() {
  Recorder& r = recorder();
  r.calls.clear();
  r.count = 0;
  r.colour = {1.0f, 1.0f, 1.0f};
  r.registered = Registered{};
}

void set_recording(bool on) {
  recorder().recording = on;
}

const std::vector<Call>& calls() {
  return recorder().calls;
}

std::vector<std::string> call_names() {
  std::vector<std::string> names;
  for (const Call& call : recorder().calls) names.push_back(call.name);
  return names;
}

long long call_count() {
  return recorder().count;
}

int count_of(const std::string& name) {
  int n = 0;
  for (const Call& call : recorder().calls) n += call.name == name ? 1 : 0;
  return n;
}

std::vector<Primitive> primitives() {
  std::vector<Primitive> result;
  Rgb colour{1.0f, 1.0f, 1.0f};
  bool open = false;
  for (const Call& call : recorder().calls) {
    if (call.name == "glColor3f") {
      colour = {static_cast<float>(call.args[0]), static_cast<float>(call.args[1]),
                static_cast<float>(call.args[2])};
    } else if (call.name == "glBegin") {
      result.push_back(Primitive{static_cast<unsigned>(call.args[0]), colour, {}});
      open = true;
    } else if (call.name == "glEnd") {
      open = false;
    } else if (open && (call.name == "glVertex2d" || call.name == "glVertex3dv")) {
      result.back().vertices.push_back(
          {call.args[0], call.args[1], call.args.size() > 2 ? call.args[2] : 0.0});
    }
  }
  return result;
}

Rgb current_colour() {
  return recorder().colour;
}

const Registered& registered() {
  return recorder().registered;
}

}  // namespace gl_recorder

using gl_recorder::record;
using gl_recorder::recorder;

extern "C" {

void glBegin(GLenum mode) {
  record("glBegin", {static_cast<double>(mode)});
}
void glEnd() {
  record("glEnd");
}
void glVertex2d(GLdouble x, GLdouble y) {
  record("glVertex2d", {x, y});
}
void glVertex3dv(const GLdouble* v) {
  record("glVertex3dv", {v[0], v[1], v[2]});
}
void glColor3f(GLfloat red, GLfloat green, GLfloat blue) {
  recorder().colour = {red, green, blue};
  record("glColor3f",
         {static_cast<double>(red), static_cast<double>(green), static_cast<double>(blue)});
}
void glClear(GLbitfield mask) {
  record("glClear", {static_cast<double>(mask)});
}
void glClearColor(GLclampf red, GLclampf green, GLclampf blue, GLclampf alpha) {
  record("glClearColor", {static_cast<double>(red), static_cast<double>(green),
                          static_cast<double>(blue), static_cast<double>(alpha)});
}
void glLoadIdentity() {
  record("glLoadIdentity");
}
void glMatrixMode(GLenum mode) {
  record("glMatrixMode", {static_cast<double>(mode)});
}
void glOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble near_val,
             GLdouble far_val) {
  record("glOrtho", {left, right, bottom, top, near_val, far_val});
}
void glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
  record("glViewport", {static_cast<double>(x), static_cast<double>(y), static_cast<double>(width),
                        static_cast<double>(height)});
}
void glFlush() {
  record("glFlush");
}

void glutInit(int* argc, char**) {
  record("glutInit", {static_cast<double>(*argc)});
}
void glutInitDisplayMode(unsigned int mode) {
  record("glutInitDisplayMode", {static_cast<double>(mode)});
}
void glutInitWindowSize(int width, int height) {
  record("glutInitWindowSize", {static_cast<double>(width), static_cast<double>(height)});
}
int glutCreateWindow(const char* title) {
  record("glutCreateWindow", {}, title);
  return 1;
}
void glutReshapeFunc(void (*callback)(int, int)) {
  recorder().registered.reshape = callback;
  record("glutReshapeFunc");
}
void glutDisplayFunc(void (*callback)()) {
  recorder().registered.display = callback;
  record("glutDisplayFunc");
}
void glutMouseFunc(void (*callback)(int, int, int, int)) {
  recorder().registered.mouse = callback;
  record("glutMouseFunc");
}
void glutMotionFunc(void (*callback)(int, int)) {
  recorder().registered.motion = callback;
  record("glutMotionFunc");
}
void glutPassiveMotionFunc(void (*callback)(int, int)) {
  recorder().registered.passive_motion = callback;
  record("glutPassiveMotionFunc");
}
void glutKeyboardFunc(void (*callback)(unsigned char, int, int)) {
  recorder().registered.keyboard = callback;
  record("glutKeyboardFunc");
}
int glutCreateMenu(void (*callback)(int)) {
  recorder().registered.menu = callback;
  record("glutCreateMenu");
  return 1;
}
void glutAddMenuEntry(const char* label, int value) {
  recorder().registered.menu_entries.emplace_back(label, value);
  record("glutAddMenuEntry", {static_cast<double>(value)}, label);
}
void glutAttachMenu(int button) {
  recorder().registered.menu_button = button;
  record("glutAttachMenu", {static_cast<double>(button)});
}
void glutMainLoop() {
  record("glutMainLoop");
}
void glutPostRedisplay() {
  record("glutPostRedisplay");
}
void glutSwapBuffers() {
  record("glutSwapBuffers");
}

}  // extern "C"
