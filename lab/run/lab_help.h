#pragma once
// The usage texts: the program's and one per command, each listing every
// option with its default and one example.

#include <string>

#include "lab/command_line.h"

namespace curvix {

// The help for the command, or the program's when command is NONE.
std::string help_text(LabCommand command);

}  // namespace curvix
