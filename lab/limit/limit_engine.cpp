#include "lab/limit/limit_engine.h"

#include <algorithm>

namespace curvix {

LabRefusal limit_function(const ExactMask& mask, int levels, int depth, LimitFunction& out) {
  out = LimitFunction{};
  const LabRefusal refusal = analyse_mask(mask, depth, out.analysis);
  if (refusal != LabRefusal::NONE) return refusal;
  const SubdivisionMask doubles{mask_doubles(mask.taps), mask.arity, mask.first};
  out.samples = basic_limit_function(doubles, levels);
  out.derivatives = std::clamp(out.analysis.smoothness.smoothness_class, 0, MAX_LIMIT_DERIVATIVES);
  std::vector<double> previous = out.samples.values;
  for (int d = 1; d <= out.derivatives; ++d) {
    previous = centred_difference(previous, out.samples.step);
    out.derivative.push_back(previous);
  }
  return LabRefusal::NONE;
}

}  // namespace curvix
