#include "lab/option_values.h"

#include <cmath>
#include <cstddef>
#include <string>

#include "lab/number_text.h"

namespace curvix {

namespace {

// The values an option names, from a table of the library's (schemes, bases,
// curves) or of the front end's (formats): each entry's name and value.
template <typename Entry, typename Value>
struct NameTable {
  const Entry* begin;
  const Entry* end;
  Value Entry::*value;

  const Entry* find(const std::string& name) const {
    for (const Entry* entry = begin; entry != end; ++entry)
      if (name == entry->name) return entry;
    return nullptr;
  }

  // "a, b or c"
  std::string choices() const {
    std::string text;
    for (const Entry* entry = begin; entry != end; ++entry)
      text += std::string(entry == begin ? "" : entry + 1 == end ? " or " : ", ") + entry->name;
    return text;
  }
};

template <typename Entry, std::size_t N, typename Value>
constexpr NameTable<Entry, Value> name_table(const Entry (&entries)[N], Value Entry::*value,
                                             std::size_t skip = 0) {
  return {entries + skip, entries + N, value};
}

struct FormatEntry {
  const char* name;
  OutputFormat format;
};

constexpr FormatEntry FORMATS[] = {{"text", OutputFormat::TEXT},
                                   {"csv", OutputFormat::CSV},
                                   {"json", OutputFormat::JSON},
                                   {"svg", OutputFormat::SVG}};

constexpr auto SCHEME_NAMES = name_table(SCHEMES, &SchemeInfo::kind);
constexpr auto BASIS_NAMES = name_table(BASES, &BasisInfo::kind);
// Every curve but CURVE_NONE, the table's first entry, which samples nothing.
constexpr auto CURVE_NAMES = name_table(CURVES, &CurveInfo::mode, 1);
constexpr auto FORMAT_NAMES = name_table(FORMATS, &FormatEntry::format);

// Looks up parsed.values[option] in the table, leaving `value` alone when the
// option is absent. An unknown name is refused with the table's choices, or
// with `choices` when given.
template <typename Entry, typename Value>
LabStatus read_named(const ParsedCommandLine& parsed, const char* option, const char* what,
                     const NameTable<Entry, Value>& table, Value& value,
                     const std::string& choices = "") {
  const auto found = parsed.values.find(option);
  if (found == parsed.values.end()) return {};
  const Entry* entry = table.find(found->second);
  if (entry == nullptr)
    return usage_error(std::string("unknown ") + what + " '" + found->second + "' (expected " +
                       (choices.empty() ? table.choices() : choices) + ")");
  value = entry->*table.value;
  return {};
}

bool given(const ParsedCommandLine& parsed, const char* option) {
  return parsed.values.count(option) != 0;
}

LabStatus read_double(const ParsedCommandLine& parsed, const char* option, double& value) {
  const auto found = parsed.values.find(option);
  if (found == parsed.values.end()) return {};
  switch (parse_double(found->second, value)) {
    case NumberParse::OK: return {};
    case NumberParse::NOT_FINITE:
      return usage_error(std::string("non-finite value '") + found->second + "' for " + option);
    case NumberParse::MALFORMED: break;
  }
  return usage_error(std::string("invalid number '") + found->second + "' for " + option);
}

LabStatus read_int(const ParsedCommandLine& parsed, const char* option, int low, int high,
                   int& value) {
  const auto found = parsed.values.find(option);
  if (found == parsed.values.end()) return {};
  int parsed_value = 0;
  if (!parse_int(found->second, parsed_value) || parsed_value < low || parsed_value > high) {
    return usage_error(std::string("invalid value '") + found->second + "' for " + option +
                       " (expected an integer from " + std::to_string(low) + " to " +
                       std::to_string(high) + ")");
  }
  value = parsed_value;
  return {};
}

LabStatus read_list(const ParsedCommandLine& parsed, const char* option,
                    std::vector<double>& values) {
  const auto found = parsed.values.find(option);
  if (found == parsed.values.end()) return {};
  std::string bad_item;
  if (!parse_double_list(found->second, values, bad_item)) {
    return usage_error(std::string("invalid number '") + bad_item + "' in " + option);
  }
  return {};
}

LabStatus read_increasing_list(const ParsedCommandLine& parsed, const char* option,
                               std::vector<double>& values) {
  LabStatus status = read_list(parsed, option, values);
  if (status.ok() && !strictly_increasing(values)) {
    status = usage_error(std::string(option) + " values must be strictly increasing");
  }
  return status;
}

// The first failure of a sequence of reads, or success.
LabStatus first_failure(std::initializer_list<LabStatus> statuses) {
  for (const LabStatus& status : statuses) {
    if (!status.ok()) return status;
  }
  return {};
}

LabStatus read_settings(const ParsedCommandLine& parsed, LevelSettings& settings) {
  RbfSettings& rbf = settings.subdivision.rbf;
  return first_failure(
      {read_named(parsed, "--basis", "basis", BASIS_NAMES, rbf.basis),
       read_double(parsed, "--r", rbf.r), read_double(parsed, "--c", rbf.c),
       read_int(parsed, "--pd", MIN_POLYNOMIAL_DEGREE, MAX_POLYNOMIAL_DEGREE, rbf.pd),
       read_double(parsed, "--h", settings.h),
       read_double(parsed, "--w", settings.subdivision.tension)});
}

LabStatus read_scheme(const ParsedCommandLine& parsed, LevelSettings& settings) {
  if (!given(parsed, "--scheme")) return usage_error("missing option '--scheme'");
  return read_named(parsed, "--scheme", "scheme", SCHEME_NAMES, settings.subdivision.scheme);
}

// "rbf4 and rbf6"
std::string rbf_scheme_names() {
  std::string names;
  for (const SchemeInfo& scheme : SCHEMES)
    if (scheme.rbf) names += std::string(names.empty() ? "" : " and ") + scheme.name;
  return names;
}

LabStatus check_params(const MaskOptions& options) {
  if (options.params.empty()) return {};
  const SchemeInfo& scheme = scheme_info(options.settings.subdivision.scheme);
  if (!scheme.rbf) return usage_error("--params applies to " + rbf_scheme_names() + " only");
  const auto s = static_cast<std::size_t>(scheme.stencil_size);
  if (options.params.size() != s) {
    return usage_error(std::string("--params needs ") + std::to_string(s) + " values for " +
                       scheme.name + ", got " + std::to_string(options.params.size()));
  }
  return {};
}

LabStatus read_sweep_option(const ParsedCommandLine& parsed, MaskOptions& options) {
  options.sweeping = given(parsed, "--sweep");
  if (!options.sweeping) return {};
  return parse_sweep(parsed.values.at("--sweep"), false, options.sweep);
}

LabStatus read_smoothness_source(const ParsedCommandLine& parsed, SmoothnessOptions& options) {
  options.from_scheme = given(parsed, "--scheme");
  const bool by_weights = given(parsed, "--weights");
  if (options.from_scheme == by_weights) return usage_error("give either --scheme or --weights");
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
  if (!options.from_scheme) return usage_error("--sweep needs --scheme");
  const LabStatus status = parse_sweep(parsed.values.at("--sweep"), true, options.sweep);
  if (!status.ok()) return status;
  const std::size_t values = sweep_values(options.sweep).size();
  if (values > MAX_SMOOTHNESS_SWEEP_VALUES) {
    return usage_error("--sweep gives " + std::to_string(values) + " values, more than the " +
                       std::to_string(MAX_SMOOTHNESS_SWEEP_VALUES) + " a smoothness sweep allows");
  }
  const SchemeKind scheme = options.settings.subdivision.scheme;
  if (options.sweep.target == SweepTarget::W && scheme != SCHEME_NR4)
    return usage_error("--sweep w applies to nr4 only");
  if (options.sweep.target != SweepTarget::W && !is_rbf_scheme(scheme))
    return usage_error("--sweep " + options.sweep.name + " applies to " + rbf_scheme_names() +
                       " only");
  return {};
}

// The analysis forms 2^(depth + 1) products of matrices of about the rule's
// size: refused past MAX_SMOOTHNESS_WORK, with the deepest depth that fits.
LabStatus check_smoothness_work(const SmoothnessOptions& options, bool depth_given) {
  const std::size_t size =
      options.from_scheme
          ? static_cast<std::size_t>(scheme_info(options.settings.subdivision.scheme).stencil_size)
          : options.weights.size();
  const double product_cost = static_cast<double>(size * size * size);
  if (std::ldexp(product_cost, options.depth + 1) <= MAX_SMOOTHNESS_WORK) return {};
  int deepest = 0;
  while (std::ldexp(product_cost, deepest + 2) <= MAX_SMOOTHNESS_WORK) ++deepest;
  return usage_error("--depth " + std::to_string(options.depth) +
                     (depth_given ? "" : " (the default)") + " is too deep for a rule of " +
                     std::to_string(size) + " weights (at most " + std::to_string(deepest) + ")");
}

// A sweep repeats the analysis per value, twice for the RBF schemes (the
// first level's rule and the limit's): the whole is capped as well.
LabStatus check_smoothness_sweep_work(const SmoothnessOptions& options) {
  if (!options.sweeping) return {};
  const auto size =
      static_cast<double>(scheme_info(options.settings.subdivision.scheme).stencil_size);
  const std::size_t values = sweep_values(options.sweep).size();
  const double analyses = static_cast<double>(values) * (options.over_levels ? 2.0 : 1.0);
  const double analysis_cost = std::ldexp(size * size * size, options.depth + 1);
  if (analyses * analysis_cost <= MAX_SMOOTHNESS_SWEEP_WORK) return {};
  const auto most = static_cast<long long>(MAX_SMOOTHNESS_SWEEP_WORK / analysis_cost /
                                           (options.over_levels ? 2.0 : 1.0));
  return usage_error("--sweep gives " + std::to_string(values) + " values, more than the " +
                     std::to_string(most) + " a sweep at --depth " + std::to_string(options.depth) +
                     " allows (a lower --depth allows more)");
}

std::string operand_or_stdin(const ParsedCommandLine& parsed) {
  return parsed.operands.empty() ? std::string() : parsed.operands.front();
}

}  // namespace

LabStatus read_common_options(const ParsedCommandLine& parsed, bool allow_svg,
                              CommonOptions& common) {
  // svg is found either way, so that where it does not apply it is refused as such.
  const LabStatus status = read_named(parsed, "--format", "format", FORMAT_NAMES, common.format,
                                      allow_svg ? "" : "text, csv or json");
  if (!status.ok()) return status;
  if (common.format == OutputFormat::SVG && !allow_svg) {
    return usage_error("--format svg applies to refine, curve and smoothness --sweep only");
  }
  const auto output = parsed.values.find("--output");
  if (output != parsed.values.end()) {
    if (output->second.empty()) return usage_error("--output needs a file name");
    common.output_path = output->second;
  }
  return {};
}

LabStatus read_mask_options(const ParsedCommandLine& parsed, MaskOptions& options) {
  return first_failure({read_scheme(parsed, options.settings),
                        read_settings(parsed, options.settings),
                        read_increasing_list(parsed, "--params", options.params),
                        check_params(options), read_sweep_option(parsed, options)});
}

LabStatus read_refine_options(const ParsedCommandLine& parsed, RefineOptions& options) {
  RefineRequest& request = options.request;
  request.first.stationary = parsed.flags.count("--stationary") != 0;
  options.all_levels = parsed.flags.count("--all-levels") != 0;
  options.input = operand_or_stdin(parsed);
  return first_failure({read_scheme(parsed, request.first), read_settings(parsed, request.first),
                        read_int(parsed, "--levels", 1, MAX_LEVELS, request.levels),
                        read_increasing_list(parsed, "--knots", request.knots),
                        read_int(parsed, "--threads", 1, MAX_THREADS, request.threads)});
}

LabStatus read_curve_options(const ParsedCommandLine& parsed, CurveOptions& options) {
  options.input = operand_or_stdin(parsed);
  if (!given(parsed, "--kind")) return usage_error("missing option '--kind'");
  return first_failure({read_named(parsed, "--kind", "curve kind", CURVE_NAMES, options.kind),
                        read_settings(parsed, options.settings),
                        read_int(parsed, "--samples", MIN_SAMPLES, MAX_SAMPLES, options.samples),
                        read_increasing_list(parsed, "--knots", options.knots)});
}

LabStatus read_smoothness_options(const ParsedCommandLine& parsed, SmoothnessOptions& options) {
  options.depth = default_smoothness_depth();
  LabStatus status = read_smoothness_source(parsed, options);
  if (!status.ok()) return status;
  status = first_failure({read_smoothness_levels(parsed, options),
                          read_smoothness_sweep(parsed, options),
                          read_int(parsed, "--depth", 1, MAX_SMOOTHNESS_DEPTH, options.depth)});
  if (status.ok()) status = check_smoothness_work(options, given(parsed, "--depth"));
  return status.ok() ? check_smoothness_sweep_work(options) : status;
}

LabStatus check_refine_size(const RefineOptions& options, std::size_t points) {
  const auto input = static_cast<long long>(points);
  if (input > MAX_REFINED_POINTS / 2) {
    return data_error("the input's " + std::to_string(points) +
                      " points refined once would pass the " + std::to_string(MAX_REFINED_POINTS) +
                      " points allowed");
  }
  int deepest = 1;
  while (deepest < MAX_LEVELS && input << (deepest + 1) <= MAX_REFINED_POINTS) ++deepest;
  if (options.request.levels <= deepest) return {};
  return usage_error("--levels " + std::to_string(options.request.levels) + " would refine " +
                     std::to_string(points) + " points past the " +
                     std::to_string(MAX_REFINED_POINTS) + " points allowed (at most --levels " +
                     std::to_string(deepest) + ")");
}

LabStatus check_curve_size(const CurveOptions& options, std::size_t points) {
  const auto n = static_cast<long long>(points);
  const long long order = n + options.settings.subdivision.rbf.pd + 1;
  const char* kind = curve_info(options.kind).name;
  if (options.kind == CURVE_RBF && order > MAX_RBF_CURVE_ORDER) {
    return data_error("an rbf curve over " + std::to_string(points) + " points of degree " +
                      std::to_string(options.settings.subdivision.rbf.pd) +
                      " needs a system of order " + std::to_string(order) + ", more than the " +
                      std::to_string(MAX_RBF_CURVE_ORDER) + " allowed");
  }
  const long long terms = options.kind == CURVE_LAGRANGE ? n * n
                          : options.kind == CURVE_BEZIER ? n
                                                         : order;
  const long long most_samples = MAX_CURVE_TERMS / terms;
  if (most_samples < MIN_SAMPLES) {
    return data_error(std::string("a ") + kind + " curve over " + std::to_string(points) +
                      " points is too much work: each sample sums " + std::to_string(terms) +
                      " terms (at most " + std::to_string(MAX_CURVE_TERMS) + " for all samples)");
  }
  if (options.samples <= most_samples) return {};
  return usage_error("--samples " + std::to_string(options.samples) + " is too many for a " + kind +
                     " curve over " + std::to_string(points) + " points (at most " +
                     std::to_string(most_samples) + ")");
}

}  // namespace curvix
