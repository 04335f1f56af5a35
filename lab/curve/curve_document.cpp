#include "lab/curve/curve_command.h"

#include "lab/common/number_text.h"
#include "lab/common/output_text.h"

namespace curvix {

namespace {

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
