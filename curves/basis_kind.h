#pragma once
// The radial basis functions, each described once: the program's key, the
// companion's options and the page's status read this table.

#include "curves/variant_table.h"

namespace curvix {

// The radial basis function in use; the key "b" steps through the values in order.
enum BasisKind : int {
  BASIS_MQ1 = 0,  // multiquadric, beta = 1: (x^2 + C^2 r^2)^(1/2)
  BASIS_MQ3 = 1,  // multiquadric, beta = 3: (x^2 + C^2 r^2)^(3/2)
  BASIS_GS = 2,   // gaussian: exp(-r x^2)
};

struct BasisInfo {
  BasisKind kind;
  const char* name;  // as the help text, the companion's --basis and the page name it
};

// In the order of the key "b".
inline constexpr BasisInfo BASES[] = {
    {BASIS_MQ1, "mq1"},
    {BASIS_MQ3, "mq3"},
    {BASIS_GS, "gs"},
};

// The entry of a basis. A value outside the table is the gaussian, as the
// basis function treats it.
constexpr const BasisInfo& basis_info(BasisKind kind) {
  return table_entry(BASES, &BasisInfo::kind, kind, BASES[BASIS_GS]);
}

// mq1 -> mq3 -> gs -> mq1.
constexpr BasisKind next_basis(BasisKind kind) {
  return next_in_table(BASES, &BasisInfo::kind, kind);
}

}  // namespace curvix
