#pragma once
// Tells whether an event ended with a solve of the state it left, without
// relying on what the coefficients are. The table is filled with a sentinel
// before the event. rbf_solve rebuilds entries 0 .. N + pd from the current
// state, deterministically: after an event whose last word was a solve, a
// second solve writes the same bytes; after an event that did not solve, the
// sentinel is still there.

#include <gtest/gtest.h>

#include <cstring>

#include "app/app_state.h"
#include "app/curve_drawing.h"

namespace solve_probe {

constexpr double SENTINEL = -1.0e300;  // no solve of pixel data comes near it

inline void arm() {
  for (RbfCoefficient& entry : app.rbf_coefficients) entry = {SENTINEL, SENTINEL};
}

inline bool untouched() {
  for (const RbfCoefficient& entry : app.rbf_coefficients)
    if (entry.x != SENTINEL || entry.y != SENTINEL) return false;
  return true;
}

// The table was written and equals, byte for byte, what a solve of the current
// state writes.
inline ::testing::AssertionResult solved_current_state() {
  if (untouched()) return ::testing::AssertionFailure() << "the coefficient table was not written";
  const RbfCoefficientTable after_event = app.rbf_coefficients;
  rbf_solve();
  if (std::memcmp(&after_event, &app.rbf_coefficients, sizeof after_event) != 0)
    return ::testing::AssertionFailure() << "the table is not the solve of the state left behind";
  return ::testing::AssertionSuccess();
}

}  // namespace solve_probe
