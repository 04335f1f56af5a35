#include <limits>

#include "io/exact_number.h"
#include "lab/common/mask_facts.h"
#include "lab/common/number_text.h"
#include "lab/common/output_text.h"
#include "lab/smoothness/smoothness_sections.h"
#include "lab/smoothness/smoothness_words.h"

namespace curvix {

namespace {

// The depth bounds, NaN where the rule has no limit to bound.
double depth_lower(const SmoothnessReport& report) {
  return report.status == SmoothnessStatus::ANALYSED ? report.holder_lower
                                                     : std::numeric_limits<double>::quiet_NaN();
}
double depth_upper(const SmoothnessReport& report) {
  return report.status == SmoothnessStatus::ANALYSED ? report.holder_upper
                                                     : std::numeric_limits<double>::quiet_NaN();
}

std::string regularity_lines(const CertifiedSmoothness& c) {
  std::string text = "regularity: " + regularity_text(c) + "\n";
  if (!c.second_step) return text;
  text += "product: " + product_text(c.regularity.rho.word) +
          (c.exact ? "\npolytope vertices: " + std::to_string(c.regularity.rho.polytope_vertices)
                   : std::string(" (best found)")) +
          "\n";
  return text;
}

std::string yes_no(bool value) {
  return value ? "true" : "false";
}

}  // namespace

std::string rule_text(const RuleAnalysis& rule, int depth) {
  const CertifiedSmoothness& c = rule.smoothness;
  const SmoothnessReport& report = c.bounds;
  std::string text;
  if (rule.by_mask) {
    text = mask_facts_text(rule.mask, rule.moments);
  } else {
    text = "weights:";
    for (const double w : report.analysed_weights) text += " " + short_number(w);
    text += "\n";
    if (rule.four_point) text += "tension: " + short_number(rule.tension) + "\n";
    text += "sum rules: " + std::to_string(report.sum_rules) +
            "\nreproduction degree: " + std::to_string(report.reproduction_degree) + "\n";
  }
  text += "Holder bounds at depth " + std::to_string(depth) + ": " +
          short_number(depth_lower(report)) + " to " + short_number(depth_upper(report)) + "\n";
  return text + regularity_lines(c) +
         "smoothness class: " + class_text(c.smoothness_class, c.excluded_class) + "\n";
}

std::string rule_csv(const RuleAnalysis& rule, const std::string& prefix) {
  const CertifiedSmoothness& c = rule.smoothness;
  const SmoothnessReport& report = c.bounds;
  std::string csv;
  const auto field = [&](const std::string& name, const std::string& value) {
    csv += prefix + name + "," + value + "\n";
  };
  if (rule.by_mask) {
    csv += mask_facts_csv(rule.mask, rule.moments, prefix);
  } else {
    for (std::size_t i = 0; i < report.analysed_weights.size(); ++i)
      field("w" + std::to_string(i + 1), exact_number(report.analysed_weights[i]));
    if (rule.four_point) field("tension", exact_number(rule.tension));
    field("sum_rules", std::to_string(report.sum_rules));
    field("reproduction_degree", std::to_string(report.reproduction_degree));
  }
  field("holder_lower", exact_number(depth_lower(report)));
  field("holder_upper", exact_number(depth_upper(report)));
  field("regularity_lower", exact_number(regularity_lower(c)));
  field("regularity_upper", exact_number(regularity_upper(c)));
  field("exact", yes_no(c.exact));
  field("attained", yes_no(c.attained));
  field("product", product_text(c.regularity.rho.word));
  field("polytope_vertices", std::to_string(c.regularity.rho.polytope_vertices));
  field("gap", exact_number(c.regularity.rho.gap));
  field("fallback", fallback_token(c.regularity.rho.fallback));
  field("smoothness_class", std::to_string(c.smoothness_class));
  field("excluded_class", std::to_string(c.excluded_class));
  for (const std::string& line : rule_notes(rule)) field("note", csv_field(line));
  return csv;
}

void write_rule_members(JsonWriter& json, const RuleAnalysis& rule) {
  const CertifiedSmoothness& c = rule.smoothness;
  const SmoothnessReport& report = c.bounds;
  json.key("regularity_lower").number(regularity_lower(c));
  json.key("regularity_upper").number(regularity_upper(c));
  json.key("exact").boolean(c.exact);
  if (rule.by_mask) {
    write_mask_facts(json, rule.mask, rule.moments);
  } else {
    json.key("weights").numbers(report.analysed_weights);
    if (rule.four_point) json.key("tension").number(rule.tension);
    json.key("sum_rules").integer(report.sum_rules);
    json.key("reproduction_degree").integer(report.reproduction_degree);
  }
  json.key("holder_lower").number(depth_lower(report));
  json.key("holder_upper").number(depth_upper(report));
  json.key("attained").boolean(c.attained);
  json.key("product").string(product_text(c.regularity.rho.word));
  json.key("polytope_vertices").integer(c.regularity.rho.polytope_vertices);
  json.key("gap").number(c.regularity.rho.gap);
  json.key("fallback").string(fallback_token(c.regularity.rho.fallback));
  json.key("smoothness_class").integer(c.smoothness_class);
  json.key("excluded_class").integer(c.excluded_class).key("notes").begin_array();
  for (const std::string& line : rule_notes(rule)) json.string(line);
  json.end_array();
}

}  // namespace curvix
