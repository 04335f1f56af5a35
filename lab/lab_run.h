#pragma once
// The whole program on plain streams, so that tests run it like a user does:
// arguments in; the result on `out` or in the --output file; warnings and the
// one error line, each starting "curvix-lab: ", on `err`; the status back.

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace curvix {

// args excludes the program name. Returns 0, 1 (data, file or engine
// failure) or 2 (a wrong command line).
int run_lab(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
            std::ostream& err);

}  // namespace curvix
