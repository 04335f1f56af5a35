#pragma once
// The exact facts of a mask, worded once for the documents of mask,
// smoothness and limit: its arity and alignment, its taps, sum rules,
// generation and reproduction degree with tau, and its support. Exact values
// are written as fractions ("3/256"), in json as strings beside the doubles.

#include <string>

#include "io/json_writer.h"
#include "smoothness/exact_mask.h"

namespace curvix {

// "primal" or "dual".
const char* alignment_word(const ExactMask& mask);

// One line each: "arity: 2", "alignment: dual, taps at -2..1 (centre -1/2)",
// "taps: 1/4 3/4 3/4 1/4", "sum rules: 3", "generation degree: 2",
// "reproduction degree: 1 (parameter values (i + tau) / 2^k, tau = -1/2)",
// "support: [-2, 1]".
std::string mask_facts_text(const ExactMask& mask, const MaskMoments& moments);

// "field,value" lines of the same facts, each field name after `prefix`.
std::string mask_facts_csv(const ExactMask& mask, const MaskMoments& moments,
                           const std::string& prefix);

// The same facts as members of the open json object.
void write_mask_facts(JsonWriter& json, const ExactMask& mask, const MaskMoments& moments);

}  // namespace curvix
