#include "lab/common/option_reading.h"

#include <cstddef>
#include <string>

#include "lab/common/lab_names.h"
#include "lab/common/number_text.h"

namespace curvix {

namespace {

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

}  // namespace

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

LabStatus read_curve_kind(const ParsedCommandLine& parsed, CurveMode& kind) {
  if (!given(parsed, "--kind")) return usage_error("missing option '--kind'");
  return read_named(parsed, "--kind", "curve kind", CURVE_NAMES, kind);
}

std::string operand_or_stdin(const ParsedCommandLine& parsed) {
  return parsed.operands.empty() ? std::string() : parsed.operands.front();
}

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

}  // namespace curvix
