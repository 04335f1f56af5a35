#include "smoothness/certified_smoothness.h"

#include <algorithm>

#include "smoothness/holder_regularity.h"
#include "smoothness/mask_moments.h"

namespace curvix {

namespace {

// The tighter of both steps' bounds, and the classes they prove and exclude.
void combine(CertifiedSmoothness& c) {
  const ExactRegularity& r = c.regularity;
  if (r.exact) {
    c.lower = c.upper = r.alpha_lower;
    c.exact = true;
    c.attained = r.attained;
    c.smoothness_class = r.smoothness_class;
    c.excluded_class = r.excluded_class;
    return;
  }
  c.lower = std::max(c.bounds.holder_lower, r.alpha_lower);
  c.upper = std::min(c.bounds.holder_upper, r.alpha_upper);
  c.smoothness_class = std::max(c.bounds.smoothness_class, r.smoothness_class);
  const int excluded[] = {c.bounds.excluded_class, r.excluded_class};
  c.excluded_class = -1;
  for (const int m : excluded)
    if (m >= 0) c.excluded_class = c.excluded_class < 0 ? m : std::min(c.excluded_class, m);
}

// The first step's values, before a second step.
CertifiedSmoothness first_step(const SmoothnessReport& bounds) {
  CertifiedSmoothness c;
  c.bounds = bounds;
  c.lower = c.bounds.holder_lower;
  c.upper = c.bounds.holder_upper;
  c.smoothness_class = c.bounds.smoothness_class;
  c.excluded_class = c.bounds.excluded_class;
  return c;
}

}  // namespace

CertifiedSmoothness certified_factor_smoothness(const SmoothnessReport& bounds,
                                                const std::vector<double>& b, int arity) {
  CertifiedSmoothness c = first_step(bounds);
  c.regularity = exact_regularity(b, c.bounds.sum_rules, jsr_settings(arity), arity);
  c.second_step = true;
  combine(c);
  return c;
}

CertifiedSmoothness certified_smoothness(const std::vector<double>& weights, int depth) {
  const SmoothnessReport bounds = analyse_smoothness(weights, depth);
  if (bounds.status != SmoothnessStatus::ANALYSED) return first_step(bounds);
  std::vector<double> b;
  if (!regularity_factor(interpolatory_mask(bounds.analysed_weights), bounds.sum_rules, b))
    return first_step(bounds);
  return certified_factor_smoothness(bounds, b, 2);
}

int default_regularity_depth(int arity) {
  switch (arity) {
    case 3: return 9;
    case 4: return 7;
    default: return DEFAULT_REGULARITY_DEPTH;
  }
}

MaskSmoothness mask_smoothness(const ExactMask& mask, int depth) {
  MaskSmoothness result;
  result.problem = mask_problem(mask);
  if (result.problem != MaskProblem::NONE) return result;
  result.moments = mask_moments(mask);
  const int n = result.moments.sum_rules;
  result.factor = mask_doubles(regularity_factor(mask, n));
  const HolderBounds h = holder_bounds(result.factor, n, depth, mask.arity);
  SmoothnessReport bounds;
  bounds.status = SmoothnessStatus::ANALYSED;
  bounds.sum_rules = n;
  bounds.reproduction_degree = result.moments.reproduction_degree;
  bounds.holder_lower = h.lower;
  bounds.holder_upper = h.upper;
  bounds.smoothness_class = proved_smoothness_class(h.lower);
  bounds.excluded_class = excluded_smoothness_class(h.upper);
  result.smoothness = certified_factor_smoothness(bounds, result.factor, mask.arity);
  return result;
}

}  // namespace curvix
