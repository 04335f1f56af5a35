#include "io/exact_number.h"
#include "lab/common/mask_facts.h"
#include "lab/common/number_text.h"
#include "lab/common/output_text.h"
#include "lab/limit/limit_command.h"
#include "lab/smoothness/smoothness_words.h"

namespace curvix {

namespace {

// x, phi, d1, ..., dk.
NumberTable limit_table(const LimitFunction& limit) {
  NumberTable table{{"x", "phi"}, {}};
  for (int d = 1; d <= limit.derivatives; ++d) table.columns.push_back("d" + std::to_string(d));
  const LimitSamples& s = limit.samples;
  for (std::size_t i = 0; i < s.values.size(); ++i) {
    std::vector<double> row{(s.first_index + static_cast<double>(i)) * s.step, s.values[i]};
    for (const std::vector<double>& derivative : limit.derivative) row.push_back(derivative[i]);
    table.rows.push_back(row);
  }
  return table;
}

std::string derivatives_text(const LimitFunction& limit) {
  if (limit.derivatives == 0) return "derivatives: none (the proved class is C0 or less)\n";
  return "derivatives: up to order " + std::to_string(limit.derivatives) +
         ", each by centred differences (f(x + h) - f(x - h)) / 2h of the one before, h = " +
         short_number(limit.samples.step) + "\n";
}

std::string limit_text(const LimitOptions& options, const LimitFunction& limit) {
  const CertifiedSmoothness& c = limit.analysis.smoothness;
  std::string text = "# basic limit function of " + options.name +
                     (options.source != nullptr ? std::string(", ") + options.source : "") + ": " +
                     std::to_string(options.levels) + " levels, x = i / " +
                     std::to_string(options.mask.arity) + "^" + std::to_string(options.levels) +
                     "\n" + TEXT_PRECISION_NOTE + "\n";
  text += mask_facts_text(options.mask, limit.analysis.moments);
  text += "regularity: " + regularity_text(c) +
          "\nsmoothness class: " + class_text(c.smoothness_class, c.excluded_class) + "\n" +
          derivatives_text(limit);
  return text + table_text(limit_table(limit));
}

std::string limit_json(const LimitOptions& options, const LimitFunction& limit) {
  const CertifiedSmoothness& c = limit.analysis.smoothness;
  JsonWriter json;
  json.begin_object().key("command").string("limit").key("scheme");
  if (options.named)
    json.string(options.scheme);
  else
    json.null();
  json.key("source").string(options.name).key("levels").integer(options.levels);
  json.key("depth").integer(options.depth);
  write_mask_facts(json, options.mask, limit.analysis.moments);
  json.key("regularity_lower").number(regularity_lower(c));
  json.key("regularity_upper").number(regularity_upper(c)).key("exact").boolean(c.exact);
  json.key("smoothness_class").integer(c.smoothness_class);
  json.key("excluded_class").integer(c.excluded_class);
  json.key("step").number(limit.samples.step).key("derivatives").integer(limit.derivatives);
  const NumberTable table = limit_table(limit);
  for (std::size_t column = 0; column < table.columns.size(); ++column) {
    std::vector<double> values;
    for (const std::vector<double>& row : table.rows) values.push_back(row[column]);
    json.key(table.columns[column]).numbers(values);
  }
  json.end_object();
  return json.text() + "\n";
}

}  // namespace

std::string limit_document(const LimitOptions& options, const LimitFunction& limit,
                           OutputFormat format) {
  switch (format) {
    case OutputFormat::JSON: return limit_json(options, limit);
    case OutputFormat::CSV: return table_csv(limit_table(limit));
    case OutputFormat::TEXT:
    case OutputFormat::SVG: break;
  }
  return limit_text(options, limit);
}

}  // namespace curvix
