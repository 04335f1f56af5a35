#pragma once
// The registry of loaded vector fonts: up to MAX_FONTS, one of them current.
// It owns every font it holds; a font stays until font_system_init empties the
// registry again.

#include <array>
#include <cstdint>
#include <memory>

#include "font/vector_font.h"

namespace curvix {

constexpr int MAX_FONTS = 256;  // registry slots
constexpr int NO_FONT = -1;     // `current` when no font has been loaded

struct FontRegistry {
  std::array<std::unique_ptr<VectorFont>, MAX_FONTS> slots;  // null: free slot
  std::int32_t current = NO_FONT;                            // index of the current font
};

// Empties the registry: every slot free (fonts held are released), no current font.
void font_system_init();

// Loads the GLF file at `path` into the lowest free slot and makes it current.
// Returns the slot index, or -1 on any failure: all slots taken (the file is
// then not opened), no memory, or a file the reader rejects. On failure the
// slot stays free and the current font is unchanged.
int load_font(const char* path);

// Read-only view of the registry.
const FontRegistry& font_registry();

}  // namespace curvix
