#include "lab/run/command_line.h"

#include <iterator>

#include "lab/run/lab_commands.h"

namespace curvix {

namespace {

// Every command takes the settings, --format and --output as well as its own options.
const AcceptedOption SETTINGS_OPTIONS[] = {{"--basis", true},  {"--r", true},     {"--c", true},
                                           {"--pd", true},     {"--h", true},     {"--w", true},
                                           {"--format", true}, {"--output", true}};

bool is_help(const std::string& arg) {
  return arg == "--help" || arg == "-h";
}

const AcceptedOption* find_in(const AcceptedOption* options, std::size_t count,
                              const std::string& name) {
  for (std::size_t i = 0; i < count; ++i) {
    if (name == options[i].name) return &options[i];
  }
  return nullptr;
}

// Every command takes the settings, --format and --output as well as its own options.
const AcceptedOption* find_option(const CommandSpec& command, const std::string& name) {
  const AcceptedOption* own = find_in(command.options, command.option_count, name);
  if (own != nullptr) return own;
  return find_in(SETTINGS_OPTIONS, std::size(SETTINGS_OPTIONS), name);
}

const CommandSpec* find_command(const std::string& name) {
  for (const CommandSpec* command : LAB_COMMANDS) {
    if (name == command->name) return command;
  }
  return nullptr;
}

// "mask, refine, curve or smoothness"
std::string command_choices() {
  std::string text;
  for (std::size_t i = 0; i < LAB_COMMANDS.size(); ++i)
    text += std::string(i == 0                         ? ""
                        : i + 1 == LAB_COMMANDS.size() ? " or "
                                                       : ", ") +
            LAB_COMMANDS[i]->name;
  return text;
}

// "-" alone is an operand (standard input), anything else starting with '-' an option.
bool looks_like_option(const std::string& arg) {
  return arg.size() > 1 && arg[0] == '-';
}

LabStatus take_option(const CommandSpec& command, const std::vector<std::string>& args,
                      std::size_t& i, ParsedCommandLine& parsed) {
  const std::string& arg = args[i];
  const std::size_t equals = arg.find('=');
  const std::string name = arg.substr(0, equals);
  const AcceptedOption* option = find_option(command, name);
  if (option == nullptr) return usage_error("unknown option '" + name + "'");
  if (!option->takes_value) {
    if (equals != std::string::npos) return usage_error("option '" + name + "' takes no value");
    parsed.flags.insert(name);
    return {};
  }
  if (equals != std::string::npos) {
    parsed.values[name] = arg.substr(equals + 1);
    return {};
  }
  if (i + 1 >= args.size()) return usage_error("option '" + name + "' needs a value");
  parsed.values[name] = args[++i];
  return {};
}

LabStatus take_arguments(const CommandSpec& command, const std::vector<std::string>& args,
                         ParsedCommandLine& parsed) {
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (looks_like_option(args[i])) {
      const LabStatus status = take_option(command, args, i, parsed);
      if (!status.ok()) return status;
    } else if (parsed.operands.size() < command.max_operands) {
      parsed.operands.push_back(args[i]);
    } else {
      return usage_error("unexpected argument '" + args[i] + "'");
    }
  }
  return {};
}

}  // namespace

LabStatus parse_command_line(const std::vector<std::string>& args, ParsedCommandLine& parsed) {
  if (args.empty()) return {};
  if (is_help(args[0])) {
    parsed.help = true;
    return {};
  }
  const CommandSpec* command = find_command(args[0]);
  if (command == nullptr) {
    const char* what = looks_like_option(args[0]) ? "option" : "command";
    return usage_error(std::string("unknown ") + what + " '" + args[0] + "' (expected " +
                       command_choices() + ")");
  }
  parsed.command = command;
  // Help wins over every other mistake on the line: it is what the user asked for.
  for (const std::string& arg : args) parsed.help = parsed.help || is_help(arg);
  if (parsed.help) return {};
  return take_arguments(*command, args, parsed);
}

}  // namespace curvix
