#include "lab/option_values.h"

#include "lab/number_text.h"

namespace {

template <typename Enum>
struct NamedValue {
  const char* name;
  Enum value;
};

const NamedValue<LabScheme> SCHEMES[] = {{"rbf4", LabScheme::RBF4},
                                         {"rbf6", LabScheme::RBF6},
                                         {"nr4", LabScheme::NR4},
                                         {"dd", LabScheme::DD}};
const NamedValue<LabCurve> CURVES[] = {
    {"lagrange", LabCurve::LAGRANGE}, {"bezier", LabCurve::BEZIER}, {"rbf", LabCurve::RBF}};
const NamedValue<LabBasis> BASES[] = {
    {"mq1", LabBasis::MQ1}, {"mq3", LabBasis::MQ3}, {"gs", LabBasis::GS}};
const NamedValue<OutputFormat> FORMATS[] = {{"text", OutputFormat::TEXT},
                                            {"csv", OutputFormat::CSV},
                                            {"json", OutputFormat::JSON},
                                            {"svg", OutputFormat::SVG}};

template <typename Enum, std::size_t N>
const char* name_of(const NamedValue<Enum> (&table)[N], Enum value) {
  for (const auto& entry : table) {
    if (entry.value == value) return entry.name;
  }
  return "?";
}

// Looks up parsed.values[option] in the table, leaving `value` alone when the
// option is absent. `expected` lists the names for the error message.
template <typename Enum, std::size_t N>
LabStatus read_named(const ParsedCommandLine& parsed, const char* option, const char* what,
                     const char* expected, const NamedValue<Enum> (&table)[N], Enum& value) {
  const auto found = parsed.values.find(option);
  if (found == parsed.values.end()) return {};
  for (const auto& entry : table) {
    if (found->second == entry.name) {
      value = entry.value;
      return {};
    }
  }
  return usage_error(std::string("unknown ") + what + " '" + found->second + "' (expected " +
                     expected + ")");
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

LabStatus read_settings(const ParsedCommandLine& parsed, LabSettings& settings) {
  return first_failure(
      {read_named(parsed, "--basis", "basis", "mq1, mq3 or gs", BASES, settings.basis),
       read_double(parsed, "--r", settings.r), read_double(parsed, "--c", settings.c),
       read_int(parsed, "--pd", MIN_POLYNOMIAL_DEGREE, MAX_POLYNOMIAL_DEGREE, settings.pd),
       read_double(parsed, "--h", settings.h), read_double(parsed, "--w", settings.w)});
}

LabStatus read_scheme(const ParsedCommandLine& parsed, LabScheme& scheme) {
  if (!given(parsed, "--scheme")) return usage_error("missing option '--scheme'");
  return read_named(parsed, "--scheme", "scheme", "rbf4, rbf6, nr4 or dd", SCHEMES, scheme);
}

bool is_rbf_scheme(LabScheme scheme) {
  return scheme == LabScheme::RBF4 || scheme == LabScheme::RBF6;
}

LabStatus check_params(const MaskOptions& options) {
  if (options.params.empty()) return {};
  if (!is_rbf_scheme(options.scheme)) return usage_error("--params applies to rbf4 and rbf6 only");
  const std::size_t s = static_cast<std::size_t>(stencil_size(options.scheme));
  if (options.params.size() != s) {
    return usage_error(std::string("--params needs ") + std::to_string(s) + " values for " +
                       scheme_name(options.scheme) + ", got " +
                       std::to_string(options.params.size()));
  }
  return {};
}

LabStatus read_sweep_option(const ParsedCommandLine& parsed, MaskOptions& options) {
  options.sweeping = given(parsed, "--sweep");
  if (!options.sweeping) return {};
  return parse_sweep(parsed.values.at("--sweep"), options.sweep);
}

LabStatus read_smoothness_source(const ParsedCommandLine& parsed, SmoothnessOptions& options) {
  options.from_scheme = given(parsed, "--scheme");
  const bool by_weights = given(parsed, "--weights");
  if (options.from_scheme == by_weights) return usage_error("give either --scheme or --weights");
  if (options.from_scheme) {
    return first_failure(
        {read_scheme(parsed, options.scheme), read_settings(parsed, options.settings)});
  }
  for (const char* setting : {"--basis", "--r", "--c", "--pd", "--h", "--w"}) {
    if (given(parsed, setting)) return usage_error(std::string(setting) + " needs --scheme");
  }
  LabStatus status = read_list(parsed, "--weights", options.weights);
  if (status.ok() && options.weights.size() % 2 != 0) {
    status = usage_error("--weights needs an even number of values (w1,...,w2L)");
  }
  return status;
}

std::string operand_or_stdin(const ParsedCommandLine& parsed) {
  return parsed.operands.empty() ? std::string() : parsed.operands.front();
}

}  // namespace

const char* scheme_name(LabScheme scheme) {
  return name_of(SCHEMES, scheme);
}
const char* curve_name(LabCurve kind) {
  return name_of(CURVES, kind);
}
const char* basis_name(LabBasis basis) {
  return name_of(BASES, basis);
}

int stencil_size(LabScheme scheme) {
  return scheme == LabScheme::RBF6 ? 6 : 4;
}

LabStatus read_common_options(const ParsedCommandLine& parsed, bool allow_svg,
                              CommonOptions& common) {
  const LabStatus status = read_named(parsed, "--format", "format",
                                      allow_svg ? "text, csv, json or svg" : "text, csv or json",
                                      FORMATS, common.format);
  if (!status.ok()) return status;
  if (common.format == OutputFormat::SVG && !allow_svg) {
    return usage_error("--format svg applies to refine and curve only");
  }
  const auto output = parsed.values.find("--output");
  if (output != parsed.values.end()) {
    if (output->second.empty()) return usage_error("--output needs a file name");
    common.output_path = output->second;
  }
  return {};
}

LabStatus read_mask_options(const ParsedCommandLine& parsed, MaskOptions& options) {
  return first_failure({read_scheme(parsed, options.scheme),
                        read_settings(parsed, options.settings),
                        read_increasing_list(parsed, "--params", options.params),
                        check_params(options), read_sweep_option(parsed, options)});
}

LabStatus read_refine_options(const ParsedCommandLine& parsed, RefineOptions& options) {
  RefineRequest& request = options.request;
  request.stationary = parsed.flags.count("--stationary") != 0;
  options.all_levels = parsed.flags.count("--all-levels") != 0;
  options.input = operand_or_stdin(parsed);
  return first_failure({read_scheme(parsed, request.scheme),
                        read_settings(parsed, request.settings),
                        read_int(parsed, "--levels", 1, MAX_LEVELS, request.levels),
                        read_increasing_list(parsed, "--knots", request.knots)});
}

LabStatus read_curve_options(const ParsedCommandLine& parsed, CurveOptions& options) {
  options.input = operand_or_stdin(parsed);
  if (!given(parsed, "--kind")) return usage_error("missing option '--kind'");
  return first_failure(
      {read_named(parsed, "--kind", "curve kind", "lagrange, bezier or rbf", CURVES, options.kind),
       read_settings(parsed, options.settings),
       read_int(parsed, "--samples", MIN_SAMPLES, MAX_SAMPLES, options.samples),
       read_increasing_list(parsed, "--knots", options.knots)});
}

LabStatus read_smoothness_options(const ParsedCommandLine& parsed, SmoothnessOptions& options) {
  options.depth = default_smoothness_depth();
  return first_failure({read_smoothness_source(parsed, options),
                        read_int(parsed, "--depth", 1, MAX_SMOOTHNESS_DEPTH, options.depth)});
}
