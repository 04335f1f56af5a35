#pragma once
// Editing the control polygon with the left mouse button, and the list
// operations of the menu and keyboard: delete, clear, reload.

// Index of the first point whose pick square holds the pointer, or -1.
int pick_point(int mx, int my);

// GLUT mouse, motion and passive-motion callbacks; positions in window pixels
// from the top-left corner.
void on_mouse(int button, int state, int mx, int my);
void on_motion(int mx, int my);
void on_passive_motion(int mx, int my);

// Removes the point named by app.selected, when it names a current point.
void delete_selected_point();

// Empties both point lists.
void clear_points();

// Puts the user's own placements back into the working polygon.
void reload_points();
