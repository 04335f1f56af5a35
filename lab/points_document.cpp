#include "lab/lab_documents.h"
#include "lab/number_text.h"
#include "lab/output_text.h"

namespace {

std::string points_text(const std::vector<LabPoint>& points) {
  std::string text;
  for (const LabPoint& p : points) text += short_number(p.x) + " " + short_number(p.y) + "\n";
  return text;
}

std::string points_json(const std::vector<LabPoint>& points) {
  std::string json = "[";
  for (std::size_t i = 0; i < points.size(); ++i) {
    json += (i == 0 ? "[" : ",[") + json_number(points[i].x) + "," + json_number(points[i].y) + "]";
  }
  return json + "]";
}

// The indices of the levels to print.
std::vector<std::size_t> shown_levels(const RefineOptions& options, const RefineResult& result) {
  std::vector<std::size_t> shown;
  const std::size_t first = options.all_levels ? 0 : result.levels.size() - 1;
  for (std::size_t level = first; level < result.levels.size(); ++level) shown.push_back(level);
  return shown;
}

NumberTable levels_table(const RefineResult& result, const std::vector<std::size_t>& shown) {
  NumberTable table{{"level", "index", "x", "y"}, {}};
  for (std::size_t level : shown) {
    const auto& points = result.levels[level];
    for (std::size_t i = 0; i < points.size(); ++i) {
      table.rows.push_back(
          {static_cast<double>(level), static_cast<double>(i), points[i].x, points[i].y});
    }
  }
  return table;
}

std::string refine_json(const RefineOptions& options, const RefineResult& result,
                        const std::vector<std::size_t>& shown) {
  const RefineRequest& request = options.request;
  std::string json =
      "{\"command\":\"refine\",\"scheme\":" + json_string(scheme_name(request.scheme)) +
      ",\"settings\":" + settings_json(request.settings) +
      ",\"stationary\":" + (request.stationary ? "true" : "false") +
      ",\"knots\":" + json_array(request.knots) + ",\"levels\":[";
  for (std::size_t k = 0; k < shown.size(); ++k) {
    json += std::string(k == 0 ? "" : ",") + "{\"level\":" + std::to_string(shown[k]) +
            ",\"points\":" + points_json(result.levels[shown[k]]) + "}";
  }
  return json + "]}\n";
}

std::string refine_text(const RefineOptions& options, const RefineResult& result,
                        const std::vector<std::size_t>& shown) {
  std::string text = std::string("# refine by ") + scheme_name(options.request.scheme) + ": " +
                     settings_text(options.request.settings) + "\n" + TEXT_PRECISION_NOTE + "\n";
  for (std::size_t level : shown) {
    text += "# level " + std::to_string(level) + ", " +
            std::to_string(result.levels[level].size()) + " points\n" +
            points_text(result.levels[level]);
  }
  return text;
}

NumberTable samples_table(const std::vector<LabPoint>& samples) {
  NumberTable table{{"index", "x", "y"}, {}};
  for (std::size_t i = 0; i < samples.size(); ++i) {
    table.rows.push_back({static_cast<double>(i), samples[i].x, samples[i].y});
  }
  return table;
}

}  // namespace

std::string refine_document(const RefineOptions& options, const RefineResult& result,
                            OutputFormat format) {
  const std::vector<std::size_t> shown = shown_levels(options, result);
  switch (format) {
    case OutputFormat::JSON: return refine_json(options, result, shown);
    case OutputFormat::CSV: return table_csv(levels_table(result, shown));
    case OutputFormat::TEXT:
    case OutputFormat::SVG: break;
  }
  return refine_text(options, result, shown);
}

std::string curve_document(const CurveOptions& options, const std::vector<LabPoint>& samples,
                           OutputFormat format) {
  switch (format) {
    case OutputFormat::JSON:
      return "{\"command\":\"curve\",\"kind\":" + json_string(curve_name(options.kind)) +
             ",\"settings\":" + settings_json(options.settings) +
             ",\"knots\":" + json_array(options.knots) + ",\"samples\":" + points_json(samples) +
             "}\n";
    case OutputFormat::CSV: return table_csv(samples_table(samples));
    case OutputFormat::TEXT:
    case OutputFormat::SVG: break;
  }
  return std::string("# ") + curve_name(options.kind) + " curve, " +
         std::to_string(samples.size()) + " samples: " + settings_text(options.settings) + "\n" +
         TEXT_PRECISION_NOTE + "\n" + points_text(samples);
}
