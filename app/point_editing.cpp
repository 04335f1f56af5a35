#include "app/point_editing.h"

int pick_point(int, int) {
  return -1;
}

void on_mouse(int, int, int, int) {}

void on_motion(int, int) {}

void on_passive_motion(int, int) {}

void delete_selected_point() {}

void clear_points() {}

void reload_points() {}
