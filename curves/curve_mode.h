#pragma once
// The curves drawn over the control polygon, each described once: the
// program's menu and display, the companion's --kind and the page's status
// read this table.

#include "curves/variant_table.h"

namespace curvix {

// Curve drawn over the control polygon; CURVE_NONE draws none.
enum CurveMode : int {
  CURVE_NONE = 0,
  CURVE_LAGRANGE = 1,
  CURVE_BEZIER = 2,
  CURVE_RBF = 3,
};

struct CurveInfo {
  CurveMode mode;
  const char* name;   // as the companion's --kind takes it
  const char* label;  // the program's menu entry that shows it; the page shows it too
};

inline constexpr CurveInfo CURVES[] = {
    {CURVE_NONE, "none", "none"},
    {CURVE_LAGRANGE, "lagrange", "lagrange"},
    {CURVE_BEZIER, "bezier", "bezier"},
    {CURVE_RBF, "rbf", "RBF interpolation"},
};

// The entry of a mode; a value outside the table is CURVE_NONE, which the
// display draws nothing for.
constexpr const CurveInfo& curve_info(CurveMode mode) {
  return table_entry(CURVES, &CurveInfo::mode, mode, CURVES[CURVE_NONE]);
}

}  // namespace curvix
