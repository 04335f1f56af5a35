#include "lab/lab_documents.h"
#include "lab/number_text.h"
#include "lab/output_text.h"

namespace {

// RFC 4180: a field is quoted, with inner quotes doubled, when it holds a
// comma, a quote or a line break.
std::string csv_field(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += (c == '"') ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string class_text(int smoothness_class) {
  return smoothness_class < 0 ? std::string("not even C0") : "C" + std::to_string(smoothness_class);
}

std::string source_text(const SmoothnessOptions& options) {
  if (!options.from_scheme) return "the given weights";
  return std::string(scheme_name(options.scheme)) + " (" + settings_text(options.settings) + ")";
}

std::string smoothness_text(const SmoothnessOptions& options, const SmoothnessSummary& summary) {
  std::string text = "# smoothness of " + source_text(options) + ", depth " +
                     std::to_string(options.depth) + "\n" + TEXT_PRECISION_NOTE + "\nweights:";
  for (double w : summary.weights) text += " " + short_number(w);
  text += "\nsum rules: " + std::to_string(summary.sum_rules) +
          "\nreproduction degree: " + std::to_string(summary.reproduction_degree) +
          "\nHolder lower bound: " + short_number(summary.holder_lower) +
          "\nHolder upper bound: " + short_number(summary.holder_upper) +
          "\nsmoothness class: " + class_text(summary.smoothness_class) + "\n";
  for (const std::string& note : summary.notes) text += "note: " + note + "\n";
  return text;
}

std::string smoothness_csv(const SmoothnessSummary& summary) {
  std::string csv = "field,value\n";
  for (std::size_t i = 0; i < summary.weights.size(); ++i) {
    csv += "w" + std::to_string(i + 1) + "," + exact_number(summary.weights[i]) + "\n";
  }
  csv += "sum_rules," + std::to_string(summary.sum_rules) + "\nreproduction_degree," +
         std::to_string(summary.reproduction_degree) + "\nholder_lower," +
         exact_number(summary.holder_lower) + "\nholder_upper," +
         exact_number(summary.holder_upper) + "\nsmoothness_class," +
         std::to_string(summary.smoothness_class) + "\n";
  for (const std::string& note : summary.notes) csv += "note," + csv_field(note) + "\n";
  return csv;
}

std::string smoothness_json(const SmoothnessOptions& options, const SmoothnessSummary& summary) {
  std::string json =
      "{\"command\":\"smoothness\",\"scheme\":" +
      (options.from_scheme ? json_string(scheme_name(options.scheme)) : "null") +
      ",\"settings\":" + (options.from_scheme ? settings_json(options.settings) : "null") +
      ",\"depth\":" + std::to_string(options.depth) +
      ",\"weights\":" + json_array(summary.weights) +
      ",\"sum_rules\":" + std::to_string(summary.sum_rules) +
      ",\"reproduction_degree\":" + std::to_string(summary.reproduction_degree) +
      ",\"holder_lower\":" + json_number(summary.holder_lower) +
      ",\"holder_upper\":" + json_number(summary.holder_upper) +
      ",\"smoothness_class\":" + std::to_string(summary.smoothness_class) + ",\"notes\":[";
  for (std::size_t i = 0; i < summary.notes.size(); ++i) {
    json += (i == 0 ? "" : ",") + json_string(summary.notes[i]);
  }
  return json + "]}\n";
}

}  // namespace

std::string smoothness_document(const SmoothnessOptions& options, const SmoothnessSummary& summary,
                                OutputFormat format) {
  switch (format) {
    case OutputFormat::JSON: return smoothness_json(options, summary);
    case OutputFormat::CSV: return smoothness_csv(summary);
    case OutputFormat::TEXT:
    case OutputFormat::SVG: break;
  }
  return smoothness_text(options, summary);
}
