#pragma once
// The parts the smoothness documents are made of: one rule's analysis and one
// scheme's levels, each in text lines, csv fields and json members, so that a
// document of one analysis and a sweep of many say the same things the same way.

#include <string>

#include "io/json_writer.h"
#include "lab/smoothness/smoothness_command.h"

namespace curvix {

// "weights: ...", the tension of a four-point rule, sum rules, reproduction,
// the depth bounds, the regularity, its product and polytope, and the class,
// one line each.
std::string rule_text(const RuleAnalysis& rule, int depth);

// "field,value" lines of the same facts, each field name after `prefix`.
std::string rule_csv(const RuleAnalysis& rule, const std::string& prefix);

// The same facts and the rule's notes as members of the open json object,
// regularity_lower, regularity_upper and exact among them.
void write_rule_members(JsonWriter& json, const RuleAnalysis& rule);

// A scheme's levels: the table of level masks, the mode, the analysed rule
// (the one mask or the limit rule), level 1's mask alone, and the notes.
std::string levels_text(const SmoothnessOptions& options, const ModeAnalysis& analysis);
std::string levels_csv(const SmoothnessOptions& options, const ModeAnalysis& analysis);

// The scheme's regularity (the one mask's, or the limit rule's) at the top:
// regularity_lower, regularity_upper, exact, stationary and, when not
// stationary, limit_weights; the analysed rule, level 1's mask and the levels
// below them.
void write_levels_members(JsonWriter& json, const SmoothnessOptions& options,
                          const ModeAnalysis& analysis);

}  // namespace curvix
