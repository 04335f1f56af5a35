#pragma once
// The one global state record. Every GLUT callback reads and changes it; nothing
// else carries state between events. All of it is statically allocated.

#include "app/curve_storage.h"
#include "app/library_names.h"
#include "app/parameter_values.h"
#include "app/point.h"
#include "io/file_handle.h"
#include "subdivision/refine_levels.h"

constexpr int INITIAL_WINDOW_WIDTH = 800;   // pixels
constexpr int INITIAL_WINDOW_HEIGHT = 600;  // pixels
constexpr int MARKER_HALF_SIZE = 3;         // pixels; half side of a marker and of its pick square
constexpr double PARAM_STEP = 0.05;         // step of r and C per key press
constexpr double TENSION_STEP = 0.001;      // step of the NR4 tension w per key press

struct AppState {
  int window_width = INITIAL_WINDOW_WIDTH;
  int window_height = INITIAL_WINDOW_HEIGHT;  // drawing flips y against it

  PointList points;  // the working polygon: drawn, edited, refined
  PointList saved;   // the user's own placements, restored by reload

  int selected = -1;  // point under the pointer or being dragged; -1 for none
  int hovered = -1;   // point the hover handler highlighted last; -1 for none
  bool dragging = false;

  CurveMode curve_mode = CURVE_NONE;
  SchemeKind scheme = SCHEME_RBF4;  // run by the subdivision command
  int stencil_size = curvix::scheme_info(SCHEME_RBF4).stencil_size;  // of the RBF schemes: 4 or 6

  BasisKind basis = curvix::START_BASIS;
  int pd = curvix::START_DEGREE;     // degree of the RBF polynomial part; never below 0
  double r = curvix::START_R;        // basis shape parameter
  double c = curvix::START_C;        // multiquadric constant C
  double w = curvix::START_TENSION;  // NR4 tension

  double knot_spacing = curvix::START_SPACING;  // uniform parameter spacing h; only ever reset to 1
                                                // or halved
  bool stationary = false;                      // RBF subdivision halves r after each level

  bool trace_on = false;
  curvix::FileHandle trace_file;  // "debug.txt" while tracing, when it could be opened

  ParameterValues knots{};       // t[1..N]
  ParameterValues knot_input{};  // values typed on the console before they are accepted

  RbfCoefficientTable rbf_coefficients{};
  bool rbf_coefficients_valid = false;  // the last solve succeeded: the RBF curve may be drawn
};

extern AppState app;
