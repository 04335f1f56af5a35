#pragma once
// Keyboard and pop-up menu commands.

#include "app/app_state.h"

// Menu ids; the entries appear in the order clear, reload, lagrange, bezier,
// RBF interpolation, subdivision, delete point, knot vectors, quit.
enum MenuId : int {
  MENU_CLEAR = 1,
  MENU_RBF = 2,
  MENU_SUBDIVISION = 3,
  MENU_QUIT = 4,
  MENU_RELOAD = 5,
  MENU_LAGRANGE = 6,
  MENU_BEZIER = 7,
  MENU_DELETE_POINT = 8,
  MENU_KNOT_VECTORS = 9,
};

// GLUT keyboard callback; the pointer position is ignored.
void on_keyboard(unsigned char key, int x, int y);

// GLUT menu callback.
void on_menu(int id);

struct MenuEntry {
  const char* label;
  MenuId id;
};

// The pop-up menu, in order of appearance; the curves' entries carry the
// labels of the library's curve table.
inline constexpr MenuEntry MENU_ENTRIES[] = {
    {"clear", MENU_CLEAR},
    {"reload", MENU_RELOAD},
    {curvix::curve_info(CURVE_LAGRANGE).label, MENU_LAGRANGE},
    {curvix::curve_info(CURVE_BEZIER).label, MENU_BEZIER},
    {curvix::curve_info(CURVE_RBF).label, MENU_RBF},
    {"subdivision", MENU_SUBDIVISION},
    {"delete point", MENU_DELETE_POINT},
    {"knot vectors", MENU_KNOT_VECTORS},
    {"quit", MENU_QUIT},
};
