#include "lab/refine/refine_command.h"

#include "lab/common/mask_facts.h"
#include "lab/common/number_text.h"
#include "lab/common/output_text.h"

namespace curvix {

namespace {

// The indices of the levels to print.
std::vector<std::size_t> shown_levels(const RefineOptions& options, const Refinement& refinement) {
  std::vector<std::size_t> shown;
  const std::size_t count = refinement.levels.size();
  for (std::size_t level = options.all_levels ? 0 : count - 1; level < count; ++level)
    shown.push_back(level);
  return shown;
}

// Each shown level's curvature, or nothing without options.curvature.
std::vector<std::vector<double>> shown_curvature(const RefineOptions& options,
                                                 const Refinement& refinement,
                                                 const std::vector<std::size_t>& shown) {
  std::vector<std::vector<double>> curvature;
  if (!options.curvature) return curvature;
  for (const std::size_t level : shown)
    curvature.push_back(discrete_curvature(refinement.levels[level]));
  return curvature;
}

NumberTable levels_table(const Refinement& refinement, const std::vector<std::size_t>& shown,
                         const std::vector<std::vector<double>>& curvature) {
  NumberTable table{{"level", "index", "x", "y"}, {}};
  if (!curvature.empty()) table.columns.push_back("curvature");
  for (std::size_t k = 0; k < shown.size(); ++k) {
    const auto& points = refinement.levels[shown[k]];
    for (std::size_t i = 0; i < points.size(); ++i) {
      table.rows.push_back(
          {static_cast<double>(shown[k]), static_cast<double>(i), points[i].x, points[i].y});
      if (!curvature.empty()) table.rows.back().push_back(curvature[k][i]);
    }
  }
  return table;
}

// "rbf4", or the mask's source: "bspline (degree 3)", "the given mask".
std::string refine_source(const RefineOptions& options) {
  if (options.by_mask) return mask_source_name(options.source);
  return scheme_info(options.request.first.subdivision.scheme).name;
}

void write_refine_source(JsonWriter& json, const RefineOptions& options) {
  const RefineRequest& request = options.request;
  json.key("scheme");
  if (options.by_mask && options.source.typed)
    json.null();
  else
    json.string(options.by_mask ? scheme_info(options.source.scheme).name
                                : scheme_info(request.first.subdivision.scheme).name);
  if (options.by_mask) {
    const ExactMask mask = source_mask(options.source);
    json.key("source").string(mask_source_name(options.source));
    json.key("arity").integer(mask.arity).key("alignment").string(alignment_word(mask));
    json.key("first_index").integer(mask.first).key("tap_values").numbers(request.mask.taps);
    return;
  }
  write_settings(json, request.first);
  json.key("stationary").boolean(request.first.stationary);
  json.key("knots").numbers(request.knots);
}

std::string refine_json(const RefineOptions& options, const Refinement& refinement,
                        const std::vector<std::size_t>& shown,
                        const std::vector<std::vector<double>>& curvature) {
  JsonWriter json;
  json.begin_object().key("command").string("refine");
  write_refine_source(json, options);
  json.key("levels").begin_array();
  for (std::size_t k = 0; k < shown.size(); ++k) {
    json.begin_object().key("level").integer(static_cast<long long>(shown[k])).key("points");
    write_points(json, refinement.levels[shown[k]]);
    if (!curvature.empty()) json.key("curvature").numbers(curvature[k]);
    json.end_object();
  }
  json.end_array().end_object();
  return json.text() + "\n";
}

// "x y curvature" lines.
std::string curvature_text(const std::vector<PlanarPoint>& points,
                           const std::vector<double>& curvature) {
  std::string text;
  for (std::size_t i = 0; i < points.size(); ++i)
    text += short_number(points[i].x) + " " + short_number(points[i].y) + " " +
            short_number(curvature[i]) + "\n";
  return text;
}

std::string refine_text(const RefineOptions& options, const Refinement& refinement,
                        const std::vector<std::size_t>& shown,
                        const std::vector<std::vector<double>>& curvature) {
  const LevelSettings& first = options.request.first;
  std::string text = "# refine by " + refine_source(options) +
                     (options.by_mask ? "" : ": " + settings_text(first)) + "\n" +
                     TEXT_PRECISION_NOTE + "\n";
  if (!curvature.empty())
    text += "# each line: x y curvature (turning angle over the mean of the two edges)\n";
  for (std::size_t k = 0; k < shown.size(); ++k) {
    const auto& points = refinement.levels[shown[k]];
    text += "# level " + std::to_string(shown[k]) + ", " + std::to_string(points.size()) +
            " points\n" +
            (curvature.empty() ? points_text(points) : curvature_text(points, curvature[k]));
  }
  return text;
}

}  // namespace

std::string refine_document(const RefineOptions& options, const Refinement& refinement,
                            OutputFormat format) {
  const std::vector<std::size_t> shown = shown_levels(options, refinement);
  const std::vector<std::vector<double>> curvature = shown_curvature(options, refinement, shown);
  switch (format) {
    case OutputFormat::JSON: return refine_json(options, refinement, shown, curvature);
    case OutputFormat::CSV: return table_csv(levels_table(refinement, shown, curvature));
    case OutputFormat::TEXT:
    case OutputFormat::SVG: break;
  }
  return refine_text(options, refinement, shown, curvature);
}

}  // namespace curvix
