#include "subdivision/subdivision.h"

#include "app/app_state.h"
#include "subdivision/four_point_rule.h"
#include "subdivision/rbf_subdivision.h"
#include "subdivision/subdivision_step.h"

void subdivide_rbf(int stencil_size) {
  if (stencil_size < 2 || stencil_size % 2 != 0 || stencil_size > MAX_POINTS) return;
  // The stencils overwrite the curve's coefficients while the step runs; a
  // refused step must leave the curve as it was.
  const RbfCoefficientTable curve = app.rbf_coefficients;
  if (!subdivision_step({stencil_size, true, insert_rbf, RBF_LEVEL_COLOUR, true})) {
    app.rbf_coefficients = curve;
    return;
  }
  // Above the curve's point limit the closing solve does nothing and the last
  // stencil's coefficients stay in the table; they describe no curve, so
  // nothing may draw them (say after deletions bring the count back down)
  // until the next solve.
  if (app.points.count > MAX_CURVE_POINTS) app.rbf_coefficients_valid = false;
}

void subdivide_nr4() {
  subdivision_step({FOUR_POINT_STENCIL, false, insert_nr4, FOUR_POINT_LEVEL_COLOUR, false});
}

void subdivide_dd() {
  subdivision_step({FOUR_POINT_STENCIL, false, insert_dd, FOUR_POINT_LEVEL_COLOUR, false});
}
