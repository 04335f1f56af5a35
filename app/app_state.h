#pragma once
// The one global state record, the types it is made of and the constants that
// size it. Every GLUT callback reads and changes it; nothing else carries state
// between events. All of it is statically allocated.
//
// Coordinates are window pixels exactly as GLUT delivers them: x from the left
// edge, y downward from the top edge. They are stored unflipped; everything
// drawn maps a point to (x, window_height - y).
//
// Sections:
//   [limits]     the capacities and steps
//   [points]     Point, PointList, ParameterValues, the coefficient table
//   [library]    the library's variants and colours, unqualified
//   [state]      AppState and the one `app`
//   [adapters]   the state as the library's arguments

#include <array>

#include "curves/basis_kind.h"
#include "curves/colours.h"
#include "curves/curve_mode.h"
#include "curves/planar_point.h"
#include "curves/rbf_settings.h"
#include "io/file_handle.h"
#include "subdivision/refine_levels.h"
#include "subdivision/scheme_kind.h"

// ---- [limits] ---------------------------------------------------------------

constexpr int MAX_POINTS = 500;      // capacity of every point list and parameter array
constexpr int COORDS_PER_POINT = 2;  // x and y: what copies of a point carry (never the highlight)
constexpr int MAX_CURVE_POINTS = 200;  // largest polygon whose curves are solved and drawn
constexpr int CURVE_SEGMENTS = 500;    // a drawn curve is a strip of CURVE_SEGMENTS + 1 samples

constexpr int INITIAL_WINDOW_WIDTH = 800;   // pixels
constexpr int INITIAL_WINDOW_HEIGHT = 600;  // pixels
constexpr int MARKER_HALF_SIZE = 3;         // pixels; half side of a marker and of its pick square
constexpr double PARAM_STEP = 0.05;         // step of r and C per key press
constexpr double TENSION_STEP = 0.001;      // step of the NR4 tension w per key press

// ---- [points] ---------------------------------------------------------------

struct Point {
  double x = 0.0;          // pixels from the left edge
  double y = 0.0;          // pixels down from the top edge
  double highlight = 0.0;  // 1.0 while hovered or dragged, else 0.0
  double reserved = 0.0;   // carried along, read by nobody
};

struct PointList {
  std::array<Point, MAX_POINTS> items{};
  int count = 0;  // valid entries at the front; entries past it keep stale values
};

// Copies the COORDS_PER_POINT coordinates of `from` into `to`, leaving the
// highlight and the reserved value of `to` as they were.
inline void copy_coordinates(Point& to, const Point& from) {
  to.x = from.x;
  to.y = from.y;
}

// Parameter values t[1..MAX_POINTS] of the working points, 1-based: t[i]
// belongs to the point at 0-based index i - 1. Slot 0 exists and is never read.
using ParameterValues = std::array<double, MAX_POINTS + 1>;

using RbfCoefficient = curvix::RbfCoefficient;

// Entries 0..pd: polynomial coefficients; pd + 1 ..: weights of the translates.
using RbfCoefficientTable = std::array<RbfCoefficient, MAX_POINTS>;

// ---- [library] --------------------------------------------------------------
// The program's state and commands name the library's variants and colours
// unqualified, as the program's documentation does.

using curvix::BASIS_GS;
using curvix::BASIS_MQ1;
using curvix::BASIS_MQ3;
using curvix::BasisKind;

using curvix::CURVE_BEZIER;
using curvix::CURVE_LAGRANGE;
using curvix::CURVE_NONE;
using curvix::CURVE_RBF;
using curvix::CurveMode;

using curvix::SCHEME_DD;
using curvix::SCHEME_NR4;
using curvix::SCHEME_RBF4;
using curvix::SCHEME_RBF6;
using curvix::SchemeKind;

using curvix::BACKGROUND_GREY;
using curvix::Colour;
using curvix::CURVE_COLOUR;
using curvix::CURVE_LINE_COLOUR;
using curvix::FOUR_POINT_LEVEL_COLOUR;
using curvix::INK_COLOUR;
using curvix::PREVIOUS_LEVEL_COLOUR;
using curvix::RBF_LEVEL_COLOUR;

// ---- [state] ----------------------------------------------------------------

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

// ---- [adapters] -------------------------------------------------------------

// app.basis, app.c, app.r and app.pd.
curvix::RbfSettings app_rbf_settings();

// The coordinates of points[0 .. count - 1] (count <= MAX_POINTS) in a buffer
// that the next call overwrites; valid until then.
const curvix::PlanarPoint* planar_points(const Point* points, int count);

// The same for the first count working points of a list.
inline const curvix::PlanarPoint* planar_points(const PointList& list) {
  return planar_points(list.items.data(), list.count);
}
