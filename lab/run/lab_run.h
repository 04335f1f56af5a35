#pragma once
// The whole program on plain streams, so that tests run it like a user does:
// arguments in; the result on `out` or in the --output file; warnings and the
// one error line, each starting "curvix-lab: ", on `err`; the status back.

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace curvix {

// Whether run_lab may touch the file system. STREAMS_ONLY is for a caller that
// must leave it alone (the fuzz target): every option is still checked, but an
// INPUT operand reads `in` as "-" does and the --output document goes to `out`.
enum class LabFileAccess { FILES, STREAMS_ONLY };

// args excludes the program name. Returns 0, 1 (data, file or engine
// failure) or 2 (a wrong command line).
int run_lab(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
            std::ostream& err, LabFileAccess access = LabFileAccess::FILES);

}  // namespace curvix
