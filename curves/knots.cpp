#include "curves/knots.h"

#include "app/app_state.h"

void assign_uniform_knots() {
  for (int i = 1; i <= app.points.count; ++i)
    app.knots[i] = static_cast<double>(i - 1) * app.knot_spacing;
}

void read_knot_vectors() {}
