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

}  // namespace

CertifiedSmoothness certified_smoothness(const std::vector<double>& weights, int depth) {
  CertifiedSmoothness c;
  c.bounds = analyse_smoothness(weights, depth);
  c.lower = c.bounds.holder_lower;
  c.upper = c.bounds.holder_upper;
  c.smoothness_class = c.bounds.smoothness_class;
  c.excluded_class = c.bounds.excluded_class;
  if (c.bounds.status != SmoothnessStatus::ANALYSED) return c;
  std::vector<double> b;
  if (!regularity_factor(interpolatory_mask(c.bounds.analysed_weights), c.bounds.sum_rules, b))
    return c;
  c.regularity = exact_regularity(b, c.bounds.sum_rules);
  c.second_step = true;
  combine(c);
  return c;
}

}  // namespace curvix
