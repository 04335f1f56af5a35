#pragma once
// One level of interpolatory subdivision of the working polygon, treated as
// closed: every old point stays, one new point is inserted after each. Each
// step draws its own frame (saved polygon, previous level, new level).

// One RBF4 (stencil_size 4) or RBF6 (stencil_size 6) step.
void subdivide_rbf(int stencil_size);

// One step of the four-point scheme with tension app.w.
void subdivide_nr4();

// One step of the Deslauriers-Dubuc four-point scheme (tension 1/16).
void subdivide_dd();
