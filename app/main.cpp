#include "app/startup.h"

int main(int argc, char** argv) {
  run_curvix(&argc, argv);
  return 0;
}
