#include "lab/curve/curve_command.h"

#include "lab/common/help_text.h"
#include "lab/common/lab_names.h"
#include "lab/common/option_reading.h"
#include "lab/common/point_reader.h"
#include "lab/common/svg_picture.h"

namespace curvix {

namespace {

constexpr std::size_t MIN_CURVE_POINTS = 1;

const AcceptedOption CURVE_OPTIONS[] = {{"--kind", true}, {"--samples", true}, {"--knots", true}};

}  // namespace

LabStatus read_curve_options(const ParsedCommandLine& parsed, CurveOptions& options) {
  options.input = operand_or_stdin(parsed);
  return first_failure({read_curve_kind(parsed, options.kind),
                        read_settings(parsed, options.settings),
                        read_int(parsed, "--samples", MIN_SAMPLES, MAX_SAMPLES, options.samples),
                        read_increasing_list(parsed, "--knots", options.knots)});
}

namespace {

// Usage errors for --samples past MAX_CURVE_TERMS over `points` input points;
// a data error when even MIN_SAMPLES would pass it, or when an rbf curve's
// system order N + pd + 1 passes MAX_RBF_CURVE_ORDER.
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

LabStatus curve_refusal(LabRefusal refusal) {
  if (refusal == LabRefusal::SINGULAR_CURVE_SYSTEM)
    return data_error("the RBF interpolation system is singular at these settings");
  return data_error("the curve has samples that are not finite numbers");
}

}  // namespace

LabStatus curve_given_points(const CurveOptions& options, const std::vector<PlanarPoint>& points,
                             std::vector<PlanarPoint>& samples) {
  LabStatus status = check_input_points(points, MIN_CURVE_POINTS, options.knots);
  if (status.ok()) status = check_curve_size(options, points.size());
  if (!status.ok()) return status;
  const LabRefusal refusal =
      sample_curve(options.kind, options.settings, options.samples, options.knots, points, samples);
  return refusal == LabRefusal::NONE ? LabStatus{} : curve_refusal(refusal);
}

namespace {

LabStatus run_curve(const ParsedCommandLine& parsed, OutputFormat format,
                    std::istream& standard_input, CommandOutput& output) {
  CurveOptions options;
  std::vector<PlanarPoint> points;
  std::vector<PlanarPoint> samples;
  LabStatus status = read_curve_options(parsed, options);
  if (status.ok()) status = load_points(options.input, standard_input, points);
  if (status.ok()) status = curve_given_points(options, points, samples);
  if (!status.ok()) return status;
  output.document = format == OutputFormat::SVG
                        ? svg_picture({{points, INK_COLOUR}, {samples, CURVE_LINE_COLOUR}}, points)
                        : curve_document(options, samples, format);
  return {};
}

std::string curve_help() {
  return "usage: curvix-lab curve --kind " + CURVE_NAMES.alternatives() +
         " [OPTIONS] [INPUT]\n"
         "\n"
         "Samples the curve of the given kind over the input points (at least 1).\n"
         "\n"
         "options:\n" +
         option_help("--kind K", CURVE_NAMES.choices() + " (required)") + settings_help() +
         option_help("--samples M", "number of samples, " + std::to_string(MIN_SAMPLES) + " to " +
                                        std::to_string(MAX_SAMPLES) + " (default " +
                                        std::to_string(DEFAULT_SAMPLES) +
                                        "); M times\n"
                                        "the terms a sample sums (N^2 for lagrange, N for\n"
                                        "bezier, N + D + 1 for rbf) is at most " +
                                        std::to_string(MAX_CURVE_TERMS) +
                                        ", and\n"
                                        "an rbf curve's N + D + 1 at most " +
                                        std::to_string(MAX_RBF_CURVE_ORDER)) +
         option_help(
             "--knots t1,...,tN",
             "parameter values of the N input points, strictly\nincreasing (default (i - 1) h)") +
         output_help("text|csv|json|svg") + "\n" + input_help() +
         "\n"
         "example:\n"
         "  curvix-lab curve --kind rbf --basis mq3 --samples 200 --format svg points.txt\n";
}

}  // namespace

const CommandSpec CURVE_COMMAND = {"curve",
                                   "sample a Lagrange, Bezier or RBF curve over points",
                                   CURVE_OPTIONS,
                                   std::size(CURVE_OPTIONS),
                                   1,
                                   true,
                                   run_curve,
                                   curve_help};

}  // namespace curvix
