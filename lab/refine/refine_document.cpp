#include "lab/refine/refine_command.h"

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

}  // namespace curvix
