#pragma once
// The subdivision schemes, each described once: the program's key and
// command, the companion's options and pictures and the page's status all
// read this table.

#include "curves/colours.h"
#include "curves/variant_table.h"
#include "subdivision/four_point_rule.h"

namespace curvix {

// Interpolatory subdivision scheme; the key "a" steps through the values in order.
enum SchemeKind : int {
  SCHEME_RBF4 = 0,  // local RBF interpolant over four points
  SCHEME_RBF6 = 1,  // local RBF interpolant over six points
  SCHEME_NR4 = 2,   // four-point rule with a chosen tension
  SCHEME_DD = 3,    // four-point rule with tension 1/16 (Deslauriers-Dubuc)
};

struct SchemeInfo {
  SchemeKind kind;
  const char* name;               // as the companion's --scheme takes it
  const char* label;              // as the program's help text and the page show it
  int stencil_size;               // old points per inserted point
  bool rbf;                       // weights from a local RBF interpolation over parameter values
  bool halves_r_when_stationary;  // stationary mode keeps r in ratio to the spacing
  Colour level_colour;            // the new level's strip
};

// In the order of the key "a".
inline constexpr SchemeInfo SCHEMES[] = {
    {SCHEME_RBF4, "rbf4", "RBF4", 4, true, true, RBF_LEVEL_COLOUR},
    {SCHEME_RBF6, "rbf6", "RBF6", 6, true, true, RBF_LEVEL_COLOUR},
    {SCHEME_NR4, "nr4", "NR4", FOUR_POINT_STENCIL, false, false, FOUR_POINT_LEVEL_COLOUR},
    {SCHEME_DD, "dd", "D-D", FOUR_POINT_STENCIL, false, false, FOUR_POINT_LEVEL_COLOUR},
};

// The entry of a scheme. A value outside the table is D-D, as the subdivision
// command treats every value it does not name.
constexpr const SchemeInfo& scheme_info(SchemeKind kind) {
  return table_entry(SCHEMES, &SchemeInfo::kind, kind, SCHEMES[SCHEME_DD]);
}

constexpr bool is_rbf_scheme(SchemeKind kind) {
  return scheme_info(kind).rbf;
}

// RBF4 -> RBF6 -> NR4 -> D-D -> RBF4.
constexpr SchemeKind next_scheme(SchemeKind kind) {
  return next_in_table(SCHEMES, &SchemeInfo::kind, kind);
}

}  // namespace curvix
