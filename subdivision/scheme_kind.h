#pragma once
// The subdivision schemes, each described once: the program's key and
// command, the companion's options and pictures and the page's status all
// read this table.

#include "curves/colours.h"
#include "curves/variant_table.h"
#include "subdivision/four_point_rule.h"

namespace curvix {

// Subdivision scheme. The program's own are the first four, interpolatory,
// which the key "a" steps through in order; the others are the classics the
// companion refines and analyses by their masks.
enum SchemeKind : int {
  SCHEME_RBF4 = 0,      // local RBF interpolant over four points
  SCHEME_RBF6 = 1,      // local RBF interpolant over six points
  SCHEME_NR4 = 2,       // four-point rule with a chosen tension
  SCHEME_DD = 3,        // four-point rule with tension 1/16 (Deslauriers-Dubuc)
  SCHEME_BSPLINE = 4,   // Lane-Riesenfeld: the B-spline of a chosen degree
  SCHEME_CHAIKIN = 5,   // corner cutting, the quadratic B-spline
  SCHEME_DUAL4 = 6,     // the dual four-point scheme
  SCHEME_TERNARY4 = 7,  // the ternary interpolatory four-point scheme with parameter mu
};

struct SchemeInfo {
  SchemeKind kind;
  const char* name;               // as the companion's --scheme takes it
  const char* label;              // as the program's help text and the page show it
  int stencil_size;               // old points per inserted point
  bool rbf;                       // weights from a local RBF interpolation over parameter values
  bool halves_r_when_stationary;  // stationary mode keeps r in ratio to the spacing
  Colour level_colour;            // the new level's strip
  bool program;                   // the program's own: the key "a" and the subdivision command
  const char* source;             // where the scheme comes from
};

// The program's own first, in the order of the key "a"; then the schemes the
// companion takes by their masks (stencil size 0: a mask has none).
inline constexpr SchemeInfo SCHEMES[] = {
    {SCHEME_RBF4, "rbf4", "RBF4", 4, true, true, RBF_LEVEL_COLOUR, true,
     "RBF interpolation over 4 points"},
    {SCHEME_RBF6, "rbf6", "RBF6", 6, true, true, RBF_LEVEL_COLOUR, true,
     "RBF interpolation over 6 points"},
    {SCHEME_NR4, "nr4", "NR4", FOUR_POINT_STENCIL, false, false, FOUR_POINT_LEVEL_COLOUR, true,
     "Dyn, Levin and Gregory 1987"},
    {SCHEME_DD, "dd", "D-D", FOUR_POINT_STENCIL, false, false, FOUR_POINT_LEVEL_COLOUR, true,
     "Deslauriers and Dubuc 1989"},
    {SCHEME_BSPLINE, "bspline", "B-spline", 0, false, false, FOUR_POINT_LEVEL_COLOUR, false,
     "Lane and Riesenfeld 1980"},
    {SCHEME_CHAIKIN, "chaikin", "Chaikin", 0, false, false, FOUR_POINT_LEVEL_COLOUR, false,
     "Chaikin 1974"},
    {SCHEME_DUAL4, "dual4", "dual four-point", 0, false, false, FOUR_POINT_LEVEL_COLOUR, false,
     "Dyn, Floater and Hormann 2005"},
    {SCHEME_TERNARY4, "ternary4", "ternary four-point", 0, false, false, FOUR_POINT_LEVEL_COLOUR,
     false, "Hassan, Ivrissimtzis, Dodgson and Sabin 2002"},
};

// The entry of a scheme. A value outside the table is D-D, as the subdivision
// command treats every value it does not name.
constexpr const SchemeInfo& scheme_info(SchemeKind kind) {
  return table_entry(SCHEMES, &SchemeInfo::kind, kind, SCHEMES[SCHEME_DD]);
}

constexpr bool is_rbf_scheme(SchemeKind kind) {
  return scheme_info(kind).rbf;
}

// Whether the scheme is one of the program's own; the others are given by masks.
constexpr bool is_program_scheme(SchemeKind kind) {
  return scheme_info(kind).program && scheme_info(kind).kind == kind;
}

// RBF4 -> RBF6 -> NR4 -> D-D -> RBF4: the program's own schemes in turn.
constexpr SchemeKind next_scheme(SchemeKind kind) {
  SchemeKind next = next_in_table(SCHEMES, &SchemeInfo::kind, kind);
  while (!scheme_info(next).program) next = next_in_table(SCHEMES, &SchemeInfo::kind, next);
  return next;
}

}  // namespace curvix
