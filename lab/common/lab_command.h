#pragma once
// What every command of curvix-lab is to the program that runs it: its name,
// the options it accepts, how many INPUT operands it takes, whether it draws
// svg, the function that runs it and its help text. Each command's folder
// defines one CommandSpec; run/ holds the table of them that the command
// line, the help and the run read, so a new command is a folder and a row.
//
// A command reads its options, gathers its input, asks the engine and renders
// the whole result in memory. Nothing is printed there; the caller shows the
// warnings and the error, and writes the document.

#include <cstddef>
#include <istream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "lab/common/lab_status.h"

namespace curvix {

struct CommandSpec;

enum class OutputFormat { TEXT, CSV, JSON, SVG };

struct AcceptedOption {
  const char* name;
  bool takes_value;
};

// A command line split against the command's accepted options. Values are
// kept as text; each command reads them into its own options record.
struct ParsedCommandLine {
  const CommandSpec* command = nullptr;       // null: no command was named
  bool help = false;                          // --help or -h anywhere
  std::map<std::string, std::string> values;  // option name with "--" -> value
  std::set<std::string> flags;                // options without a value that were given
  std::vector<std::string> operands;
};

struct CommandOutput {
  std::string document;               // the complete output
  std::vector<std::string> warnings;  // from the engine; shown, never fatal
};

using RunCommand = LabStatus (*)(const ParsedCommandLine& parsed, OutputFormat format,
                                 std::istream& standard_input, CommandOutput& output);
using CommandHelp = std::string (*)();

struct CommandSpec {
  const char* name;               // as typed: "mask"
  const char* summary;            // one line for the program's help
  const AcceptedOption* options;  // besides the settings, --format and --output
  std::size_t option_count;
  std::size_t max_operands;  // the INPUT file of the commands that read points
  bool takes_svg;            // --format svg is accepted (what it draws is the command's)
  RunCommand run;
  CommandHelp help;
};

}  // namespace curvix
