#include "lab/lab_commands.h"

#include "lab/lab_documents.h"
#include "lab/lab_engine.h"
#include "lab/number_text.h"
#include "lab/output_text.h"
#include "lab/point_reader.h"
#include "lab/regularity_plot.h"
#include "lab/smoothness_words.h"
#include "lab/svg_picture.h"

namespace curvix {

namespace {

constexpr std::size_t MIN_POLYGON_POINTS = 2;  // fewer make no closed polygon
constexpr std::size_t MIN_CURVE_POINTS = 1;

// The engine's refusals of one stencil's system, in words.
LabStatus stencil_refusal(LabRefusal refusal, const LevelSettings& settings) {
  if (refusal == LabRefusal::NO_STENCIL_SYSTEM) {
    const int pd = settings.subdivision.rbf.pd;
    const int s = scheme_info(settings.subdivision.scheme).stencil_size;
    return data_error("no stencil system for degree " + std::to_string(pd) + " over " +
                      std::to_string(s) + " points (the degree must be below the stencil size)");
  }
  return data_error("singular stencil system at these settings");
}

// Points of INPUT, at least `minimum`, and knots that match them when given.
LabStatus input_points(const std::string& path, std::istream& standard_input, std::size_t minimum,
                       const std::vector<double>& knots, std::vector<PlanarPoint>& points) {
  const LabStatus status = load_points(path, standard_input, points);
  if (!status.ok()) return status;
  if (points.size() < minimum) {
    return data_error("need at least " + std::to_string(minimum) + " input point" +
                      (minimum == 1 ? "" : "s") + ", got " + std::to_string(points.size()));
  }
  if (!knots.empty() && knots.size() != points.size()) {
    return data_error("--knots gives " + std::to_string(knots.size()) + " values for " +
                      std::to_string(points.size()) + " input points");
  }
  return {};
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
    const LabRefusal refusal = compute_mask(settings, options.params, row);
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

LabStatus run_mask(const ParsedCommandLine& parsed, OutputFormat format, CommandOutput& output) {
  MaskOptions options;
  LabStatus status = read_mask_options(parsed, options);
  std::vector<double> swept;
  std::vector<MaskRow> rows;
  if (status.ok()) status = mask_rows(options, swept, rows);
  if (status.ok()) output.document = mask_document(options, swept, rows, format);
  return status;
}

// "mq1 or mq3": the bases other than the gaussian.
std::string multiquadric_names() {
  std::string names;
  for (const BasisInfo& basis : BASES)
    if (basis.kind != BASIS_GS) names += std::string(names.empty() ? "" : " or ") + basis.name;
  return names;
}

// What delays the flat limit, as measured with refine on docs/examples/star.txt
// over 10 levels of RBF4: a multiquadric's stationary systems keep their
// condition (no level past the limit), its fixed-r ones pass it from level 7
// (mq3). The gaussian's exp(-r x^2) sees r h^2, which a level divides by 4
// with r fixed (past the limit from level 8 at r = 1, from level 9 at r = 4)
// and by 8 in stationary mode (from level 6 at r = 1, level 7 at r = 8):
// stationary mode brings the gaussian's limit nearer and is no advice there.
std::string condition_advice(const LevelSettings& first) {
  const std::string levels = "fewer levels";
  if (first.subdivision.rbf.basis != BASIS_GS) {
    return first.stationary ? levels : "try --stationary";
  }
  const std::string multiquadric =
      "a multiquadric basis (" + multiquadric_names() + ") with --stationary";
  if (first.stationary)
    return levels +
           ", an r 8 times larger per level gained, stationary mode off (which "
           "delays the gaussian's flat limit by 2 levels), or " +
           multiquadric;
  return levels + ", an r 4 times larger per level gained, or " + multiquadric;
}

// A warning for each level whose stencil systems have lost most of their
// digits, with what helps at the settings.
std::vector<std::string> condition_warnings(const RefineLevelsResult& result,
                                            const LevelSettings& first) {
  std::vector<std::string> warnings;
  for (std::size_t level = 0; level < result.reports.size(); ++level) {
    const double worst = result.reports[level].worst_condition;
    if (worst > CONDITION_LIMIT)
      warnings.push_back("level " + std::to_string(level + 1) +
                         ": worst condition number of the stencil systems is " +
                         short_number(worst) + " (above 1e12: digits are being lost; " +
                         condition_advice(first) + ")");
  }
  return warnings;
}

// The input polygon in ink, earlier levels in the previous-level colour and
// the last level in the scheme's colour, as the window leaves them.
std::string refine_picture(const RefineOptions& options, const Refinement& refinement) {
  const auto& levels = refinement.levels;
  const std::size_t last = levels.size() - 1;
  std::vector<SvgStrip> strips{{levels[0], INK_COLOUR}};
  for (std::size_t level = 1; options.all_levels && level < last; ++level) {
    strips.push_back({levels[level], PREVIOUS_LEVEL_COLOUR});
  }
  strips.push_back(
      {levels[last], scheme_info(options.request.first.subdivision.scheme).level_colour});
  return svg_picture(strips, levels[0]);
}

LabStatus run_refine(const ParsedCommandLine& parsed, OutputFormat format,
                     std::istream& standard_input, CommandOutput& output) {
  RefineOptions options;
  std::vector<PlanarPoint> points;
  LabStatus status = read_refine_options(parsed, options);
  if (status.ok()) {
    status = input_points(options.input, standard_input, MIN_POLYGON_POINTS, options.request.knots,
                          points);
  }
  if (status.ok()) status = check_refine_size(options, points.size());
  if (!status.ok()) return status;
  Refinement refinement;
  const LabRefusal refusal = refine_polygon(options.request, points, refinement);
  output.warnings = condition_warnings(refinement.result, options.request.first);
  if (refusal != LabRefusal::NONE)
    return data_error("singular stencil system at level " +
                      std::to_string(refinement.result.failed_level) + ", index " +
                      std::to_string(refinement.result.failed_stencil));
  output.document = format == OutputFormat::SVG ? refine_picture(options, refinement)
                                                : refine_document(options, refinement, format);
  return {};
}

LabStatus curve_refusal(LabRefusal refusal) {
  if (refusal == LabRefusal::SINGULAR_CURVE_SYSTEM)
    return data_error("the RBF interpolation system is singular at these settings");
  return data_error("the curve has samples that are not finite numbers");
}

LabStatus run_curve(const ParsedCommandLine& parsed, OutputFormat format,
                    std::istream& standard_input, CommandOutput& output) {
  CurveOptions options;
  std::vector<PlanarPoint> points;
  std::vector<PlanarPoint> samples;
  LabStatus status = read_curve_options(parsed, options);
  if (status.ok()) {
    status = input_points(options.input, standard_input, MIN_CURVE_POINTS, options.knots, points);
  }
  if (status.ok()) status = check_curve_size(options, points.size());
  if (!status.ok()) return status;
  const LabRefusal refusal =
      sample_curve(options.kind, options.settings, options.samples, options.knots, points, samples);
  if (refusal != LabRefusal::NONE) return curve_refusal(refusal);
  output.document = format == OutputFormat::SVG
                        ? svg_picture({{points, INK_COLOUR}, {samples, CURVE_LINE_COLOUR}}, points)
                        : curve_document(options, samples, format);
  return {};
}

// "RBF4 (mq1, c 1, pd 1, h 1, stationary)": the scheme and the settings its
// rule depends on, the swept one left out.
std::string plot_title(const SmoothnessOptions& options) {
  const LevelSettings& s = options.settings;
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
                            SmoothnessResult& result) {
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
    if (options.sweeping) apply_sweep_value(options.sweep.target, swept[i], settings);
    const LabStatus status = smoothness_result(options, settings, results[i]);
    if (!status.ok() && options.sweeping)
      return data_error(options.sweep.name + " = " + short_number(swept[i]) + ": " +
                        status.message);
    if (!status.ok()) return status;
  }
  return {};
}

LabStatus run_smoothness(const ParsedCommandLine& parsed, OutputFormat format,
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

}  // namespace

LabStatus run_command(const ParsedCommandLine& parsed, OutputFormat format,
                      std::istream& standard_input, CommandOutput& output) {
  switch (parsed.command) {
    case LabCommand::MASK: return run_mask(parsed, format, output);
    case LabCommand::REFINE: return run_refine(parsed, format, standard_input, output);
    case LabCommand::CURVE: return run_curve(parsed, format, standard_input, output);
    case LabCommand::SMOOTHNESS: return run_smoothness(parsed, format, output);
    case LabCommand::NONE: break;
  }
  return usage_error("no command");
}

}  // namespace curvix
