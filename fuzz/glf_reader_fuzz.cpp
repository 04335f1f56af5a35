// libFuzzer target for the GLF reader: any input must be read without a
// sanitizer finding, and a font the reader accepts must hold the invariants
// that drawing relies on.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "font/glf_reader.h"

using namespace curvix;

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

void check_symbol(const FontSymbol& s) {
  require(s.vertices.size() == s.vertex_count);
  require(s.triangles.size() == s.triangle_count);
  require(s.contour_ends.size() == s.contour_count);
  for (const FontTriangle& t : s.triangles) {
    for (std::uint8_t index : t) require(index < s.vertex_count);
  }
  int previous = -1;
  for (std::uint8_t end : s.contour_ends) {
    require(end > previous);
    previous = end;
  }
  require(previous == s.vertex_count - 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  VectorFont font;
  if (parse_glf(data, size, font) != GlfStatus::OK) return 0;
  require(font.name[GLF_NAME_SIZE] == '\0');
  int present = 0;
  for (const auto& symbol : font.symbols) {
    if (!symbol) continue;
    check_symbol(*symbol);
    ++present;
  }
  require(present == font.symbol_count);
  return 0;
}
