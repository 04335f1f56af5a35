#pragma once
// The registry of loaded vector fonts: up to MAX_FONTS, one of them current.

constexpr int MAX_FONTS = 256;

// Empties the registry: every slot free, no current font.
void font_system_init();

// Loads the GLF file at `path` into the lowest free slot and makes it current.
// Returns the slot index, or -1 on any failure (the current font is then unchanged).
int load_font(const char* path);
