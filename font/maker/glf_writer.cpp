#include "glf_writer.h"

#include <cstring>

#include "font/glf_format.h"

using curvix::GLF_HEADER_SIZE;
using curvix::GLF_MAGIC;
using curvix::GLF_MAGIC_SIZE;
using curvix::GLF_NAME_SIZE;

namespace {

void put_u8(std::vector<std::uint8_t>& out, std::size_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
}

// Least significant byte first, whatever the host's order.
void put_f32_le(std::vector<std::uint8_t>& out, double value) {
  const float f = static_cast<float>(value);
  std::uint32_t bits = 0;
  std::memcpy(&bits, &f, sizeof bits);
  for (int shift = 0; shift < 32; shift += 8) put_u8(out, (bits >> shift) & 0xFFu);
}

void put_record(std::vector<std::uint8_t>& out, const GlyphRecord& glyph) {
  std::size_t n = 0;
  for (const Contour& c : glyph.contours) n += c.size();
  put_u8(out, glyph.code);
  put_u8(out, n);
  put_u8(out, glyph.triangles.size());
  put_u8(out, glyph.contours.size());
  for (const Contour& c : glyph.contours) {
    for (const Point2& p : c) {
      put_f32_le(out, p.x);
      put_f32_le(out, p.y);
    }
  }
  for (const Triangle& t : glyph.triangles) {
    for (int index : t) put_u8(out, static_cast<std::size_t>(index));
  }
  std::size_t end = 0;
  for (const Contour& c : glyph.contours) {
    end += c.size();
    put_u8(out, end - 1);
  }
}

}  // namespace

std::vector<std::uint8_t> encode_glf(const std::string& name,
                                     const std::vector<GlyphRecord>& glyphs) {
  std::vector<std::uint8_t> out(GLF_MAGIC, GLF_MAGIC + GLF_MAGIC_SIZE);
  for (std::size_t i = 0; i < static_cast<std::size_t>(GLF_NAME_SIZE); ++i) {
    put_u8(out, i < name.size() ? static_cast<unsigned char>(name[i]) : 0u);
  }
  put_u8(out, glyphs.size());
  out.resize(GLF_HEADER_SIZE, 0);
  for (const GlyphRecord& glyph : glyphs) put_record(out, glyph);
  return out;
}
