#pragma once

// Interpolatory subdivision scheme; the key "a" steps through the values in order.
enum SchemeKind : int {
  SCHEME_RBF4 = 0,  // local RBF interpolant over four points
  SCHEME_RBF6 = 1,  // local RBF interpolant over six points
  SCHEME_NR4 = 2,   // four-point rule with a chosen tension
  SCHEME_DD = 3,    // four-point rule with tension 1/16 (Deslauriers-Dubuc)
};
