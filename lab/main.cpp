#include <iostream>
#include <string>
#include <vector>

#include "lab/run/lab_run.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return curvix::run_lab(args, std::cin, std::cout, std::cerr);
}
