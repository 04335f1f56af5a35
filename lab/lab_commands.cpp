#include "lab/lab_commands.h"

#include "lab/lab_documents.h"
#include "lab/lab_engine.h"
#include "lab/number_text.h"
#include "lab/point_reader.h"
#include "lab/svg_picture.h"

namespace {

constexpr std::size_t MIN_POLYGON_POINTS = 2;  // fewer make no closed polygon
constexpr std::size_t MIN_CURVE_POINTS = 1;

LabStatus engine_status(const LabFailure& failure) {
  return failure.message.empty() ? LabStatus{} : data_error(failure.message);
}

// Points of INPUT, at least `minimum`, and knots that match them when given.
LabStatus input_points(const std::string& path, std::istream& standard_input, std::size_t minimum,
                       const std::vector<double>& knots, std::vector<LabPoint>& points) {
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
    LabSettings settings = options.settings;
    if (options.sweeping) apply_sweep_value(options.sweep.target, swept[i], settings);
    MaskRow row;
    const LabFailure failure = compute_mask(options.scheme, settings, options.params, row);
    if (!failure.message.empty()) {
      if (!options.sweeping) return data_error(failure.message);
      return data_error(options.sweep.name + " = " + short_number(swept[i]) + ": " +
                        failure.message);
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

Colour level_colour(LabScheme scheme) {
  const bool rbf = scheme == LabScheme::RBF4 || scheme == LabScheme::RBF6;
  return rbf ? RBF_LEVEL_COLOUR : FOUR_POINT_LEVEL_COLOUR;
}

// The input polygon in ink, earlier levels in the previous-level colour and
// the last level in the scheme's colour, as the window leaves them.
std::string refine_picture(const RefineOptions& options, const RefineResult& result) {
  const std::size_t last = result.levels.size() - 1;
  std::vector<SvgStrip> strips{{result.levels[0], INK_COLOUR}};
  for (std::size_t level = 1; options.all_levels && level < last; ++level) {
    strips.push_back({result.levels[level], PREVIOUS_LEVEL_COLOUR});
  }
  strips.push_back({result.levels[last], level_colour(options.request.scheme)});
  return svg_picture(strips, result.levels[0]);
}

LabStatus run_refine(const ParsedCommandLine& parsed, OutputFormat format,
                     std::istream& standard_input, CommandOutput& output) {
  RefineOptions options;
  std::vector<LabPoint> points;
  LabStatus status = read_refine_options(parsed, options);
  if (status.ok()) {
    status = input_points(options.input, standard_input, MIN_POLYGON_POINTS, options.request.knots,
                          points);
  }
  if (!status.ok()) return status;
  RefineResult result;
  status = engine_status(refine_polygon(options.request, points, result));
  output.warnings = result.warnings;
  if (status.ok() && result.levels.empty()) status = data_error("the engine returned no levels");
  if (!status.ok()) return status;
  output.document = format == OutputFormat::SVG ? refine_picture(options, result)
                                                : refine_document(options, result, format);
  return {};
}

LabStatus run_curve(const ParsedCommandLine& parsed, OutputFormat format,
                    std::istream& standard_input, CommandOutput& output) {
  CurveOptions options;
  std::vector<LabPoint> points;
  std::vector<LabPoint> samples;
  LabStatus status = read_curve_options(parsed, options);
  if (status.ok()) {
    status = input_points(options.input, standard_input, MIN_CURVE_POINTS, options.knots, points);
  }
  if (status.ok()) {
    status = engine_status(sample_curve(options.kind, options.settings, options.samples,
                                        options.knots, points, samples));
  }
  if (!status.ok()) return status;
  output.document = format == OutputFormat::SVG
                        ? svg_picture({{points, INK_COLOUR}, {samples, CURVE_LINE_COLOUR}}, points)
                        : curve_document(options, samples, format);
  return {};
}

LabStatus run_smoothness(const ParsedCommandLine& parsed, OutputFormat format,
                         CommandOutput& output) {
  SmoothnessOptions options;
  LabStatus status = read_smoothness_options(parsed, options);
  if (status.ok() && options.from_scheme) {
    status = engine_status(scheme_weights(options.scheme, options.settings, options.weights));
  }
  SmoothnessSummary summary;
  if (status.ok()) status = engine_status(analyse_rule(options.weights, options.depth, summary));
  if (status.ok()) output.document = smoothness_document(options, summary, format);
  return status;
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
