#pragma once
// A recording stand-in for the GL and GLUT functions the program calls. Tests
// link it instead of the real libraries and assert the calls one by one.

#include <array>
#include <string>
#include <vector>

namespace gl_recorder {

struct Call {
  std::string name;          // the GL or GLUT function, e.g. "glVertex2d"
  std::vector<double> args;  // numeric arguments in order (enums and ints as doubles)
  std::string text;          // string argument (window title, menu label)
};

using Vertex = std::array<double, 3>;  // z is 0 for glVertex2d
using Rgb = std::array<float, 3>;

// One glBegin .. glEnd pair.
struct Primitive {
  unsigned mode;  // GL_POLYGON, GL_LINE_LOOP, GL_LINE_STRIP, ...
  Rgb colour;     // colour current at glBegin
  std::vector<Vertex> vertices;
};

// The callbacks and menu the program registered with GLUT.
struct Registered {
  void (*reshape)(int, int) = nullptr;
  void (*display)() = nullptr;
  void (*mouse)(int, int, int, int) = nullptr;
  void (*motion)(int, int) = nullptr;
  void (*passive_motion)(int, int) = nullptr;
  void (*keyboard)(unsigned char, int, int) = nullptr;
  void (*menu)(int) = nullptr;
  std::vector<std::pair<std::string, int>> menu_entries;
  int menu_button = -1;
};

// Forgets every call; the current colour goes back to GL's initial white.
void reset();

// When false, calls are only counted (for benchmarks); primitives are not kept.
void set_recording(bool on);

const std::vector<Call>& calls();
std::vector<std::string> call_names();
long long call_count();
int count_of(const std::string& name);

std::vector<Primitive> primitives();
Rgb current_colour();
const Registered& registered();

}  // namespace gl_recorder
