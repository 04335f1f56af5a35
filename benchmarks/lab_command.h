#pragma once
// A curvix-lab command line run as the executable runs it, on a given
// standard input, for the benchmarks that time whole commands.

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

#include "lab/run/lab_run.h"

namespace curvix_benchmark {

// The command's standard output, or false with the benchmark skipped and the
// command's error as the reason.
inline bool run_lab_command(benchmark::State& state, const std::vector<std::string>& args,
                            const std::string& input, std::string& output) {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  if (curvix::run_lab(args, in, out, err) != 0) {
    state.SkipWithError(err.str().c_str());
    return false;
  }
  output = out.str();
  return true;
}

}  // namespace curvix_benchmark
