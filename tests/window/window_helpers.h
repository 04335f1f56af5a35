#pragma once
// What the window tests look for in a screenshot, and how they place points.
// Markers are 6 by 6 pixels: a filled one covers x - 3 .. x + 2, an outline
// runs around x - 4 .. x + 2, so the 3 by 3 pixels around a point are all ink
// when it is filled and all background when it is outlined.

#include <utility>
#include <vector>

#include "window_session.h"

namespace window_test {

constexpr Rgb PREVIOUS_LEVEL{128, 26, 77};    // 0.5, 0.1, 0.3
constexpr Rgb RBF_LEVEL{26, 128, 77};         // 0.1, 0.5, 0.3
constexpr Rgb FOUR_POINT_LEVEL{26, 77, 128};  // 0.1, 0.3, 0.5

constexpr int PARK_X = 790;  // a place for the pointer away from every point
constexpr int PARK_Y = 590;

using PointSet = std::vector<std::pair<int, int>>;

inline bool filled_at(const Screenshot& shot, int x, int y) {
  return shot.count_around(x, y, 1, INK) == 9;
}

inline bool outlined_at(const Screenshot& shot, int x, int y) {
  return shot.count_around(x, y, 1, INK) == 0 && shot.count_around(x, y, 4, INK) >= 20;
}

// A one-pixel line may land on either side of its mathematical position.
inline bool line_near(const Screenshot& shot, int x, int y, const Rgb& colour = INK) {
  return shot.count_around(x, y, 1, colour) > 0;
}

inline bool nothing_at(const Screenshot& shot, int x, int y) {
  return shot.count_around(x, y, 4, INK) == 0;
}

// Clicks each point in order, then parks the pointer so no marker is hovered.
inline void place(WindowSession& session, const PointSet& points) {
  for (const auto& [x, y] : points) session.click(x, y);
  session.move(PARK_X, PARK_Y);
}

}  // namespace window_test
