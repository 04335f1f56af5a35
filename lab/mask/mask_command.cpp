#include "lab/mask/mask_command.h"

#include "lab/common/help_text.h"
#include "lab/common/lab_names.h"
#include "lab/common/number_text.h"
#include "lab/common/option_reading.h"

namespace curvix {

namespace {

const AcceptedOption MASK_OPTIONS[] = {
    {"--scheme", true},     {"--params", true},     {"--sweep", true},     MASK_SOURCE_OPTIONS[0],
    MASK_SOURCE_OPTIONS[1], MASK_SOURCE_OPTIONS[2], MASK_SOURCE_OPTIONS[3]};

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

// A mask's facts need no stencil: --params and --sweep are the RBF and
// four-point schemes' own.
LabStatus read_mask_by_mask(const ParsedCommandLine& parsed, MaskOptions& options) {
  options.by_mask = true;
  for (const char* option : {"--params", "--sweep"})
    if (given(parsed, option))
      return usage_error(std::string(option) + " does not apply to a scheme given by its mask");
  const LabStatus status = read_mask_source(parsed, options.source);
  return status.ok() ? check_mask(source_mask(options.source)) : status;
}

LabStatus read_mask_options(const ParsedCommandLine& parsed, MaskOptions& options) {
  if (names_mask(parsed)) return read_mask_by_mask(parsed, options);
  return first_failure({refuse_mask_options(parsed), read_scheme(parsed, options.settings),
                        read_settings(parsed, options.settings),
                        read_increasing_list(parsed, "--params", options.params),
                        check_params(options), read_sweep_option(parsed, options)});
}

// One row per swept value, or one row at the settings.
LabStatus mask_rows(const MaskOptions& options, std::vector<double>& swept,
                    std::vector<MaskRow>& rows) {
  if (options.sweeping) swept = sweep_values(options.sweep);
  const std::size_t count = options.sweeping ? swept.size() : 1;
  for (std::size_t i = 0; i < count; ++i) {
    LevelSettings settings = options.settings;
    if (options.sweeping) apply_sweep_value(options.sweep.target, swept[i], settings);
    MaskRow row;
    const LabRefusal refusal = stencil_mask(settings, options.params, row);
    if (refusal != LabRefusal::NONE) {
      const LabStatus status = stencil_refusal(refusal, settings);
      if (!options.sweeping) return status;
      return data_error(options.sweep.name + " = " + short_number(swept[i]) + ": " +
                        status.message);
    }
    rows.push_back(row);
  }
  return {};
}

LabStatus run_mask(const ParsedCommandLine& parsed, OutputFormat format, std::istream&,
                   CommandOutput& output) {
  MaskOptions options;
  LabStatus status = read_mask_options(parsed, options);
  if (status.ok() && options.by_mask) {
    const ExactMask mask = source_mask(options.source);
    MaskMoments moments;
    if (describe_mask(mask, moments) != LabRefusal::NONE) return check_mask(mask);
    output.document = mask_facts_document(options, mask, moments, format);
    return {};
  }
  std::vector<double> swept;
  std::vector<MaskRow> rows;
  if (status.ok()) status = mask_rows(options, swept, rows);
  if (status.ok()) output.document = mask_document(options, swept, rows, format);
  return status;
}

// "4 for rbf4, 6 for rbf6"
std::string rbf_stencil_sizes() {
  std::string text;
  for (const SchemeInfo& scheme : SCHEMES)
    if (scheme.rbf)
      text +=
          (text.empty() ? "" : ", ") + std::to_string(scheme.stencil_size) + " for " + scheme.name;
  return text;
}

std::string mask_help() {
  return "usage: curvix-lab mask (--scheme S | --mask a0,...,aK) [OPTIONS]\n"
         "\n"
         "Prints the insertion weights of one stencil, their sum and the degree of\n"
         "the polynomials the rule reproduces; for a scheme given by its mask, the\n"
         "mask's exact taps, alignment, sum rules, degrees of generation and\n"
         "reproduction (with the parametrisation's shift tau) and support.\n"
         "\n"
         "options:\n" +
         option_help("--scheme S", SCHEME_NAMES.choices() + " (or give --mask)") +
         mask_source_help() + settings_help() +
         option_help("--params T1,...,Ts",
                     "parameter values of an RBF stencil, strictly increasing,\n" +
                         rbf_stencil_sizes() + " (default (m - 1) h)") +
         option_help("--sweep NAME=FROM:TO:STEP",
                     "one row per value of NAME (r, c or h) from FROM to TO\n"
                     "(default no sweep; at most " +
                         std::to_string(MAX_SWEEP_ROWS) + " rows)") +
         output_help("text|csv|json") + "\n" + mask_convention_help() +
         "\n"
         "example:\n"
         "  curvix-lab mask --scheme rbf4 --basis gs --sweep r=0.5:2:0.25 --format csv\n"
         "  curvix-lab mask --mask 1/4,3/4,3/4,1/4\n";
}

}  // namespace

const CommandSpec MASK_COMMAND = {"mask",
                                  "insertion weights of one subdivision stencil",
                                  MASK_OPTIONS,
                                  std::size(MASK_OPTIONS),
                                  0,
                                  false,
                                  run_mask,
                                  mask_help};

LabStatus stencil_refusal(LabRefusal refusal, const LevelSettings& settings) {
  if (refusal == LabRefusal::NO_STENCIL_SYSTEM) {
    const int pd = settings.subdivision.rbf.pd;
    const int s = scheme_info(settings.subdivision.scheme).stencil_size;
    return data_error("no stencil system for degree " + std::to_string(pd) + " over " +
                      std::to_string(s) + " points (the degree must be below the stencil size)");
  }
  return data_error("singular stencil system at these settings");
}

}  // namespace curvix
