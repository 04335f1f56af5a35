#include "lab/smoothness/smoothness_command.h"

#include <cmath>

#include "lab/common/help_text.h"
#include "lab/common/lab_names.h"
#include "lab/common/number_text.h"
#include "lab/common/option_reading.h"
#include "lab/mask/mask_command.h"
#include "lab/smoothness/regularity_plot.h"
#include "lab/smoothness/smoothness_words.h"

namespace curvix {

namespace {

constexpr int MAX_SMOOTHNESS_DEPTH = 40;  // the estimates' cost grows with the depth
constexpr int MIN_SMOOTHNESS_LEVELS = 2;  // stationarity compares levels

const AcceptedOption SMOOTHNESS_OPTIONS[] = {
    {"--scheme", true},      {"--weights", true},   {"--depth", true},      {"--levels", true},
    {"--stationary", false}, {"--sweep", true},     MASK_SOURCE_OPTIONS[0], MASK_SOURCE_OPTIONS[1],
    MASK_SOURCE_OPTIONS[2],  MASK_SOURCE_OPTIONS[3]};

LabStatus read_smoothness_mask(const ParsedCommandLine& parsed, SmoothnessOptions& options) {
  options.by_mask = true;
  if (given(parsed, "--weights")) return usage_error("give one of --scheme, --mask or --weights");
  const LabStatus status = read_mask_source(parsed, options.source);
  return status.ok() ? check_mask(source_mask(options.source)) : status;
}

LabStatus read_smoothness_source(const ParsedCommandLine& parsed, SmoothnessOptions& options) {
  if (names_mask(parsed)) return read_smoothness_mask(parsed, options);
  options.from_scheme = given(parsed, "--scheme");
  const bool by_weights = given(parsed, "--weights");
  if (options.from_scheme == by_weights)
    return usage_error("give one of --scheme, --mask or --weights");
  const LabStatus refused = refuse_mask_options(parsed);
  if (!refused.ok()) return refused;
  if (options.from_scheme) {
    return first_failure(
        {read_scheme(parsed, options.settings), read_settings(parsed, options.settings)});
  }
  for (const char* setting : {"--basis", "--r", "--c", "--pd", "--h", "--w"}) {
    if (given(parsed, setting)) return usage_error(std::string(setting) + " needs --scheme");
  }
  LabStatus status = read_list(parsed, "--weights", options.weights);
  if (status.ok() && options.weights.size() % 2 != 0) {
    status = usage_error("--weights needs an even number of values (w1,...,w2L)");
  }
  if (status.ok() && options.weights.size() > MAX_RULE_WEIGHTS) {
    status = usage_error("--weights gives " + std::to_string(options.weights.size()) +
                         " values, more than the " + std::to_string(MAX_RULE_WEIGHTS) + " allowed");
  }
  return status;
}

// --stationary and --levels apply to the RBF schemes' levels; a sweep needs
// a scheme whose rule the swept setting changes: w the tension of nr4, r, c
// and h the RBF schemes'.
LabStatus read_smoothness_levels(const ParsedCommandLine& parsed, SmoothnessOptions& options) {
  options.settings.stationary = parsed.flags.count("--stationary") != 0;
  options.over_levels = options.from_scheme && is_rbf_scheme(options.settings.subdivision.scheme);
  for (const char* option : {"--stationary", "--levels"})
    if ((given(parsed, option) || parsed.flags.count(option) != 0) && !options.over_levels)
      return usage_error(std::string(option) + " applies to " + rbf_scheme_names() + " only");
  return read_int(parsed, "--levels", MIN_SMOOTHNESS_LEVELS, MAX_LEVELS, options.levels);
}

LabStatus read_smoothness_sweep(const ParsedCommandLine& parsed, SmoothnessOptions& options) {
  options.sweeping = given(parsed, "--sweep");
  if (!options.sweeping) return {};
  if (!options.from_scheme && !(options.by_mask && !options.source.typed))
    return usage_error("--sweep needs --scheme");
  const LabStatus status = parse_sweep(parsed.values.at("--sweep"), true, options.sweep);
  if (!status.ok()) return status;
  const std::size_t values = sweep_values(options.sweep).size();
  if (values > MAX_SMOOTHNESS_SWEEP_VALUES) {
    return usage_error("--sweep gives " + std::to_string(values) + " values, more than the " +
                       std::to_string(MAX_SMOOTHNESS_SWEEP_VALUES) + " a smoothness sweep allows");
  }
  const SchemeKind scheme =
      options.by_mask ? options.source.scheme : options.settings.subdivision.scheme;
  if (options.sweep.target == SweepTarget::W && scheme != SCHEME_NR4)
    return usage_error("--sweep w applies to nr4 only");
  if (options.sweep.target == SweepTarget::MU && scheme != SCHEME_TERNARY4)
    return usage_error("--sweep mu applies to ternary4 only");
  if (options.sweep.target == SweepTarget::MU) return {};
  if (options.sweep.target != SweepTarget::W && !is_rbf_scheme(scheme))
    return usage_error("--sweep " + options.sweep.name + " applies to " + rbf_scheme_names() +
                       " only");
  return {};
}

// The work of the analysis at the depth (mask_analysis_cost for a mask).
double analysis_cost(const SmoothnessOptions& options, int depth) {
  if (options.by_mask) return mask_analysis_cost(source_mask(options.source), depth);
  const auto size = static_cast<double>(
      options.from_scheme ? scheme_info(options.settings.subdivision.scheme).stencil_size
                          : static_cast<int>(options.weights.size()));
  return std::ldexp(size * size * size, depth + 1);
}

// "a rule of 4 weights", "a mask of 11 taps".
std::string analysed_text(const SmoothnessOptions& options) {
  if (options.by_mask)
    return "a mask of " + std::to_string(source_mask(options.source).taps.size()) + " taps";
  const std::size_t size =
      options.from_scheme
          ? static_cast<std::size_t>(scheme_info(options.settings.subdivision.scheme).stencil_size)
          : options.weights.size();
  return "a rule of " + std::to_string(size) + " weights";
}

// The analysis forms about 2^(depth + 1) products of matrices of about the
// rule's size: refused past MAX_SMOOTHNESS_WORK, with the deepest depth that fits.
LabStatus check_smoothness_work(const SmoothnessOptions& options, bool depth_given) {
  if (analysis_cost(options, options.depth) <= MAX_SMOOTHNESS_WORK) return {};
  int deepest = 0;
  while (analysis_cost(options, deepest + 1) <= MAX_SMOOTHNESS_WORK) ++deepest;
  return usage_error("--depth " + std::to_string(options.depth) +
                     (depth_given ? "" : " (the default)") + " is too deep for " +
                     analysed_text(options) + " (at most " + std::to_string(deepest) + ")");
}

// A sweep repeats the analysis per value, twice for the RBF schemes (the
// first level's rule and the limit's): the whole is capped as well.
LabStatus check_smoothness_sweep_work(const SmoothnessOptions& options) {
  if (!options.sweeping) return {};
  const std::size_t values = sweep_values(options.sweep).size();
  const double analyses = static_cast<double>(values) * (options.over_levels ? 2.0 : 1.0);
  const double cost = analysis_cost(options, options.depth);
  if (analyses * cost <= MAX_SMOOTHNESS_SWEEP_WORK) return {};
  const auto most =
      static_cast<long long>(MAX_SMOOTHNESS_SWEEP_WORK / cost / (options.over_levels ? 2.0 : 1.0));
  return usage_error("--sweep gives " + std::to_string(values) + " values, more than the " +
                     std::to_string(most) + " a sweep at --depth " + std::to_string(options.depth) +
                     " allows (a lower --depth allows more)");
}

LabStatus read_smoothness_options(const ParsedCommandLine& parsed, SmoothnessOptions& options) {
  options.depth = default_smoothness_depth();
  LabStatus status = read_smoothness_source(parsed, options);
  if (!status.ok()) return status;
  if (options.by_mask) options.depth = default_mask_depth(source_mask(options.source).arity);
  status = first_failure({read_smoothness_levels(parsed, options),
                          read_smoothness_sweep(parsed, options),
                          read_int(parsed, "--depth", 1, MAX_SMOOTHNESS_DEPTH, options.depth)});
  if (status.ok()) status = check_smoothness_work(options, given(parsed, "--depth"));
  return status.ok() ? check_smoothness_sweep_work(options) : status;
}

// "RBF4 (mq1, c 1, pd 1, h 1, stationary)": the scheme and the settings its
// rule depends on, the swept one left out.
std::string plot_title(const SmoothnessOptions& options) {
  const LevelSettings& s = options.settings;
  if (options.by_mask) {
    if (options.source.typed) return "the given mask";
    return options.sweep.target == SweepTarget::MU ? scheme_info(options.source.scheme).label
                                                   : mask_source_name(options.source);
  }
  const SchemeInfo& scheme = scheme_info(s.subdivision.scheme);
  if (!scheme.rbf) return scheme.label;
  const RbfSettings& rbf = s.subdivision.rbf;
  const SweepTarget swept = options.sweep.target;
  std::string settings = basis_info(rbf.basis).name;
  if (swept != SweepTarget::R) settings += ", r " + short_number(rbf.r);
  if (swept != SweepTarget::C) settings += ", c " + short_number(rbf.c);
  settings += ", pd " + std::to_string(rbf.pd);
  if (swept != SweepTarget::H) settings += ", h " + short_number(s.h);
  settings += s.stationary ? ", stationary" : ", r fixed: the limit rule";
  return std::string(scheme.label) + " (" + settings + ")";
}

// The regularity against the swept value: the rule's, or the scheme's (its
// one mask's, or its limit rule's when not stationary).
std::string regularity_plot_of(const SmoothnessOptions& options, const std::vector<double>& swept,
                               const std::vector<SmoothnessResult>& results) {
  RegularityPlot plot;
  plot.title = plot_title(options);
  plot.parameter_name = options.sweep.name;
  for (std::size_t i = 0; i < results.size(); ++i) {
    const CertifiedSmoothness& c =
        options.over_levels ? results[i].levels.scheme.smoothness : results[i].rule.smoothness;
    plot.points.push_back({swept[i], regularity_lower(c), regularity_upper(c)});
  }
  return regularity_plot(plot);
}

// One analysis at the settings: a scheme's levels, or one rule.
LabStatus smoothness_result(const SmoothnessOptions& options, const LevelSettings& settings,
                            const MaskSource& source, SmoothnessResult& result) {
  if (options.by_mask) {
    const ExactMask mask = source_mask(source);
    const LabStatus problem = check_mask(mask);
    if (!problem.ok()) return problem;
    if (analyse_mask(mask, options.depth, result.rule) != LabRefusal::NONE) return check_mask(mask);
    return {};
  }
  if (options.over_levels) {
    const LabRefusal refusal =
        analyse_scheme_levels(settings, options.levels, options.depth, result.levels);
    return refusal == LabRefusal::NONE ? LabStatus{} : stencil_refusal(refusal, settings);
  }
  std::vector<double> weights = options.weights;
  if (options.from_scheme) {
    const LabRefusal refusal = scheme_weights(settings, weights);
    if (refusal != LabRefusal::NONE) return stencil_refusal(refusal, settings);
  }
  if (analyse_rule(weights, options.depth, result.rule) != LabRefusal::NONE)
    return data_error(
        "not a binary interpolatory rule: give an even number (2 or more) of finite weights");
  return {};
}

// One analysis per swept value, or one at the settings.
LabStatus smoothness_results(const SmoothnessOptions& options, std::vector<double>& swept,
                             std::vector<SmoothnessResult>& results) {
  if (options.sweeping) swept = sweep_values(options.sweep);
  const std::size_t count = options.sweeping ? swept.size() : 1;
  results.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    LevelSettings settings = options.settings;
    MaskSource source = options.source;
    if (options.sweeping) apply_sweep_value(options.sweep.target, swept[i], settings);
    if (options.sweeping && options.sweep.target == SweepTarget::MU) source.mu = Rational(swept[i]);
    const LabStatus status = smoothness_result(options, settings, source, results[i]);
    if (!status.ok() && options.sweeping)
      return data_error(options.sweep.name + " = " + short_number(swept[i]) + ": " +
                        status.message);
    if (!status.ok()) return status;
  }
  return {};
}

LabStatus run_smoothness(const ParsedCommandLine& parsed, OutputFormat format, std::istream&,
                         CommandOutput& output) {
  SmoothnessOptions options;
  LabStatus status = read_smoothness_options(parsed, options);
  if (status.ok() && format == OutputFormat::SVG && !options.sweeping)
    status = usage_error("--format svg draws a sweep: give --sweep");
  std::vector<double> swept;
  std::vector<SmoothnessResult> results;
  if (status.ok()) status = smoothness_results(options, swept, results);
  if (!status.ok()) return status;
  output.document = format == OutputFormat::SVG
                        ? regularity_plot_of(options, swept, results)
                        : smoothness_document(options, swept, results, format);
  return {};
}

// "2^26" for a power of two.
std::string power_of_two(double value) {
  return "2^" + std::to_string(std::ilogb(value));
}

std::string smoothness_help() {
  const std::string rbf = rbf_scheme_names();
  return "usage: curvix-lab smoothness (--scheme S [SETTINGS] | --mask a0,...,aK |\n"
         "                             --weights w1,...,w2L) [OPTIONS]\n"
         "\n"
         "How smooth the limit curves of a rule or scheme are: sum rules, reproduction\n"
         "degree, Holder bounds from products up to --depth, then the exact Holder\n"
         "regularity (invariant polytope, with its product and vertices) or, where it\n"
         "cannot be had, tighter bounds with their gap and the reason, and the\n"
         "smoothness class that follows. The weights shown are those analysed: typed\n"
         "weights that meet sum rules only up to rounding are moved onto them.\n"
         "\n" +
         rbf +
         " are analysed as the subdivision command runs them: the mask of\n"
         "each level (h halved per level; r fixed, or halved with --stationary), whether\n"
         "the scheme is stationary (every level's mask equal within rounding) and, if\n"
         "not, the flat limit the masks approach, checked against their extrapolation,\n"
         "the rate, the limit rule's regularity and what asymptotic similarity shows.\n"
         "Levels whose stencil systems pass condition 1e" +
         std::to_string(std::lround(std::log10(CONDITION_LIMIT))) +
         " are flagged untrusted.\n"
         "\n"
         "options:\n" +
         option_help("--scheme S", SCHEME_NAMES.choices() + " (or give --mask or --weights)") +
         mask_source_help() +
         option_help("--weights w1,...,w2L",
                     "insertion weights of a rule, an even number, at most\n" +
                         std::to_string(MAX_RULE_WEIGHTS) + " (or give --scheme)") +
         "settings, with --scheme only:\n" + settings_help() +
         option_help("--levels K", "levels of " + rbf + " analysed, " +
                                       std::to_string(MIN_SMOOTHNESS_LEVELS) + " to " +
                                       std::to_string(MAX_LEVELS) + " (default " +
                                       std::to_string(DEFAULT_SMOOTHNESS_LEVELS) + ")") +
         option_help("--stationary", rbf + ": r follows the halving spacing (default off)") +
         option_help(
             "--sweep NAME=FROM:TO:STEP",
             std::string("one analysis per value of NAME: w for ") + scheme_info(SCHEME_NR4).name +
                 ", mu for\n" + scheme_info(SCHEME_TERNARY4).name + ", r, c or h for " + rbf +
                 " (default no sweep;\nat most " + std::to_string(MAX_SMOOTHNESS_SWEEP_VALUES) +
                 "\nvalues, and the cost below summed over a sweep's\nanalyses at most " +
                 power_of_two(MAX_SMOOTHNESS_SWEEP_WORK) + ", two per value for\n" + rbf + ")") +
         option_help("--depth L", "steps used by the Holder estimates (default " +
                                      std::to_string(default_smoothness_depth()) +
                                      ")\nand 2^(L+1) times the number of weights cubed is\n"
                                      "at most " +
                                      power_of_two(MAX_SMOOTHNESS_WORK) +
                                      "; for a mask of arity m the\ndefault is " +
                                      std::to_string(default_mask_depth(3)) + " for m = 3, " +
                                      std::to_string(default_mask_depth(4)) +
                                      " for m = 4, and m^(L+1) times\nthe cube of its taps over "
                                      "m - 1 is capped alike") +
         output_help("text|csv|json|svg") + "\n" + mask_convention_help() +
         "\n"
         "svg draws a sweep: the regularity against the swept value over the shaded\n"
         "smoothness classes.\n"
         "\n"
         "example:\n"
         "  curvix-lab smoothness --weights -0.0625,0.5625,0.5625,-0.0625\n"
         "  curvix-lab smoothness --scheme rbf4 --basis gs --stationary --format json\n"
         "  curvix-lab smoothness --mask 1/8,1/2,3/4,1/2,1/8\n"
         "  curvix-lab smoothness --scheme nr4 --sweep w=0:0.2:0.001 --format svg --output "
         "nr4.svg\n";
}
}  // namespace

double mask_analysis_cost(const ExactMask& mask, int depth) {
  const int m = mask.arity;
  const auto order = static_cast<double>((mask.taps.size() + static_cast<std::size_t>(m) - 2) /
                                         static_cast<std::size_t>(m - 1));
  return order * order * order * std::pow(static_cast<double>(m), depth + 1);
}

const CommandSpec SMOOTHNESS_COMMAND = {
    "smoothness",
    "sum rules, reproduction and regularity of a rule or scheme",
    SMOOTHNESS_OPTIONS,
    std::size(SMOOTHNESS_OPTIONS),
    0,
    true,
    run_smoothness,
    smoothness_help};

}  // namespace curvix
