// The font file the program loads at start-up, as shipped in fonts/.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "font/font_registry.h"

using namespace curvix;

namespace {

const std::string SHIPPED_FONT = std::string(CURVIX_SOURCE_DIR) + "/fonts/garamond1.glf";
constexpr int FIRST_PRINTABLE = 32;  // space
constexpr int LAST_PRINTABLE = 126;  // tilde

double twice_signed_area(const FontVertex& a, const FontVertex& b, const FontVertex& c) {
  const auto wide = [](float v) { return static_cast<double>(v); };
  const double ax = wide(a.x), ay = wide(a.y), bx = wide(b.x), by = wide(b.y), cx = wide(c.x),
               cy = wide(c.y);
  return (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
}

// Shoelace sum over the closed contours.
double contour_area(const FontSymbol& s) {
  double twice = 0.0;
  std::size_t first = 0;
  for (std::uint8_t end : s.contour_ends) {
    for (std::size_t i = first; i <= end; ++i) {
      const FontVertex& a = s.vertices[i];
      const FontVertex& b = s.vertices[i == end ? first : i + 1];
      const double ax = static_cast<double>(a.x), ay = static_cast<double>(a.y);
      const double bx = static_cast<double>(b.x), by = static_cast<double>(b.y);
      twice += ax * by - bx * ay;
    }
    first = static_cast<std::size_t>(end) + 1;
  }
  return twice / 2.0;
}

double triangle_area(const FontSymbol& s) {
  double total = 0.0;
  for (const FontTriangle& t : s.triangles) {
    total += std::abs(twice_signed_area(s.vertices[t[0]], s.vertices[t[1]], s.vertices[t[2]])) / 2;
  }
  return total;
}

class ShippedFont : public ::testing::Test {
 protected:
  void SetUp() override {
    font_system_init();
    testing::internal::CaptureStdout();
    slot = load_font(SHIPPED_FONT.c_str());
    output = testing::internal::GetCapturedStdout();
  }
  void TearDown() override { font_system_init(); }

  const VectorFont& font() const { return *font_registry().slots[static_cast<std::size_t>(slot)]; }

  int slot = -1;
  std::string output;
};

TEST_F(ShippedFont, LoadsAsTheCurrentFontWithoutMessages) {
  ASSERT_EQ(slot, 0);
  EXPECT_EQ(font_registry().current, 0);
  EXPECT_EQ(output, "");
  EXPECT_EQ(std::string(font().name.data()).rfind("Curvix Garamond", 0), 0u);
}

TEST_F(ShippedFont, HoldsExactlyThePrintableAscii) {
  ASSERT_EQ(slot, 0);
  EXPECT_EQ(font().symbol_count, LAST_PRINTABLE - FIRST_PRINTABLE + 1);
  for (int code = 0; code < MAX_SYMBOLS; ++code) {
    const bool printable = code >= FIRST_PRINTABLE && code <= LAST_PRINTABLE;
    EXPECT_EQ(font().symbols[static_cast<std::size_t>(code)] != nullptr, printable) << code;
  }
  EXPECT_EQ(font().symbols[' ']->vertex_count, 0);
  EXPECT_EQ(font().symbols['O']->contour_count, 2);  // outer ring and counter
  EXPECT_EQ(font().symbols['B']->contour_count, 3);
}

TEST_F(ShippedFont, SymbolsLieInTheUnitSquareWithTrueExtents) {
  ASSERT_EQ(slot, 0);
  for (int code = FIRST_PRINTABLE + 1; code <= LAST_PRINTABLE; ++code) {
    const FontSymbol& s = *font().symbols[static_cast<std::size_t>(code)];
    ASSERT_GT(s.vertex_count, 2) << code;
    float min_x = s.vertices[0].x, max_x = min_x, min_y = s.vertices[0].y, max_y = min_y;
    for (const FontVertex& v : s.vertices) {
      min_x = std::min(min_x, v.x);
      max_x = std::max(max_x, v.x);
      min_y = std::min(min_y, v.y);
      max_y = std::max(max_y, v.y);
    }
    EXPECT_GE(min_x, -1.0f) << code;
    EXPECT_LE(max_x, 1.0f) << code;
    EXPECT_GE(min_y, -1.0f) << code;
    EXPECT_LE(max_y, 1.0f) << code;
    EXPECT_EQ(s.min_x, min_x) << code;
    EXPECT_EQ(s.max_x, max_x) << code;
    EXPECT_EQ(s.min_y, min_y) << code;
    EXPECT_EQ(s.max_y, max_y) << code;
  }
}

TEST_F(ShippedFont, TrianglesFillExactlyWhatTheContoursEnclose) {
  ASSERT_EQ(slot, 0);
  for (int code = FIRST_PRINTABLE + 1; code <= LAST_PRINTABLE; ++code) {
    const FontSymbol& s = *font().symbols[static_cast<std::size_t>(code)];
    const double enclosed = std::abs(contour_area(s));
    EXPECT_GT(enclosed, 1e-4) << code;
    EXPECT_NEAR(triangle_area(s), enclosed, 1e-6 * enclosed) << code;
    for (const FontTriangle& t : s.triangles) {
      EXPECT_NE(twice_signed_area(s.vertices[t[0]], s.vertices[t[1]], s.vertices[t[2]]), 0.0)
          << code;
    }
  }
}

}  // namespace
