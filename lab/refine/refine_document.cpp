#include "lab/lab_documents.h"
#include "lab/number_text.h"
#include "lab/output_text.h"

namespace curvix {

namespace {

std::string points_text(const std::vector<PlanarPoint>& points) {
  std::string text;
  for (const PlanarPoint& p : points) text += short_number(p.x) + " " + short_number(p.y) + "\n";
  return text;
}

void write_points(JsonWriter& json, const std::vector<PlanarPoint>& points) {
  json.begin_array();
  for (const PlanarPoint& p : points) json.begin_array().number(p.x).number(p.y).end_array();
  json.end_array();
}

// The indices of the levels to print.
std::vector<std::size_t> shown_levels(const RefineOptions& options, const Refinement& refinement) {
  std::vector<std::size_t> shown;
  const std::size_t count = refinement.levels.size();
  for (std::size_t level = options.all_levels ? 0 : count - 1; level < count; ++level)
    shown.push_back(level);
  return shown;
}

NumberTable levels_table(const Refinement& refinement, const std::vector<std::size_t>& shown) {
  NumberTable table{{"level", "index", "x", "y"}, {}};
  for (std::size_t level : shown) {
    const auto& points = refinement.levels[level];
    for (std::size_t i = 0; i < points.size(); ++i) {
      table.rows.push_back(
          {static_cast<double>(level), static_cast<double>(i), points[i].x, points[i].y});
    }
  }
  return table;
}

std::string refine_json(const RefineOptions& options, const Refinement& refinement,
                        const std::vector<std::size_t>& shown) {
  const RefineRequest& request = options.request;
  JsonWriter json;
  json.begin_object().key("command").string("refine");
  json.key("scheme").string(scheme_info(request.first.subdivision.scheme).name);
  write_settings(json, request.first);
  json.key("stationary").boolean(request.first.stationary);
  json.key("knots").numbers(request.knots).key("levels").begin_array();
  for (const std::size_t level : shown) {
    json.begin_object().key("level").integer(static_cast<long long>(level)).key("points");
    write_points(json, refinement.levels[level]);
    json.end_object();
  }
  json.end_array().end_object();
  return json.text() + "\n";
}

std::string refine_text(const RefineOptions& options, const Refinement& refinement,
                        const std::vector<std::size_t>& shown) {
  const LevelSettings& first = options.request.first;
  std::string text = std::string("# refine by ") + scheme_info(first.subdivision.scheme).name +
                     ": " + settings_text(first) + "\n" + TEXT_PRECISION_NOTE + "\n";
  for (std::size_t level : shown) {
    text += "# level " + std::to_string(level) + ", " +
            std::to_string(refinement.levels[level].size()) + " points\n" +
            points_text(refinement.levels[level]);
  }
  return text;
}

NumberTable samples_table(const std::vector<PlanarPoint>& samples) {
  NumberTable table{{"index", "x", "y"}, {}};
  for (std::size_t i = 0; i < samples.size(); ++i) {
    table.rows.push_back({static_cast<double>(i), samples[i].x, samples[i].y});
  }
  return table;
}

std::string curve_json(const CurveOptions& options, const std::vector<PlanarPoint>& samples) {
  JsonWriter json;
  json.begin_object().key("command").string("curve");
  json.key("kind").string(curve_info(options.kind).name);
  write_settings(json, options.settings);
  json.key("knots").numbers(options.knots).key("samples");
  write_points(json, samples);
  json.end_object();
  return json.text() + "\n";
}

}  // namespace

std::string refine_document(const RefineOptions& options, const Refinement& refinement,
                            OutputFormat format) {
  const std::vector<std::size_t> shown = shown_levels(options, refinement);
  switch (format) {
    case OutputFormat::JSON: return refine_json(options, refinement, shown);
    case OutputFormat::CSV: return table_csv(levels_table(refinement, shown));
    case OutputFormat::TEXT:
    case OutputFormat::SVG: break;
  }
  return refine_text(options, refinement, shown);
}

std::string curve_document(const CurveOptions& options, const std::vector<PlanarPoint>& samples,
                           OutputFormat format) {
  switch (format) {
    case OutputFormat::JSON: return curve_json(options, samples);
    case OutputFormat::CSV: return table_csv(samples_table(samples));
    case OutputFormat::TEXT:
    case OutputFormat::SVG: break;
  }
  return std::string("# ") + curve_info(options.kind).name + " curve, " +
         std::to_string(samples.size()) + " samples: " + settings_text(options.settings) + "\n" +
         TEXT_PRECISION_NOTE + "\n" + points_text(samples);
}

}  // namespace curvix
