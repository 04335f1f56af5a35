#include "app/startup.h"

#include <GL/glut.h>

#include <string>

#include "app/app_state.h"
#include "app/commands.h"
#include "app/console.h"
#include "app/point_editing.h"
#include "app/scene.h"
#include "font/font_registry.h"

namespace {

void create_menu() {
  glutCreateMenu(on_menu);
  for (const MenuEntry& entry : MENU_ENTRIES) glutAddMenuEntry(entry.label, entry.id);
  glutAttachMenu(GLUT_RIGHT_BUTTON);
}

}  // namespace

void run_curvix(int* argc, char** argv) {
  glutInit(argc, argv);
  glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGB);
  glutInitWindowSize(app.window_width, app.window_height);
  // The program word, the contact address and the year.
  const std::string title = std::string("Curvix ") + CONTACT_ADDRESS + " 2002";
  glutCreateWindow(title.c_str());
  curvix::font_system_init();
  curvix::load_font(STARTUP_FONT_PATH);
  glutReshapeFunc(on_reshape);
  glutDisplayFunc(on_display);
  glutMouseFunc(on_mouse);
  glutMotionFunc(on_motion);
  glutKeyboardFunc(on_keyboard);
  glutPassiveMotionFunc(on_passive_motion);
  create_menu();
  print_help();
  glutMainLoop();
}
