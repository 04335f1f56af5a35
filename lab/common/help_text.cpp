#include "lab/common/help_text.h"

#include "curves/rbf_settings.h"
#include "lab/common/lab_names.h"
#include "lab/common/number_text.h"
#include "lab/common/point_reader.h"
#include "subdivision/four_point_rule.h"
#include "subdivision/refine_levels.h"

namespace curvix {

namespace {

constexpr std::size_t HELP_OPTION_INDENT = 2;

std::string default_text(double value) {
  return " (default " + short_number(value) + ")";
}

}  // namespace

std::string option_help(const std::string& option, const std::string& text) {
  const std::string indent(HELP_TEXT_COLUMN, ' ');
  std::string line = std::string(HELP_OPTION_INDENT, ' ') + option;
  if (line.size() + 1 > HELP_TEXT_COLUMN)
    line += "\n" + indent;
  else
    line += std::string(HELP_TEXT_COLUMN - line.size(), ' ');
  for (const char c : text) line += c == '\n' ? "\n" + indent : std::string(1, c);
  return line + "\n";
}

std::string settings_help() {
  return option_help("--basis " + BASIS_NAMES.alternatives(),
                     std::string("radial basis (default ") + basis_info(START_BASIS).name + ")") +
         option_help("--r R", "basis shape parameter r" + default_text(START_R)) +
         option_help("--c C", "basis constant C" + default_text(START_C)) +
         option_help("--pd D", "degree of the polynomial part" + default_text(START_DEGREE)) +
         option_help("--h H", "spacing of uniform parameter values" + default_text(START_SPACING)) +
         option_help("--w W", "tension of the four-point rule" + default_text(START_TENSION));
}

std::string output_help(const std::string& formats) {
  return option_help("--format " + formats,
                     "output format (default text; text rounds numbers to\n" +
                         std::to_string(TEXT_DIGITS) +
                         " digits; csv and json give the shortest digits\n"
                         "that read back exactly)") +
         option_help("--output FILE",
                     "write the result to FILE, whole or not at all\n(default standard output)");
}

std::string input_help() {
  return "INPUT holds one point a line, \"x,y\" or \"x y\", y downward as in the window;\n"
         "'#' starts a comment. Without INPUT, or with '-', points are read from\n"
         "standard input. Input is at most " +
         std::to_string(MAX_INPUT_BYTES >> 20) + " MiB.\n";
}

}  // namespace curvix
