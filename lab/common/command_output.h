#pragma once
// The four commands: each reads its options, gathers its input, asks the
// engine and renders the whole result in memory. Nothing is printed here;
// the caller shows the warnings and the error, and writes the document.

#include <istream>
#include <string>
#include <vector>

#include "lab/command_line.h"
#include "lab/lab_status.h"
#include "lab/option_values.h"

namespace curvix {

struct CommandOutput {
  std::string document;               // the complete output
  std::vector<std::string> warnings;  // from the engine; shown, never fatal
};

// Runs parsed.command (not NONE) in the given format, reading points from
// `standard_input` when the command takes points and names no INPUT file.
LabStatus run_command(const ParsedCommandLine& parsed, OutputFormat format,
                      std::istream& standard_input, CommandOutput& output);

}  // namespace curvix
