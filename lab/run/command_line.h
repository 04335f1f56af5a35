#pragma once
// Splits a command line into the command, its options and its operands,
// against the table of what each command accepts. Values are kept as text
// here; option_values.h turns them into settings and requests.
//
// An option's value is the next argument, whatever it starts with (so
// "--r -1" works), or follows '=' in the same argument ("--r=-1"). A later
// occurrence of an option replaces an earlier one.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "lab/lab_status.h"

namespace curvix {

enum class LabCommand { NONE, MASK, REFINE, CURVE, SMOOTHNESS };

struct ParsedCommandLine {
  LabCommand command = LabCommand::NONE;
  bool help = false;                          // --help or -h anywhere
  std::map<std::string, std::string> values;  // option name with "--" -> value
  std::set<std::string> flags;                // options without a value that were given
  std::vector<std::string> operands;
};

// Parses args (without the program name). Errors are usage errors naming the
// unknown command or option, the option that lacks its value, or the extra operand.
LabStatus parse_command_line(const std::vector<std::string>& args, ParsedCommandLine& parsed);

}  // namespace curvix
