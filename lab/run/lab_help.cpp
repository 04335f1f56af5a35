#include "lab/run/lab_help.h"

#include "lab/run/lab_commands.h"

namespace curvix {

namespace {

constexpr std::size_t COMMAND_NAME_WIDTH = 12;  // the summaries' column in the command list

std::string program_help() {
  std::string text =
      "usage: curvix-lab COMMAND [OPTIONS]\n"
      "\n"
      "Curvix's curves and subdivision schemes from the command line.\n"
      "\n"
      "commands:\n";
  for (const CommandSpec* command : LAB_COMMANDS) {
    const std::string name = command->name;
    text +=
        "  " + name + std::string(COMMAND_NAME_WIDTH - name.size(), ' ') + command->summary + "\n";
  }
  return text +
         "\n"
         "options:\n"
         "  -h, --help  this text; 'curvix-lab COMMAND --help' for a command\n"
         "\n"
         "example:\n"
         "  curvix-lab refine --scheme dd --levels 3 --format svg --output square.svg square.txt\n";
}

}  // namespace

std::string help_text(const CommandSpec* command) {
  return command != nullptr ? command->help() : program_help();
}

}  // namespace curvix
