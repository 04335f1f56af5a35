#pragma once
// Splits a command line into the command, its options and its operands,
// against the table of commands (lab_commands.h) and what each accepts.
// Values are kept as text here; each command reads them into its options.
//
// An option's value is the next argument, whatever it starts with (so
// "--r -1" works), or follows '=' in the same argument ("--r=-1"). A later
// occurrence of an option replaces an earlier one.

#include <string>
#include <vector>

#include "lab/common/lab_command.h"
#include "lab/common/lab_status.h"

namespace curvix {

// Parses args (without the program name). Errors are usage errors naming the
// unknown command or option, the option that lacks its value, or the extra operand.
LabStatus parse_command_line(const std::vector<std::string>& args, ParsedCommandLine& parsed);

}  // namespace curvix
