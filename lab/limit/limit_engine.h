#pragma once
// The engine of `limit`: a scheme's basic limit function by the cascade, its
// derivatives up to the order its proved smoothness allows, and the analysis
// that proves it.

#include <vector>

#include "lab/smoothness/smoothness_engine.h"
#include "subdivision/basic_limit_function.h"

namespace curvix {

constexpr int MAX_LIMIT_DERIVATIVES = 4;  // beyond, divided differences of the samples are noise

struct LimitFunction {
  RuleAnalysis analysis;  // the mask's regularity, which says which derivatives exist
  int derivatives = 0;    // shown: the proved class C^k, at most MAX_LIMIT_DERIVATIVES
  LimitSamples samples;   // phi at (first_index + i) step
  std::vector<std::vector<double>> derivative;  // derivative[d - 1]: the d-th, at the same points
};

// The basic limit function of a mask without problem over `levels` >= 0
// cascade levels, analysed at `depth` >= 1.
LabRefusal limit_function(const ExactMask& mask, int levels, int depth, LimitFunction& out);

}  // namespace curvix
