#include "lab/common/mask_facts.h"

#include "io/exact_number.h"
#include "lab/common/mask_source.h"

namespace curvix {

namespace {

std::string centre_text(const ExactMask& mask) {
  return mask.dual() ? "-1/2" : "0";
}

std::string reproduction_text(const ExactMask& mask, const MaskMoments& moments) {
  const std::string m = std::to_string(mask.arity);
  std::string text = std::to_string(moments.reproduction_degree);
  if (moments.reproduction_degree < 0) return text + " (not even constants)";
  return text + " (parameter values (i + tau) / " + m + "^k, tau = " + rational_text(moments.tau) +
         ")";
}

}  // namespace

const char* alignment_word(const ExactMask& mask) {
  return mask.dual() ? "dual" : "primal";
}

std::string mask_facts_text(const ExactMask& mask, const MaskMoments& moments) {
  std::string taps;
  for (const Rational& tap : mask.taps) taps += " " + rational_text(tap);
  return "arity: " + std::to_string(mask.arity) + "\nalignment: " + alignment_word(mask) +
         ", taps at " + tap_indices(mask) + " (centre " + centre_text(mask) + ")\ntaps:" + taps +
         "\nsum rules: " + std::to_string(moments.sum_rules) +
         "\ngeneration degree: " + std::to_string(moments.generation_degree) +
         "\nreproduction degree: " + reproduction_text(mask, moments) + "\nsupport: [" +
         rational_text(moments.support_begin) + ", " + rational_text(moments.support_end) + "]\n";
}

std::string mask_facts_csv(const ExactMask& mask, const MaskMoments& moments,
                           const std::string& prefix) {
  std::string csv;
  const auto field = [&](const std::string& name, const std::string& value) {
    csv += prefix + name + "," + value + "\n";
  };
  field("arity", std::to_string(mask.arity));
  field("alignment", alignment_word(mask));
  field("first_index", std::to_string(mask.first));
  for (std::size_t i = 0; i < mask.taps.size(); ++i)
    field("a" + std::to_string(mask.first + static_cast<int>(i)), rational_text(mask.taps[i]));
  field("sum_rules", std::to_string(moments.sum_rules));
  field("generation_degree", std::to_string(moments.generation_degree));
  field("reproduction_degree", std::to_string(moments.reproduction_degree));
  field("tau", rational_text(moments.tau));
  field("support_begin", rational_text(moments.support_begin));
  field("support_end", rational_text(moments.support_end));
  return csv;
}

void write_mask_facts(JsonWriter& json, const ExactMask& mask, const MaskMoments& moments) {
  json.key("arity").integer(mask.arity).key("alignment").string(alignment_word(mask));
  json.key("first_index").integer(mask.first).key("taps").begin_array();
  for (const Rational& tap : mask.taps) json.string(rational_text(tap));
  json.end_array().key("tap_values").numbers(mask_doubles(mask.taps));
  json.key("sum_rules").integer(moments.sum_rules);
  json.key("generation_degree").integer(moments.generation_degree);
  json.key("reproduction_degree").integer(moments.reproduction_degree);
  json.key("tau").string(rational_text(moments.tau));
  json.key("support").begin_array().string(rational_text(moments.support_begin));
  json.string(rational_text(moments.support_end)).end_array();
}

}  // namespace curvix
