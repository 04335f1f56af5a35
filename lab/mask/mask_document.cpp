#include <limits>

#include "lab/common/mask_facts.h"
#include "lab/common/output_text.h"
#include "lab/mask/mask_command.h"

namespace curvix {

namespace {

std::vector<std::string> numbered(const char* prefix, std::size_t count) {
  std::vector<std::string> names;
  for (std::size_t i = 1; i <= count; ++i) names.push_back(prefix + std::to_string(i));
  return names;
}

// Whether any row is a symmetric four-point rule: the table then has a
// tension column, NaN in the rows that are not.
bool any_tension(const std::vector<MaskRow>& rows) {
  for (const MaskRow& row : rows)
    if (row.four_point) return true;
  return false;
}

// Columns follow the first row: every row of one run has the same stencil size.
NumberTable mask_table(const MaskOptions& options, const std::vector<double>& swept,
                       const std::vector<MaskRow>& rows) {
  NumberTable table;
  if (options.sweeping) table.columns.push_back(options.sweep.name);
  for (const auto& name : numbered("t", rows.front().params.size())) table.columns.push_back(name);
  for (const auto& name : numbered("w", rows.front().weights.size())) table.columns.push_back(name);
  table.columns.insert(table.columns.end(), {"sum", "degree"});
  const bool tension = any_tension(rows);
  if (tension) table.columns.push_back("tension");
  for (std::size_t i = 0; i < rows.size(); ++i) {
    std::vector<double> values;
    if (options.sweeping) values.push_back(swept[i]);
    values.insert(values.end(), rows[i].params.begin(), rows[i].params.end());
    values.insert(values.end(), rows[i].weights.begin(), rows[i].weights.end());
    values.push_back(rows[i].sum);
    values.push_back(rows[i].reproduction_degree);
    if (tension)
      values.push_back(rows[i].four_point ? rows[i].tension
                                          : std::numeric_limits<double>::quiet_NaN());
    table.rows.push_back(values);
  }
  return table;
}

void write_mask_row(JsonWriter& json, const MaskOptions& options, double swept,
                    const MaskRow& row) {
  json.begin_object();
  if (options.sweeping) json.key(options.sweep.name).number(swept);
  json.key("params").numbers(row.params).key("weights").numbers(row.weights);
  json.key("sum").number(row.sum).key("reproduction_degree").integer(row.reproduction_degree);
  if (row.four_point) json.key("tension").number(row.tension);
  json.end_object();
}

std::string mask_json(const MaskOptions& options, const std::vector<double>& swept,
                      const std::vector<MaskRow>& rows) {
  JsonWriter json;
  json.begin_object().key("command").string("mask");
  json.key("scheme").string(scheme_info(options.settings.subdivision.scheme).name);
  write_settings(json, options.settings);
  json.key("sweep");
  if (options.sweeping)
    json.string(options.sweep.name);
  else
    json.null();
  json.key("rows").begin_array();
  for (std::size_t i = 0; i < rows.size(); ++i)
    write_mask_row(json, options, options.sweeping ? swept[i] : 0.0, rows[i]);
  json.end_array().end_object();
  return json.text() + "\n";
}

}  // namespace

std::string mask_document(const MaskOptions& options, const std::vector<double>& swept,
                          const std::vector<MaskRow>& rows, OutputFormat format) {
  switch (format) {
    case OutputFormat::JSON: return mask_json(options, swept, rows);
    case OutputFormat::CSV: return table_csv(mask_table(options, swept, rows));
    case OutputFormat::TEXT:
    case OutputFormat::SVG: break;
  }
  return std::string("# mask of ") + scheme_info(options.settings.subdivision.scheme).name + ": " +
         settings_text(options.settings) + "\n" + TEXT_PRECISION_NOTE + "\n" +
         table_text(mask_table(options, swept, rows));
}

std::string mask_facts_document(const MaskOptions& options, const ExactMask& mask,
                                const MaskMoments& moments, OutputFormat format) {
  const std::string name = mask_source_name(options.source);
  if (format == OutputFormat::JSON) {
    JsonWriter json;
    json.begin_object().key("command").string("mask").key("scheme");
    if (options.source.typed)
      json.null();
    else
      json.string(scheme_info(options.source.scheme).name);
    json.key("source").string(name);
    write_mask_facts(json, mask, moments);
    json.end_object();
    return json.text() + "\n";
  }
  if (format == OutputFormat::CSV) return "field,value\n" + mask_facts_csv(mask, moments, "");
  const std::string cited =
      options.source.typed ? ""
                           : std::string(" (") + scheme_info(options.source.scheme).source + ")";
  return "# mask of " + name + cited + "\n" + mask_facts_text(mask, moments);
}

}  // namespace curvix
