#include "app/subdivision_steps.h"

#include "app/app_state.h"
#include "app/subdivision_frame.h"

void subdivide_rbf(int stencil_size) {
  if (stencil_size < 2 || stencil_size % 2 != 0 || stencil_size > MAX_POINTS) return;
  if (!subdivision_step(SCHEME_RBF4, stencil_size)) return;
  // Above the curve's point limit the closing solve does nothing and the table
  // still holds the curve of the old level; it describes no curve of the new
  // one, so nothing may draw it (say after deletions bring the count back
  // down) until the next solve.
  if (app.points.count > MAX_CURVE_POINTS) app.rbf_coefficients_valid = false;
}

void subdivide_nr4() {
  subdivision_step(SCHEME_NR4, 0);
}

void subdivide_dd() {
  subdivision_step(SCHEME_DD, 0);
}
