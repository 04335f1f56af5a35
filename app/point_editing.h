#pragma once
// Editing the control polygon with the left mouse button, and the list
// operations of the menu and keyboard: delete, clear, reload.
//
// Invariant: while app.dragging is true, app.selected names a current point
// (0 <= selected < points.count). A press sets both; every operation that
// removes or replaces points during a drag (delete, clear, reload, a
// subdivision step) ends the drag through forget_selection(), so a later motion
// or release never writes an entry the user did not pick.

// Index of the first point whose pick square holds the pointer, or -1. The
// square is open: |mx - x| < MARKER_HALF_SIZE and |my - y| < MARKER_HALF_SIZE,
// on the stored (unflipped) y; the lowest index wins where squares overlap.
int pick_point(int mx, int my);

// GLUT mouse, motion and passive-motion callbacks; positions in window pixels
// from the top-left corner. Only the left button edits: a press picks the point
// under the pointer or appends one (moving point MAX_POINTS - 1 when the list
// is full) and starts a drag; motion and release move the dragged point in both
// `points` and `saved`. The passive motion highlights the point under the
// pointer and redraws only when that changes.
void on_mouse(int button, int state, int mx, int my);
void on_motion(int mx, int my);
void on_passive_motion(int mx, int my);

// Removes the point named by app.selected when it names a current point; any
// other value deletes nothing. Leaves `saved`, the parameter values, `hovered`
// and the RBF coefficients as they were. Requests no redisplay.
void delete_selected_point();

// Empties both point lists and resets the knot spacing; requests a redisplay.
void clear_points();

// Puts the user's own placements back into the working polygon with uniform
// parameter values, r = 1, and a fresh solve; does nothing without saved points.
void reload_points();

// Ends a drag in progress (its point loses the drag highlight) and forgets the
// picked index. Called before the working list is emptied or replaced: an index
// taken from the old list no longer names the point the user pointed at.
void forget_selection();
