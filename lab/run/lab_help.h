#pragma once
// The program's usage text; each command's own is its CommandSpec's help.

#include <string>

#include "lab/common/lab_command.h"

namespace curvix {

// The help for the command, or the program's when command is null.
std::string help_text(const CommandSpec* command);

}  // namespace curvix
