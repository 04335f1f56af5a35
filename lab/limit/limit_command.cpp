#include "lab/limit/limit_command.h"

#include <cmath>

#include "lab/common/help_text.h"
#include "lab/common/lab_names.h"
#include "lab/common/number_text.h"
#include "lab/common/option_reading.h"
#include "lab/common/output_text.h"
#include "lab/mask/mask_command.h"
#include "lab/smoothness/smoothness_command.h"
#include "smoothness/named_masks.h"

namespace curvix {

namespace {

constexpr int MAX_LIMIT_DEPTH = 40;

const AcceptedOption LIMIT_OPTIONS[] = {
    {"--scheme", true},     {"--levels", true},     {"--depth", true},     MASK_SOURCE_OPTIONS[0],
    MASK_SOURCE_OPTIONS[1], MASK_SOURCE_OPTIONS[2], MASK_SOURCE_OPTIONS[3]};

// The smallest K with m^K >= LIMIT_TARGET_RESOLUTION: 8 levels for a binary
// mask, 5 ternary, 4 quaternary.
int default_limit_levels(int arity) {
  int levels = 0;
  for (long long samples = 1; samples < LIMIT_TARGET_RESOLUTION; samples *= arity) ++levels;
  return levels;
}

// A named or typed mask, read exactly.
LabStatus read_limit_mask(const ParsedCommandLine& parsed, LimitOptions& options) {
  MaskSource source;
  LabStatus status = read_mask_source(parsed, source);
  if (!status.ok()) return status;
  options.mask = source_mask(source);
  options.name = mask_source_name(source);
  options.named = !source.typed;
  if (options.named) {
    options.scheme = scheme_info(source.scheme).name;
    options.source = scheme_info(source.scheme).source;
  }
  return check_mask(options.mask);
}

// One of the program's schemes: its rule's weights at the settings, each
// double taken exactly.
LabStatus read_limit_scheme(const ParsedCommandLine& parsed, LimitOptions& options) {
  LevelSettings settings;
  LabStatus status = first_failure({refuse_mask_options(parsed), read_scheme(parsed, settings),
                                    read_settings(parsed, settings)});
  if (!status.ok()) return status;
  std::vector<double> weights;
  const LabRefusal refusal = scheme_weights(settings, weights);
  if (refusal != LabRefusal::NONE) return stencil_refusal(refusal, settings);
  const SchemeInfo& scheme = scheme_info(settings.subdivision.scheme);
  options.mask = interpolatory_exact_mask(weights);
  options.named = true;
  options.scheme = scheme.name;
  options.name = scheme.name;
  if (scheme.rbf) options.name += " (" + settings_text(settings) + ")";
  if (scheme.kind == SCHEME_NR4)
    options.name += " (w " + short_number(settings.subdivision.tension) + ")";
  options.source = scheme.source;
  return check_mask(options.mask);
}

LabStatus check_limit_work(const LimitOptions& options, bool depth_given) {
  const SubdivisionMask doubles{mask_doubles(options.mask.taps), options.mask.arity,
                                options.mask.first};
  if (limit_sample_count(doubles, options.levels) > MAX_LIMIT_SAMPLES) {
    int most = 0;
    while (limit_sample_count(doubles, most + 1) <= MAX_LIMIT_SAMPLES) ++most;
    return usage_error("--levels " + std::to_string(options.levels) + " gives more than the " +
                       short_number(MAX_LIMIT_SAMPLES) + " samples allowed (at most --levels " +
                       std::to_string(most) + ")");
  }
  if (mask_analysis_cost(options.mask, options.depth) <= MAX_SMOOTHNESS_WORK) return {};
  int deepest = 0;
  while (mask_analysis_cost(options.mask, deepest + 1) <= MAX_SMOOTHNESS_WORK) ++deepest;
  return usage_error("--depth " + std::to_string(options.depth) +
                     (depth_given ? "" : " (the default)") + " is too deep for a mask of " +
                     std::to_string(options.mask.taps.size()) + " taps (at most " +
                     std::to_string(deepest) + ")");
}

LabStatus read_limit_options(const ParsedCommandLine& parsed, LimitOptions& options) {
  LabStatus status =
      names_mask(parsed) ? read_limit_mask(parsed, options) : read_limit_scheme(parsed, options);
  if (!status.ok()) return status;
  options.levels = default_limit_levels(options.mask.arity);
  options.depth = default_mask_depth(options.mask.arity);
  status = first_failure({read_int(parsed, "--levels", 0, MAX_LEVELS, options.levels),
                          read_int(parsed, "--depth", 1, MAX_LIMIT_DEPTH, options.depth)});
  return status.ok() ? check_limit_work(options, given(parsed, "--depth")) : status;
}

LabStatus run_limit(const ParsedCommandLine& parsed, OutputFormat format, std::istream&,
                    CommandOutput& output) {
  LimitOptions options;
  const LabStatus status = read_limit_options(parsed, options);
  if (!status.ok()) return status;
  LimitFunction limit;
  if (limit_function(options.mask, options.levels, options.depth, limit) != LabRefusal::NONE)
    return check_mask(options.mask);
  output.document = format == OutputFormat::SVG ? limit_plot(options, limit)
                                                : limit_document(options, limit, format);
  return {};
}

std::string limit_help() {
  return "usage: curvix-lab limit (--scheme S [SETTINGS] | --mask a0,...,aK) [OPTIONS]\n"
         "\n"
         "The basic limit function of a scheme: what its mask makes of a single point\n"
         "moved by 1, sampled by applying the mask K times to that delta (value i\n"
         "lies at x = i / m^K), with its support, and its derivatives up to the order\n"
         "the proved smoothness class allows (at most " +
         std::to_string(MAX_LIMIT_DERIVATIVES) +
         "), each by centred divided\n"
         "differences (f(x + h) - f(x - h)) / 2h of the one before, h = m^-K. The\n"
         "program's own schemes are taken at the settings, by their rule's weights.\n"
         "\n"
         "options:\n" +
         option_help("--scheme S", SCHEME_NAMES.choices() + " (or give --mask)") +
         mask_source_help() + "settings, for " + scheme_info(SCHEME_RBF4).name + ", " +
         scheme_info(SCHEME_RBF6).name + ", " + scheme_info(SCHEME_NR4).name + " and " +
         scheme_info(SCHEME_DD).name + ":\n" + settings_help() +
         option_help("--levels K", "cascade levels (default the least with m^K >= " +
                                       std::to_string(LIMIT_TARGET_RESOLUTION) + ";\nat most " +
                                       short_number(MAX_LIMIT_SAMPLES) + " samples)") +
         option_help("--depth L", "steps of the smoothness analysis's first step\n(default " +
                                      std::to_string(default_mask_depth(2)) + " for arity 2, " +
                                      std::to_string(default_mask_depth(3)) + " for 3, " +
                                      std::to_string(default_mask_depth(4)) + " for 4)") +
         output_help("text|csv|json|svg") + "\n" + mask_convention_help() +
         "\n"
         "csv has the columns x, phi and d1, d2, ... (the derivatives); svg plots\n"
         "them together, each scaled to its largest modulus.\n"
         "\n"
         "example:\n"
         "  curvix-lab limit --scheme dd --format csv\n"
         "  curvix-lab limit --scheme chaikin --format svg --output chaikin.svg\n";
}

}  // namespace

const CommandSpec LIMIT_COMMAND = {"limit",
                                   "the basic limit function of a scheme and its derivatives",
                                   LIMIT_OPTIONS,
                                   std::size(LIMIT_OPTIONS),
                                   0,
                                   true,
                                   run_limit,
                                   limit_help};

}  // namespace curvix
