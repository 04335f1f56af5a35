#pragma once
// The polygon the benchmarks work on: n points at whole-pixel positions in the
// start window, drawn from a fixed seed so every run sees the same one, with
// uniform parameter values. Resets the state and switches the GL stand-in to
// counting only.

#include <random>

#include "app/app_state.h"
#include "app/knots.h"
#include "gl_recorder.h"

inline void set_up_random_polygon(int n, unsigned seed) {
  app = AppState{};
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> x(0, INITIAL_WINDOW_WIDTH - 1);
  std::uniform_int_distribution<int> y(0, INITIAL_WINDOW_HEIGHT - 1);
  for (int i = 0; i < n; ++i) {
    app.points.items[i].x = x(rng);
    app.points.items[i].y = y(rng);
  }
  app.points.count = n;
  assign_uniform_knots();
  gl_recorder::reset();
  gl_recorder::set_recording(false);
}
