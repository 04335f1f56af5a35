// The desktop side of the browser tests' number comparison: runs a scripted
// session through the program's own callbacks (GL recorded, not drawn) and
// prints what the program prints, plus the points and settings the page's
// status functions report at the marked moments. The browser test plays the
// same script with real input on the page and compares the two texts.
//
// Usage: session_replay SCRIPT < TYPED_LINES
// Script lines (window pixels, y downward, as the page's input events give them):
//   move X Y     pointer motion (a drag while the left button is down)
//   down X Y     left button pressed (after a move there, as a pointer does)
//   up X Y       left button released
//   key C        a key of the key table (the character itself)
//   menu LABEL   the pop-up menu entry with that label
//   points       prints "points " and the working polygon
//   status       prints "status " and the settings
// Typed values for the knot entry are read from standard input, as the
// program reads them.

#include <GL/glut.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "app/app_state.h"
#include "app/commands.h"
#include "app/console.h"
#include "app/point_editing.h"
#include "app/scene.h"
#include "font/font_registry.h"
#include "web/page_status.h"

namespace {

// Pointer state as a window system reports it: motion only when the position
// changes, as a drag while the button is held, as a hover otherwise.
struct Pointer {
  int x = -1;
  int y = -1;
  bool left_down = false;
};

void move_to(Pointer& pointer, int x, int y) {
  if (x == pointer.x && y == pointer.y) return;
  pointer.x = x;
  pointer.y = y;
  if (pointer.left_down)
    on_motion(x, y);
  else
    on_passive_motion(x, y);
}

int menu_id(const std::string& label) {
  for (const MenuEntry& entry : MENU_ENTRIES)
    if (label == entry.label) return entry.id;
  return -1;
}

void print_marked(const char* mark, const char* text) {
  std::fflush(stdout);
  std::printf("%s %s\n", mark, text);
  std::fflush(stdout);
}

// Runs one script line; false for a line it does not understand.
bool run_step(const std::string& line, Pointer& pointer) {
  std::istringstream words(line);
  std::string verb;
  words >> verb;
  int x = 0;
  int y = 0;
  if (verb == "move" && words >> x >> y) {
    move_to(pointer, x, y);
  } else if (verb == "down" && words >> x >> y) {
    move_to(pointer, x, y);
    pointer.left_down = true;
    on_mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y);
  } else if (verb == "up" && words >> x >> y) {
    move_to(pointer, x, y);
    pointer.left_down = false;
    on_mouse(GLUT_LEFT_BUTTON, GLUT_UP, x, y);
  } else if (verb == "key" && line.size() == std::strlen("key C")) {
    on_keyboard(static_cast<unsigned char>(line.back()), pointer.x, pointer.y);
  } else if (verb == "menu" && menu_id(line.substr(std::strlen("menu "))) >= 0) {
    on_menu(menu_id(line.substr(std::strlen("menu "))));
  } else if (verb == "points") {
    print_marked("points", curvix_web_points());
  } else if (verb == "status") {
    print_marked("status", curvix_web_status());
  } else {
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: session_replay SCRIPT < TYPED_LINES\n";
    return 2;
  }
  std::ifstream script(argv[1]);
  if (!script) {
    std::cerr << "session_replay: cannot read " << argv[1] << "\n";
    return 2;
  }
  // What the program does before its first event: the font, the help text,
  // then the first reshape of the window at its initial size.
  curvix::font_system_init();
  curvix::load_font(CURVIX_FONT_FILE);
  print_help();
  on_reshape(INITIAL_WINDOW_WIDTH, INITIAL_WINDOW_HEIGHT);
  Pointer pointer;
  std::string line;
  while (std::getline(script, line)) {
    if (line.empty()) continue;
    if (!run_step(line, pointer)) {
      std::cerr << "session_replay: bad script line: " << line << "\n";
      return 2;
    }
  }
  std::fflush(stdout);
  return 0;
}
