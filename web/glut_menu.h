#pragma once
// The pop-up menu of the web build. Emscripten's GLUT has no menu functions, so
// this layer records what the program registers through glutCreateMenu,
// glutAddMenuEntry and glutAttachMenu; the page reads the entries, shows its
// own menu on a right click and hands the chosen value back. One menu only:
// the program creates exactly one.

extern "C" {

// Number of entries added so far, in the order they were added.
int curvix_web_menu_size();

// Label of entry `index` (0-based); "" for an index out of range.
const char* curvix_web_menu_label(int index);

// Value passed to the menu callback for entry `index`; -1 out of range.
int curvix_web_menu_value(int index);

// The mouse button the menu is attached to (GLUT_RIGHT_BUTTON), or -1 while none.
int curvix_web_menu_button();

// Calls the menu callback with `value`, as GLUT does when an entry is chosen.
// Does nothing while no menu was created.
void curvix_web_menu_select(int value);

}  // extern "C"
