#pragma once
// In-memory form of one GLF vector font: up to 256 symbols, each a set of
// filled triangles plus closed outline contours over one vertex list.
//
// Coordinates are font units: a symbol is designed in the square from -1 to 1
// on both axes around its own origin, y upward.
//
// A well-formed symbol satisfies:
//   - every triangle index is below vertex_count;
//   - contour_ends rises strictly and its last entry is vertex_count - 1, so
//     the contours cover all vertices in order (a symbol without vertices has
//     neither triangles nor contours).
// The reader (glf_reader.h) rejects a file holding a symbol that breaks them.

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace curvix {

constexpr int GLF_NAME_SIZE = 96;           // bytes of the name field in the file header
constexpr int MAX_SYMBOLS = 256;            // one entry per unsigned 8-bit character code
constexpr float EXTENT_MIN_START = 10.0f;   // min_x / min_y before any vertex narrows them
constexpr float EXTENT_MAX_START = -10.0f;  // max_x / max_y before any vertex narrows them

struct FontVertex {
  float x = 0.0f;  // font units
  float y = 0.0f;  // font units, upward
};

// Three indices into the symbol's vertices; the filled shape is the union of
// its triangles.
using FontTriangle = std::array<std::uint8_t, 3>;

struct FontSymbol {
  std::uint8_t vertex_count = 0;
  std::uint8_t triangle_count = 0;
  std::uint8_t contour_count = 0;
  std::vector<FontVertex> vertices;        // vertex_count entries
  std::vector<FontTriangle> triangles;     // triangle_count entries
  std::vector<std::uint8_t> contour_ends;  // contour_count entries: last vertex of each contour
  // Extents of `vertices`, narrowed from the start values by strict comparisons:
  // a symbol without vertices keeps 10, -10, 10, -10.
  float min_x = EXTENT_MIN_START;
  float max_x = EXTENT_MAX_START;
  float min_y = EXTENT_MIN_START;
  float max_y = EXTENT_MAX_START;
};

struct VectorFont {
  std::array<char, GLF_NAME_SIZE + 1> name{};  // header name bytes, always zero-terminated
  std::uint8_t symbol_count = 0;               // records the file declared
  std::array<std::unique_ptr<FontSymbol>, MAX_SYMBOLS> symbols;  // by character code; null: none
};

}  // namespace curvix
