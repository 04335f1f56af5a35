#include "web/glut_menu.h"

#include <GL/glut.h>
#include <emscripten/emscripten.h>

#include <string>
#include <vector>

namespace {

constexpr int NO_BUTTON = -1;
constexpr int FIRST_MENU_ID = 1;  // GLUT menu ids start at 1; 0 means no menu

struct MenuEntryRecord {
  std::string label;
  int value;
};

struct WebMenu {
  void (*callback)(int) = nullptr;
  std::vector<MenuEntryRecord> entries;
  int button = NO_BUTTON;
};

WebMenu& menu() {
  static WebMenu instance;
  return instance;
}

bool in_range(int index) {
  return index >= 0 && static_cast<std::size_t>(index) < menu().entries.size();
}

}  // namespace

extern "C" {

int glutCreateMenu(void (*callback)(int)) {
  menu() = WebMenu{};
  menu().callback = callback;
  return FIRST_MENU_ID;
}

void glutAddMenuEntry(const char* label, int value) {
  menu().entries.push_back(MenuEntryRecord{label, value});
}

void glutAttachMenu(int button) {
  menu().button = button;
}

EMSCRIPTEN_KEEPALIVE int curvix_web_menu_size() {
  return static_cast<int>(menu().entries.size());
}

EMSCRIPTEN_KEEPALIVE const char* curvix_web_menu_label(int index) {
  return in_range(index) ? menu().entries[static_cast<std::size_t>(index)].label.c_str() : "";
}

EMSCRIPTEN_KEEPALIVE int curvix_web_menu_value(int index) {
  return in_range(index) ? menu().entries[static_cast<std::size_t>(index)].value : -1;
}

EMSCRIPTEN_KEEPALIVE int curvix_web_menu_button() {
  return menu().button;
}

EMSCRIPTEN_KEEPALIVE void curvix_web_menu_select(int value) {
  if (menu().callback != nullptr) menu().callback(value);
}

}  // extern "C"
