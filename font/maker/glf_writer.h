#pragma once
// Encoding of glyphs as a GLF file (layout in font/glf_format.h).

#include <cstdint>
#include <string>
#include <vector>

#include "glyph_geometry.h"

struct GlyphRecord {
  std::uint8_t code = 0;
  std::vector<Contour> contours;    // coordinates already rounded to floats
  std::vector<Triangle> triangles;  // indices into the contours' points in order
};

// The bytes of a GLF file holding `glyphs` in the given order. `name` is cut
// to the name field's 96 bytes and zero-padded. Counts must fit in a byte.
std::vector<std::uint8_t> encode_glf(const std::string& name,
                                     const std::vector<GlyphRecord>& glyphs);
