#pragma once
// Every colour Curvix draws with, in the window and in the companion's
// pictures. The level colours of the subdivision are permutations of the ink
// colour's components.

namespace curvix {

struct Colour {
  float red;
  float green;
  float blue;
};

constexpr Colour INK_COLOUR{0.3f, 0.5f, 0.1f};  // markers and control polygon
constexpr Colour CURVE_COLOUR{0.5f, 0.3f,
                              0.1f};  // ink with red and green swapped; set before the curve
constexpr Colour CURVE_LINE_COLOUR{0.3f, 0.0f, 0.0f};  // the curves' own: ink red alone
constexpr float BACKGROUND_GREY = 0.8f;                // clear colour, alpha 1

constexpr Colour PREVIOUS_LEVEL_COLOUR{0.5f, 0.1f, 0.3f};    // ink green, blue, red
constexpr Colour RBF_LEVEL_COLOUR{0.1f, 0.5f, 0.3f};         // ink blue, green, red
constexpr Colour FOUR_POINT_LEVEL_COLOUR{0.1f, 0.3f, 0.5f};  // ink blue, red, green

}  // namespace curvix
