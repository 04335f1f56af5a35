#pragma once
// Reader of GLF vector font files (layout in glf_format.h).
//
// Beyond the layout, the reader rejects a file that ends before its declared
// records are complete and a symbol that breaks the invariants in
// vector_font.h, so a font it accepts can be drawn without further checks.
// It never reads past the bytes it was given, and it allocates a symbol's
// arrays only after checking that the bytes they come from are present.

#include <cstddef>
#include <cstdint>

#include "font/vector_font.h"

namespace curvix {

enum class GlfStatus {
  OK,                // the font is complete
  BAD_MAGIC,         // the first three bytes are not "GLF" (or the input is shorter)
  DUPLICATE_SYMBOL,  // a second record for a character code already read
  TRUNCATED,         // the input ends inside the header or a record
  BROKEN_SYMBOL,     // a triangle index or contour end breaks the invariants
};

// Fills `font` (expected fresh) from the `size` bytes at `data`. On a status
// other than OK the font holds the symbols read so far; the caller discards it.
// Prints nothing.
GlfStatus parse_glf(const std::uint8_t* data, std::size_t size, VectorFont& font);

// Reads the GLF file at `path` into `font`: 0 on success, -1 on failure.
// A file that cannot be opened fails silently; a wrong magic prints
// "Error reading font file: incorrect file format" and a repeated character
// code "Error reading font file: encountered symbols in font" on standard
// output. A truncated file or a broken symbol fails silently, like an
// unreadable one: those two messages are the reader's only texts.
int read_glf_file(const char* path, VectorFont& font);

}  // namespace curvix
