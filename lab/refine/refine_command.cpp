#include "lab/refine/refine_command.h"

#include "lab/common/help_text.h"
#include "lab/common/lab_names.h"
#include "lab/common/number_text.h"
#include "lab/common/option_reading.h"
#include "lab/common/point_reader.h"
#include "lab/common/svg_picture.h"
#include "lab/refine/curvature_comb.h"

namespace curvix {

namespace {

constexpr int MAX_THREADS = 1024;              // far past any machine's cores; guards against typos
constexpr std::size_t MIN_POLYGON_POINTS = 2;  // fewer make no closed polygon

const AcceptedOption REFINE_OPTIONS[] = {
    {"--scheme", true},     {"--levels", true},      {"--stationary", false},
    {"--knots", true},      {"--all-levels", false}, {"--threads", true},
    {"--curvature", false}, MASK_SOURCE_OPTIONS[0],  MASK_SOURCE_OPTIONS[1],
    MASK_SOURCE_OPTIONS[2], MASK_SOURCE_OPTIONS[3]};

// A mask refines uniformly and the same at every level: the knots and the
// stationary mode of the RBF schemes do not apply.
LabStatus read_refine_mask(const ParsedCommandLine& parsed, RefineOptions& options) {
  options.by_mask = true;
  if (given(parsed, "--knots") || parsed.flags.count("--stationary") != 0)
    return usage_error(std::string(given(parsed, "--knots") ? "--knots" : "--stationary") +
                       " does not apply to a scheme given by its mask");
  LabStatus status = read_mask_source(parsed, options.source);
  const ExactMask mask = source_mask(options.source);
  if (status.ok()) status = check_mask(mask);
  RefineRequest& request = options.request;
  request.by_mask = true;
  request.mask = {mask_doubles(mask.taps), mask.arity, mask.first};
  return first_failure({status, read_int(parsed, "--levels", 1, MAX_LEVELS, request.levels),
                        read_int(parsed, "--threads", 1, MAX_THREADS, request.threads)});
}

}  // namespace

LabStatus read_refine_options(const ParsedCommandLine& parsed, RefineOptions& options) {
  RefineRequest& request = options.request;
  request.first.stationary = parsed.flags.count("--stationary") != 0;
  options.all_levels = parsed.flags.count("--all-levels") != 0;
  options.curvature = parsed.flags.count("--curvature") != 0;
  options.input = operand_or_stdin(parsed);
  if (names_mask(parsed)) return read_refine_mask(parsed, options);
  return first_failure({refuse_mask_options(parsed), read_scheme(parsed, request.first),
                        read_settings(parsed, request.first),
                        read_int(parsed, "--levels", 1, MAX_LEVELS, request.levels),
                        read_increasing_list(parsed, "--knots", request.knots),
                        read_int(parsed, "--threads", 1, MAX_THREADS, request.threads)});
}

namespace {

// Usage errors for --levels whose last level passes MAX_REFINED_POINTS over
// `points` input points; a data error when even one level would.
LabStatus check_refine_size(const RefineOptions& options, std::size_t points) {
  const auto input = static_cast<long long>(points);
  const long long m = options.by_mask ? options.request.mask.arity : 2;
  if (input > MAX_REFINED_POINTS / m) {
    return data_error("the input's " + std::to_string(points) +
                      " points refined once would pass the " + std::to_string(MAX_REFINED_POINTS) +
                      " points allowed");
  }
  int deepest = 1;
  long long next = input * m * m;
  while (deepest < MAX_LEVELS && next <= MAX_REFINED_POINTS) {
    ++deepest;
    next *= m;
  }
  if (options.request.levels <= deepest) return {};
  return usage_error("--levels " + std::to_string(options.request.levels) + " would refine " +
                     std::to_string(points) + " points past the " +
                     std::to_string(MAX_REFINED_POINTS) + " points allowed (at most --levels " +
                     std::to_string(deepest) + ")");
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
  const Colour colour = options.by_mask
                            ? FOUR_POINT_LEVEL_COLOUR
                            : scheme_info(options.request.first.subdivision.scheme).level_colour;
  strips.push_back({levels[last], colour});
  if (options.curvature) {
    const std::vector<SvgStrip> comb =
        curvature_comb(levels[last], discrete_curvature(levels[last]), CURVE_LINE_COLOUR);
    strips.insert(strips.end(), comb.begin(), comb.end());
  }
  return svg_picture(strips, levels[0]);
}

}  // namespace

LabStatus refine_given_points(const RefineOptions& options, const std::vector<PlanarPoint>& points,
                              Refinement& refinement, std::vector<std::string>& warnings) {
  LabStatus status = check_input_points(points, MIN_POLYGON_POINTS, options.request.knots);
  if (status.ok()) status = check_refine_size(options, points.size());
  if (!status.ok()) return status;
  const LabRefusal refusal = refine_polygon(options.request, points, refinement);
  warnings = condition_warnings(refinement.result, options.request.first);
  if (refusal != LabRefusal::NONE)
    return data_error("singular stencil system at level " +
                      std::to_string(refinement.result.failed_level) + ", index " +
                      std::to_string(refinement.result.failed_stencil));
  return {};
}

namespace {

LabStatus run_refine(const ParsedCommandLine& parsed, OutputFormat format,
                     std::istream& standard_input, CommandOutput& output) {
  RefineOptions options;
  std::vector<PlanarPoint> points;
  LabStatus status = read_refine_options(parsed, options);
  if (status.ok()) status = load_points(options.input, standard_input, points);
  Refinement refinement;
  if (status.ok()) status = refine_given_points(options, points, refinement, output.warnings);
  if (!status.ok()) return status;
  output.document = format == OutputFormat::SVG ? refine_picture(options, refinement)
                                                : refine_document(options, refinement, format);
  return {};
}

std::string refine_help() {
  return "usage: curvix-lab refine (--scheme S | --mask a0,...,aK) [OPTIONS] [INPUT]\n"
         "\n"
         "Refines the closed polygon through the input points (at least 2) as the\n"
         "program's subdivision command does, or by a mask, m times the points a level.\n"
         "\n"
         "options:\n" +
         option_help("--scheme S", SCHEME_NAMES.choices() + " (or give --mask)") +
         mask_source_help() + settings_help() +
         option_help("--levels K",
                     "number of refinement levels (default 1; the last\n"
                     "level holds at most " +
                         std::to_string(MAX_REFINED_POINTS) + " points)") +
         option_help("--stationary", "r follows the halving spacing (default off)") +
         option_help(
             "--knots t1,...,tN",
             "parameter values of the N input points, strictly\nincreasing (default (i - 1) h)") +
         option_help("--all-levels",
                     "output every level, level 0 being the input\n(default the last level only)") +
         option_help("--threads N",
                     "threads a level's stencils are split over; the\n"
                     "result is the same for any N (default: one per core)") +
         option_help("--curvature",
                     "add each point's discrete curvature (turning angle\n"
                     "over the mean of its two edges, positive turning\n"
                     "left); svg draws the last level's curvature comb") +
         output_help("text|csv|json|svg") + "\n" + input_help() + "\n" + mask_convention_help() +
         "\n--stationary and --knots apply to the program's schemes only.\n"
         "\n"
         "example:\n"
         "  curvix-lab refine --scheme rbf4 --levels 2 --all-levels --format json square.txt\n"
         "  curvix-lab refine --scheme chaikin --levels 4 --curvature --format svg square.txt\n";
}

}  // namespace

const CommandSpec REFINE_COMMAND = {"refine",
                                    "refine a closed polygon by a subdivision scheme",
                                    REFINE_OPTIONS,
                                    std::size(REFINE_OPTIONS),
                                    1,
                                    true,
                                    run_refine,
                                    refine_help};

}  // namespace curvix
