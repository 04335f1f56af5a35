#include "lab/common/help_text.h"

#include "curves/rbf_settings.h"
#include "lab/common/lab_names.h"
#include "lab/common/mask_source.h"
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

// "bspline: Lane and Riesenfeld 1980" for each scheme given by its mask.
std::string mask_scheme_sources() {
  std::string text;
  for (const SchemeInfo& scheme : SCHEMES)
    if (!scheme.program) text += std::string("  ") + scheme.name + ": " + scheme.source + "\n";
  return text;
}

std::string mask_source_help() {
  return option_help("--mask a0,...,aK",
                     "a scheme by its mask, instead of --scheme: at most " +
                         std::to_string(MAX_MASK_TAPS) +
                         " taps,\nintegers, decimals or fractions p/q, read exactly") +
         option_help("--arity M", "the mask's arity, " + std::to_string(MIN_ARITY) + " to " +
                                      std::to_string(MAX_ARITY) + " (default " +
                                      std::to_string(MIN_ARITY) + ")") +
         option_help("--degree D", std::string(scheme_info(SCHEME_BSPLINE).name) + ": degree " +
                                       std::to_string(MIN_BSPLINE_DEGREE) + " to " +
                                       std::to_string(MAX_BSPLINE_DEGREE) + " (default " +
                                       std::to_string(DEFAULT_BSPLINE_DEGREE) + ")") +
         option_help("--mu MU", std::string(scheme_info(SCHEME_TERNARY4).name) +
                                    ": its parameter, exact (default " +
                                    rational_text(DEFAULT_TERNARY_MU) + ")");
}

std::string mask_convention_help() {
  return "A mask a0..aK of arity m refines by p'[i] = sum_j a[i - m j] p[j], the taps at\n"
         "indices centred on 0 (K even: primal) or on -1/2 (K odd: dual, whose new points\n"
         "lie within the old edges: Chaikin's at a quarter and three quarters). The\n"
         "classics given by their masks:\n" +
         mask_scheme_sources();
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
