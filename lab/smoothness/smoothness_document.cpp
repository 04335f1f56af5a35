#include "io/exact_number.h"
#include "lab/common/mask_source.h"
#include "lab/common/number_text.h"
#include "lab/common/output_text.h"
#include "lab/smoothness/smoothness_command.h"
#include "lab/smoothness/smoothness_sections.h"
#include "lab/smoothness/smoothness_words.h"

// Index
// - One rule
// - A sweep
// - The document

namespace curvix {

namespace {

// ------------------------------------------------------------------ One rule

std::string source_text(const SmoothnessOptions& options) {
  if (options.by_mask) {
    if (options.source.typed) return "the given mask";
    const std::string cited = std::string(", ") + scheme_info(options.source.scheme).source;
    return (options.sweeping && options.sweep.target == SweepTarget::MU
                ? std::string(scheme_info(options.source.scheme).name)
                : mask_source_name(options.source)) +
           cited;
  }
  if (!options.from_scheme) return "the given weights";
  return std::string(scheme_info(options.settings.subdivision.scheme).name) + " (" +
         settings_text(options.settings) + ")";
}

std::string rule_document_text(const SmoothnessOptions& options, const RuleAnalysis& rule) {
  std::string text = "# smoothness of " + source_text(options) + ", depth " +
                     std::to_string(options.depth) + "\n" + TEXT_PRECISION_NOTE + "\n" +
                     rule_text(rule, options.depth);
  for (const std::string& line : rule_notes(rule)) text += "note: " + line + "\n";
  return text;
}

void write_source(JsonWriter& json, const SmoothnessOptions& options) {
  json.key("command").string("smoothness").key("scheme");
  if (options.by_mask) {
    if (options.source.typed)
      json.null();
    else
      json.string(scheme_info(options.source.scheme).name);
    json.key("source").string(mask_source_name(options.source));
    json.key("depth").integer(options.depth);
    return;
  }
  if (options.from_scheme)
    json.string(scheme_info(options.settings.subdivision.scheme).name);
  else
    json.null();
  if (options.from_scheme)
    write_settings(json, options.settings);
  else
    json.key("settings").null();
  if (options.over_levels) json.key("stationary_mode").boolean(options.settings.stationary);
  json.key("depth").integer(options.depth);
}

void write_analysis_members(JsonWriter& json, const SmoothnessOptions& options,
                            const SmoothnessResult& result) {
  if (options.over_levels)
    write_levels_members(json, options, result.levels);
  else
    write_rule_members(json, result.rule);
}

// ------------------------------------------------------------------ A sweep

// The analysis whose regularity and class a sweep row shows: the rule, or the
// scheme's one mask or limit rule.
const CertifiedSmoothness& shown_smoothness(const SmoothnessOptions& options,
                                            const SmoothnessResult& result) {
  return options.over_levels ? result.levels.scheme.smoothness : result.rule.smoothness;
}

std::string sweep_text(const SmoothnessOptions& options, const std::vector<double>& swept,
                       const std::vector<SmoothnessResult>& results) {
  std::string text = "# smoothness of " + source_text(options) + " against " + options.sweep.name +
                     ", depth " + std::to_string(options.depth);
  if (options.over_levels)
    text += "; over " + std::to_string(options.levels) + " levels, " +
            (options.settings.stationary ? "stationary mode" : "r fixed") +
            ": the regularity of the one mask, or of the limit rule when not stationary";
  text += "\n" + std::string(TEXT_PRECISION_NOTE) + "\n";
  for (std::size_t i = 0; i < results.size(); ++i) {
    const CertifiedSmoothness& c = shown_smoothness(options, results[i]);
    text += options.sweep.name + " = " + short_number(swept[i]) + ": " + regularity_text(c) + ", " +
            class_text(c.smoothness_class, c.excluded_class);
    if (options.over_levels)
      text += results[i].levels.mode.stationary ? ", stationary" : ", not stationary";
    text += "\n";
  }
  return text;
}

std::string sweep_csv(const SmoothnessOptions& options, const std::vector<double>& swept,
                      const std::vector<SmoothnessResult>& results) {
  std::string csv = options.sweep.name +
                    ",regularity_lower,regularity_upper,exact,smoothness_class,excluded_class" +
                    (options.over_levels ? ",stationary\n" : "\n");
  for (std::size_t i = 0; i < results.size(); ++i) {
    const CertifiedSmoothness& c = shown_smoothness(options, results[i]);
    csv += exact_number(swept[i]) + "," + exact_number(regularity_lower(c)) + "," +
           exact_number(regularity_upper(c)) + "," + (c.exact ? "true" : "false") + "," +
           std::to_string(c.smoothness_class) + "," + std::to_string(c.excluded_class);
    if (options.over_levels) csv += results[i].levels.mode.stationary ? ",true" : ",false";
    csv += "\n";
  }
  return csv;
}

std::string sweep_json(const SmoothnessOptions& options, const std::vector<double>& swept,
                       const std::vector<SmoothnessResult>& results) {
  JsonWriter json;
  json.begin_object();
  write_source(json, options);
  json.key("sweep").string(options.sweep.name).key("rows").begin_array();
  for (std::size_t i = 0; i < results.size(); ++i) {
    json.begin_object().key("parameter").string(options.sweep.name).key("value").number(swept[i]);
    write_analysis_members(json, options, results[i]);
    json.end_object();
  }
  json.end_array().end_object();
  return json.text() + "\n";
}

// ------------------------------------------------------------------ The document

std::string one_json(const SmoothnessOptions& options, const SmoothnessResult& result) {
  JsonWriter json;
  json.begin_object();
  write_source(json, options);
  write_analysis_members(json, options, result);
  json.end_object();
  return json.text() + "\n";
}

std::string one_document(const SmoothnessOptions& options, const SmoothnessResult& result,
                         OutputFormat format) {
  switch (format) {
    case OutputFormat::JSON: return one_json(options, result);
    case OutputFormat::CSV:
      return options.over_levels ? levels_csv(options, result.levels)
                                 : "field,value\n" + rule_csv(result.rule, "");
    case OutputFormat::TEXT:
    case OutputFormat::SVG: break;
  }
  return options.over_levels ? levels_text(options, result.levels)
                             : rule_document_text(options, result.rule);
}

}  // namespace

std::string smoothness_document(const SmoothnessOptions& options, const std::vector<double>& swept,
                                const std::vector<SmoothnessResult>& results, OutputFormat format) {
  if (!options.sweeping) return one_document(options, results.front(), format);
  switch (format) {
    case OutputFormat::JSON: return sweep_json(options, swept, results);
    case OutputFormat::CSV: return sweep_csv(options, swept, results);
    case OutputFormat::TEXT:
    case OutputFormat::SVG: break;
  }
  return sweep_text(options, swept, results);
}

}  // namespace curvix
