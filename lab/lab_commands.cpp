#include "lab/lab_commands.h"

#include "lab/lab_documents.h"
#include "lab/lab_engine.h"
#include "lab/number_text.h"
#include "lab/point_reader.h"
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

// A warning for each level whose stencil systems have lost most of their digits.
std::vector<std::string> condition_warnings(const RefineLevelsResult& result) {
  std::vector<std::string> warnings;
  for (std::size_t level = 0; level < result.reports.size(); ++level) {
    const double worst = result.reports[level].worst_condition;
    if (worst > CONDITION_LIMIT)
      warnings.push_back("level " + std::to_string(level + 1) +
                         ": worst condition number of the stencil systems is " +
                         short_number(worst) +
                         " (above 1e12: digits are being lost; try --stationary)");
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
  output.warnings = condition_warnings(refinement.result);
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

LabStatus run_smoothness(const ParsedCommandLine& parsed, OutputFormat format,
                         CommandOutput& output) {
  SmoothnessOptions options;
  LabStatus status = read_smoothness_options(parsed, options);
  if (!status.ok()) return status;
  if (options.from_scheme) {
    const LabRefusal refusal = scheme_weights(options.settings, options.weights);
    if (refusal != LabRefusal::NONE) return stencil_refusal(refusal, options.settings);
  }
  SmoothnessReport report;
  if (analyse_rule(options.weights, options.depth, report) != LabRefusal::NONE)
    return data_error(
        "not a binary interpolatory rule: give an even number (2 or more) of finite weights");
  output.document = smoothness_document(options, report, format);
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
