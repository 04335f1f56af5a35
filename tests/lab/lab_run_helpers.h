#pragma once
// Runs curvix-lab in-process, over whichever engine the test links, and keeps
// what it printed.

#include <sstream>
#include <string>
#include <vector>

#include "lab/run/lab_run.h"

struct LabRun {
  int status = -1;
  std::string out;
  std::string err;
};

inline LabRun run_lab_with(const std::vector<std::string>& args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  LabRun run;
  run.status = curvix::run_lab(args, in, out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}

constexpr const char* SQUARE = "0,0\n100,0\n100,50\n0,50\n";
