#include "font/font_registry.h"

#include <new>

#include "font/glf_reader.h"

namespace curvix {

namespace {

FontRegistry registry;

int first_free_slot() {
  for (int slot = 0; slot < MAX_FONTS; ++slot) {
    if (!registry.slots[static_cast<std::size_t>(slot)]) return slot;
  }
  return NO_FONT;
}

}  // namespace

void font_system_init() {
  for (auto& slot : registry.slots) slot.reset();
  registry.current = NO_FONT;
}

int load_font(const char* path) {
  const int slot = first_free_slot();
  if (slot == NO_FONT) return -1;
  // The font joins the registry only once it has been read whole, so a failed
  // read leaves the slot free and frees everything read so far.
  std::unique_ptr<VectorFont> font(new (std::nothrow) VectorFont);
  if (!font || read_glf_file(path, *font) != 0) return -1;
  registry.slots[static_cast<std::size_t>(slot)] = std::move(font);
  registry.current = slot;
  return slot;
}

const FontRegistry& font_registry() {
  return registry;
}

}  // namespace curvix
