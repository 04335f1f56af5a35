#include "app/commands.h"

void on_keyboard(unsigned char, int, int) {}

void on_menu(int) {}
