#pragma once

// Font file loaded at start-up, relative to the working directory.
constexpr const char* STARTUP_FONT_PATH = "fonts/garamond1.glf";

// Opens the window, registers the callbacks and the menu, prints the help and
// enters the GLUT main loop, which does not return in the real program.
void run_curvix(int* argc, char** argv);
