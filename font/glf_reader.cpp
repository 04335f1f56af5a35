#include "font/glf_reader.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "font/byte_cursor.h"
#include "font/glf_format.h"
#include "io/file_handle.h"

namespace curvix {

namespace {

constexpr char MESSAGE_BAD_MAGIC[] = "Error reading font file: incorrect file format\n";
constexpr char MESSAGE_DUPLICATE[] = "Error reading font file: encountered symbols in font\n";
static_assert(sizeof(FontTriangle) == GLF_TRIANGLE_SIZE, "triangles are read as packed bytes");

constexpr std::size_t READ_CHUNK = 64 * 1024;  // bytes per fread while loading a file

void narrow_extents(FontSymbol& symbol, const FontVertex& v) {
  if (v.x < symbol.min_x) symbol.min_x = v.x;
  if (v.x > symbol.max_x) symbol.max_x = v.x;
  if (v.y < symbol.min_y) symbol.min_y = v.y;
  if (v.y > symbol.max_y) symbol.max_y = v.y;
}

bool triangles_in_range(const FontSymbol& symbol) {
  for (const FontTriangle& triangle : symbol.triangles) {
    for (std::uint8_t index : triangle) {
      if (index >= symbol.vertex_count) return false;
    }
  }
  return true;
}

// Contours must cover vertices 0..n-1 in order: ends rise strictly and the
// last is n-1. With no vertices there can be no contour end at all.
bool contours_cover_vertices(const FontSymbol& symbol) {
  if (symbol.contour_ends.empty()) return symbol.vertex_count == 0;
  int previous = -1;
  for (std::uint8_t end : symbol.contour_ends) {
    if (end <= previous) return false;
    previous = end;
  }
  return previous == symbol.vertex_count - 1;
}

bool read_vertices(ByteCursor& in, FontSymbol& symbol) {
  symbol.vertices.resize(symbol.vertex_count);
  for (FontVertex& v : symbol.vertices) {
    if (!in.read_f32_le(v.x) || !in.read_f32_le(v.y)) return false;
    narrow_extents(symbol, v);
  }
  return true;
}

GlfStatus read_symbol(ByteCursor& in, VectorFont& font) {
  std::uint8_t code = 0, n = 0, t = 0, m = 0;
  if (!in.read_u8(code) || !in.read_u8(n) || !in.read_u8(t) || !in.read_u8(m)) {
    return GlfStatus::TRUNCATED;
  }
  if (font.symbols[code]) return GlfStatus::DUPLICATE_SYMBOL;
  // The counts are checked against the bytes present before anything is allocated.
  if (in.remaining() < glf_payload_size(n, t, m)) return GlfStatus::TRUNCATED;

  auto symbol = std::make_unique<FontSymbol>();
  symbol->vertex_count = n;
  symbol->triangle_count = t;
  symbol->contour_count = m;
  symbol->triangles.resize(t);
  symbol->contour_ends.resize(m);
  const bool complete = read_vertices(in, *symbol) &&
                        in.read_bytes(symbol->triangles.data(), GLF_TRIANGLE_SIZE * t) &&
                        in.read_bytes(symbol->contour_ends.data(), m);
  const bool well_formed = triangles_in_range(*symbol) && contours_cover_vertices(*symbol);
  font.symbols[code] = std::move(symbol);
  if (!complete) return GlfStatus::TRUNCATED;
  return well_formed ? GlfStatus::OK : GlfStatus::BROKEN_SYMBOL;
}

GlfStatus read_header(ByteCursor& in, VectorFont& font) {
  char magic[GLF_MAGIC_SIZE] = {};
  if (!in.read_bytes(magic, GLF_MAGIC_SIZE) || std::memcmp(magic, GLF_MAGIC, GLF_MAGIC_SIZE) != 0) {
    return GlfStatus::BAD_MAGIC;
  }
  if (in.remaining() < GLF_HEADER_SIZE - GLF_MAGIC_SIZE) return GlfStatus::TRUNCATED;
  in.read_bytes(font.name.data(), GLF_NAME_SIZE);
  font.name[GLF_NAME_SIZE] = '\0';
  in.read_u8(font.symbol_count);
  for (auto& symbol : font.symbols) symbol.reset();
  in.skip(GLF_RESERVED_SIZE);
  return GlfStatus::OK;
}

// Reads at most `limit` bytes of the file; false when it cannot be opened or read.
bool read_file_prefix(const char* path, std::size_t limit, std::vector<std::uint8_t>& bytes) {
  const FileHandle file(std::fopen(path, "rb"));
  if (!file) return false;
  bytes.clear();
  while (bytes.size() < limit) {
    const std::size_t start = bytes.size();
    const std::size_t want = std::min(READ_CHUNK, limit - start);
    bytes.resize(start + want);
    const std::size_t got = std::fread(bytes.data() + start, 1, want, file.get());
    bytes.resize(start + got);
    if (got < want) break;
  }
  return std::ferror(file.get()) == 0;
}

void print_message(const char* text) {
  std::fputs(text, stdout);
  std::fflush(stdout);
}

}  // namespace

GlfStatus parse_glf(const std::uint8_t* data, std::size_t size, VectorFont& font) {
  ByteCursor in(data, size);
  const GlfStatus header = read_header(in, font);
  if (header != GlfStatus::OK) return header;
  for (int i = 0; i < font.symbol_count; ++i) {
    const GlfStatus status = read_symbol(in, font);
    if (status != GlfStatus::OK) return status;
  }
  return GlfStatus::OK;
}

int read_glf_file(const char* path, VectorFont& font) {
  try {
    std::vector<std::uint8_t> bytes;
    if (!read_file_prefix(path, GLF_MAX_USEFUL_SIZE, bytes)) return -1;
    switch (parse_glf(bytes.data(), bytes.size(), font)) {
      case GlfStatus::OK: return 0;
      case GlfStatus::BAD_MAGIC: print_message(MESSAGE_BAD_MAGIC); return -1;
      case GlfStatus::DUPLICATE_SYMBOL: print_message(MESSAGE_DUPLICATE); return -1;
      case GlfStatus::TRUNCATED:
      case GlfStatus::BROKEN_SYMBOL: return -1;
    }
  } catch (const std::bad_alloc&) {
  }
  return -1;
}

}  // namespace curvix
