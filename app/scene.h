#pragma once
// The picture of the window: a pixel-exact 2D view and the normal scene
// (markers, open control polygon, the chosen curve).

// GLUT reshape callback: rebuilds the view for a window of width x height pixels.
void on_reshape(int width, int height);

// GLUT display callback: draws the scene from app and shows the frame. Only reads state.
void on_display();
