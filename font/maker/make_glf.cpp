// make_glf: converts the printable ASCII characters (32..126) of an outline
// font into a GLF vector font.
//
//   make_glf FONT_FILE OUTPUT.glf NAME
//
// Each glyph is loaded unhinted in font units, its curves are flattened into
// chords, its contours are rounded to the file's single precision, cleaned,
// and triangulated with the GLU tessellator. The flattening tolerance starts
// fine and grows until the glyph fits the format (at most 255 vertices and 255
// triangles) with contours that neither cross nor touch, so every triangle
// uses the glyph's own vertices.
//
// Coordinates: one scale for the whole font, chosen so that every glyph lies
// in the square from -1 to 1 around its origin; the origin of a glyph is the
// middle of its advance width, at the height halfway between the font's
// ascender and descender lines. y grows upward.

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "contour_cleanup.h"
#include "font/glf_format.h"
#include "font/glf_reader.h"
#include "glf_writer.h"
#include "glyph_tessellate.h"
#include "outline_flatten.h"

using curvix::FontSymbol;
using curvix::FontVertex;
using curvix::GLF_MAX_COUNT;

namespace {

constexpr int FIRST_CODE = 32;                   // space
constexpr int LAST_CODE = 126;                   // tilde
constexpr double START_TOLERANCE = 0.5;          // font units: well below a pixel at any text size
constexpr double TOLERANCE_GROWTH = 1.25;        // factor per attempt
constexpr int MAX_ATTEMPTS = 40;                 // tolerance then exceeds the em square
constexpr double AREA_RELATIVE_ERROR = 1e-6;     // triangles against contours, float rounding
constexpr int MAX_RECORD_COUNT = GLF_MAX_COUNT;  // vertices or triangles per record

struct Placement {
  Point2 origin;       // font units
  double scale = 1.0;  // GLF units per font unit
};

bool load_glyph(FT_Face face, int code) {
  return FT_Load_Char(face, static_cast<FT_ULong>(code),
                      FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) == 0 &&
         face->glyph->format == FT_GLYPH_FORMAT_OUTLINE;
}

Point2 glyph_origin(FT_Face face) {
  return {static_cast<double>(face->glyph->metrics.horiAdvance) / 2.0,
          (static_cast<double>(face->ascender) + static_cast<double>(face->descender)) / 2.0};
}

// The flattened chords lie in the convex hull of the control points, so the
// control box bounds every coordinate the file will hold.
std::optional<double> font_scale(FT_Face face) {
  double reach = 0.0;
  for (int code = FIRST_CODE; code <= LAST_CODE; ++code) {
    if (!load_glyph(face, code)) return std::nullopt;
    FT_BBox box;
    FT_Outline_Get_CBox(&face->glyph->outline, &box);
    if (face->glyph->outline.n_points == 0) continue;
    const Point2 o = glyph_origin(face);
    reach = std::max({reach, std::abs(static_cast<double>(box.xMin) - o.x),
                      std::abs(static_cast<double>(box.xMax) - o.x),
                      std::abs(static_cast<double>(box.yMin) - o.y),
                      std::abs(static_cast<double>(box.yMax) - o.y)});
  }
  if (reach <= 0.0) return std::nullopt;
  return 1.0 / reach;
}

// The triangles must cover exactly the area the contours enclose.
bool areas_agree(const std::vector<Contour>& contours, const std::vector<Triangle>& triangles) {
  std::vector<Point2> points;
  for (const Contour& c : contours) points.insert(points.end(), c.begin(), c.end());
  double enclosed = 0.0;
  for (const Contour& c : contours) enclosed += signed_area(c);
  double covered = 0.0;
  for (const Triangle& t : triangles) {
    const auto at = [&](int i) { return points[static_cast<std::size_t>(i)]; };
    covered += std::abs(cross(at(t[0]), at(t[1]), at(t[2]))) / 2.0;
  }
  return std::abs(std::abs(enclosed) - covered) <= AREA_RELATIVE_ERROR * std::abs(enclosed);
}

std::optional<GlyphRecord> build_record(FT_Face face, int code, double scale, double& tolerance) {
  const Point2 origin = glyph_origin(face);
  tolerance = START_TOLERANCE;
  for (int attempt = 0; attempt < MAX_ATTEMPTS; ++attempt, tolerance *= TOLERANCE_GROWTH) {
    const auto flat = flatten_outline(face->glyph->outline, tolerance);
    const auto contours = remove_redundant_points(to_font_units(flat, origin, scale));
    if (total_points(contours) > MAX_RECORD_COUNT) continue;
    if (contours_intersect(contours)) continue;
    const auto triangles = tessellate(contours);
    if (!triangles || static_cast<int>(triangles->size()) > MAX_RECORD_COUNT) continue;
    if (!areas_agree(contours, *triangles)) continue;
    GlyphRecord record;
    record.code = static_cast<std::uint8_t>(code);
    record.contours = contours;
    record.triangles = *triangles;
    return record;
  }
  return std::nullopt;
}

// The file must hold exactly the vertices that were triangulated.
bool reads_back(const std::vector<std::uint8_t>& bytes, const std::vector<GlyphRecord>& glyphs) {
  curvix::VectorFont font;
  if (curvix::parse_glf(bytes.data(), bytes.size(), font) != curvix::GlfStatus::OK) return false;
  for (const GlyphRecord& glyph : glyphs) {
    const FontSymbol* symbol = font.symbols[glyph.code].get();
    if (!symbol || symbol->triangles.size() != glyph.triangles.size()) return false;
    std::size_t i = 0;
    for (const Contour& contour : glyph.contours) {
      for (const Point2& p : contour) {
        const FontVertex& v = symbol->vertices[i++];
        if (static_cast<double>(v.x) != p.x || static_cast<double>(v.y) != p.y) return false;
      }
    }
  }
  return true;
}

bool write_file(const char* path, const std::vector<std::uint8_t>& bytes) {
  std::FILE* file = std::fopen(path, "wb");
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

int fail(const char* what) {
  std::fprintf(stderr, "make_glf: %s\n", what);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return fail("usage: make_glf FONT_FILE OUTPUT.glf NAME");
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  if (FT_Init_FreeType(&library) != 0) return fail("cannot start FreeType");
  if (FT_New_Face(library, argv[1], 0, &face) != 0) return fail("cannot open the font file");
  const auto scale = font_scale(face);
  if (!scale) return fail("the font lacks outlines for printable ASCII");

  std::vector<GlyphRecord> glyphs;
  for (int code = FIRST_CODE; code <= LAST_CODE; ++code) {
    double tolerance = 0.0;
    if (!load_glyph(face, code)) return fail("cannot load a glyph");
    const auto record = build_record(face, code, *scale, tolerance);
    if (!record) {
      std::fprintf(stderr, "make_glf: glyph %d does not fit the format\n", code);
      return 1;
    }
    std::printf("%3d '%c'  vertices %3d  triangles %3zu  contours %zu  tolerance %.3f\n", code,
                code, total_points(record->contours), record->triangles.size(),
                record->contours.size(), tolerance);
    glyphs.push_back(*record);
  }
  FT_Done_Face(face);
  FT_Done_FreeType(library);

  const auto bytes = encode_glf(argv[3], glyphs);
  if (!reads_back(bytes, glyphs)) return fail("the encoded font does not read back as built");
  if (!write_file(argv[2], bytes)) return fail("cannot write the output file");
  std::printf("wrote %zu bytes, %zu symbols, scale %.9g per font unit\n", bytes.size(),
              glyphs.size(), *scale);
  return 0;
}
