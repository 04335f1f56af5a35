#pragma once
// Test fixture that starts every test from the program's start values with an
// empty recording of GL calls.

#include <gtest/gtest.h>

#include "app/app_state.h"
#include "gl_recorder.h"
#include "reference/state_basis_value.h"

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = AppState{};
    gl_recorder::reset();
  }
  void TearDown() override { app = AppState{}; }

  // Appends a point directly, as the mouse would store it (y downward).
  static void add_point(double x, double y) {
    Point& p = app.points.items[app.points.count++];
    p.x = x;
    p.y = y;
  }
};
