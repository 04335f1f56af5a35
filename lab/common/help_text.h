#pragma once
// The parts of the help texts that several commands share, built from the
// tables and constants that name the choices and defaults once, so the help
// follows them: the settings options with the program's start values, the
// output options and the input format. Option lines are aligned as
//   "  --option VALUE       text", the text from column HELP_TEXT_COLUMN,
// an option too long for its column on a line of its own.

#include <string>

namespace curvix {

constexpr std::size_t HELP_TEXT_COLUMN = 23;  // where an option's description starts

// One option: `text` may hold '\n', each further line indented to the column.
std::string option_help(const std::string& option, const std::string& text);

// --basis, --r, --c, --pd, --h and --w with their defaults.
std::string settings_help();

// --mask, --arity, --degree and --mu.
std::string mask_source_help();

// The mask's convention and the sources of the classics given by their masks.
std::string mask_convention_help();

// --format with the given choices ("text|csv|json") and --output.
std::string output_help(const std::string& formats);

// The INPUT operand's format.
std::string input_help();

}  // namespace curvix
