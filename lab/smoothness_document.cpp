#include <cmath>
#include <cstdio>
#include <limits>

#include "io/exact_number.h"
#include "lab/lab_documents.h"
#include "lab/number_text.h"
#include "lab/output_text.h"

namespace curvix {

namespace {

constexpr int NUMBER_TEXT_SIZE = 32;  // a number of the notes' precisions fits

// "%.3g" for the size of a correction, "%.4f" for a bound.
std::string correction_text(double value) {
  char text[NUMBER_TEXT_SIZE];
  std::snprintf(text, sizeof text, "%.3g", value);
  return text;
}
std::string bound_text(double value) {
  char text[NUMBER_TEXT_SIZE];
  std::snprintf(text, sizeof text, "%.4f", value);
  return text;
}

// What the report's values mean, one note per fact.
std::vector<std::string> notes_of(const SmoothnessReport& report) {
  std::vector<std::string> notes;
  if (report.status == SmoothnessStatus::NOT_CONVERGENT) {
    notes.push_back(
        "the weights do not sum to 1 (even up to rounding): the scheme does not converge");
    return notes;
  }
  if (report.corrected)
    notes.push_back("weights moved by at most " + correction_text(report.correction) +
                    " to meet the " + std::to_string(report.sum_rules) +
                    " sum rules they meet only up to rounding");
  if (report.smoothness_class < 0)
    notes.push_back("the bounds do not prove convergence to continuous curves");
  if (report.excluded_class >= 0)
    notes.push_back("upper bound " + bound_text(report.holder_upper) + " excludes C" +
                    std::to_string(report.excluded_class));
  return notes;
}

// The bounds, not a number where the rule has no limit to bound.
double holder_lower(const SmoothnessReport& report) {
  return report.status == SmoothnessStatus::NOT_CONVERGENT
             ? std::numeric_limits<double>::quiet_NaN()
             : report.holder_lower;
}
double holder_upper(const SmoothnessReport& report) {
  return report.status == SmoothnessStatus::NOT_CONVERGENT
             ? std::numeric_limits<double>::quiet_NaN()
             : report.holder_upper;
}

std::string class_text(int smoothness_class) {
  return smoothness_class < 0 ? std::string("not even C0") : "C" + std::to_string(smoothness_class);
}

std::string source_text(const SmoothnessOptions& options) {
  if (!options.from_scheme) return "the given weights";
  return std::string(scheme_info(options.settings.subdivision.scheme).name) + " (" +
         settings_text(options.settings) + ")";
}

std::string smoothness_text(const SmoothnessOptions& options, const SmoothnessReport& report) {
  std::string text = "# smoothness of " + source_text(options) + ", depth " +
                     std::to_string(options.depth) + "\n" + TEXT_PRECISION_NOTE + "\nweights:";
  for (double w : options.weights) text += " " + short_number(w);
  text += "\nsum rules: " + std::to_string(report.sum_rules) +
          "\nreproduction degree: " + std::to_string(report.reproduction_degree) +
          "\nHolder lower bound: " + short_number(holder_lower(report)) +
          "\nHolder upper bound: " + short_number(holder_upper(report)) +
          "\nsmoothness class: " + class_text(report.smoothness_class) + "\n";
  for (const std::string& line : notes_of(report)) text += "note: " + line + "\n";
  return text;
}

std::string smoothness_csv(const SmoothnessOptions& options, const SmoothnessReport& report) {
  std::string csv = "field,value\n";
  for (std::size_t i = 0; i < options.weights.size(); ++i) {
    csv += "w" + std::to_string(i + 1) + "," + exact_number(options.weights[i]) + "\n";
  }
  csv += "sum_rules," + std::to_string(report.sum_rules) + "\nreproduction_degree," +
         std::to_string(report.reproduction_degree) + "\nholder_lower," +
         exact_number(holder_lower(report)) + "\nholder_upper," +
         exact_number(holder_upper(report)) + "\nsmoothness_class," +
         std::to_string(report.smoothness_class) + "\n";
  for (const std::string& line : notes_of(report)) csv += "note," + csv_field(line) + "\n";
  return csv;
}

std::string smoothness_json(const SmoothnessOptions& options, const SmoothnessReport& report) {
  JsonWriter json;
  json.begin_object().key("command").string("smoothness").key("scheme");
  if (options.from_scheme)
    json.string(scheme_info(options.settings.subdivision.scheme).name);
  else
    json.null();
  if (options.from_scheme)
    write_settings(json, options.settings);
  else
    json.key("settings").null();
  json.key("depth").integer(options.depth).key("weights").numbers(options.weights);
  json.key("sum_rules").integer(report.sum_rules);
  json.key("reproduction_degree").integer(report.reproduction_degree);
  json.key("holder_lower").number(holder_lower(report));
  json.key("holder_upper").number(holder_upper(report));
  json.key("smoothness_class").integer(report.smoothness_class).key("notes").begin_array();
  for (const std::string& line : notes_of(report)) json.string(line);
  json.end_array().end_object();
  return json.text() + "\n";
}

}  // namespace

std::string smoothness_document(const SmoothnessOptions& options, const SmoothnessReport& report,
                                OutputFormat format) {
  switch (format) {
    case OutputFormat::JSON: return smoothness_json(options, report);
    case OutputFormat::CSV: return smoothness_csv(options, report);
    case OutputFormat::TEXT:
    case OutputFormat::SVG: break;
  }
  return smoothness_text(options, report);
}

}  // namespace curvix
