#pragma once

// Window title: the program word, a contact address and the year.
constexpr const char* WINDOW_TITLE = "Curvix curvix@example.org 2002";

// Font file loaded at start-up, relative to the working directory.
constexpr const char* STARTUP_FONT_PATH = "fonts/garamond1.glf";

// Opens the window, registers the callbacks and the menu, prints the help and
// enters the GLUT main loop, which does not return in the real program.
void run_curvix(int* argc, char** argv);
