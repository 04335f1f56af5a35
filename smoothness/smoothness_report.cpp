#include "smoothness/smoothness_report.h"

#include <algorithm>
#include <cmath>

#include "smoothness/holder_regularity.h"
#include "smoothness/mask_moments.h"

namespace curvix {

namespace {

bool valid_weights(const std::vector<double>& weights) {
  if (weights.size() < 2 || weights.size() % 2 != 0) return false;
  for (const double w : weights)
    if (!std::isfinite(w)) return false;
  return true;
}

double largest_change(const std::vector<double>& from, const std::vector<double>& to) {
  double largest = 0.0;
  for (std::size_t m = 0; m < from.size(); ++m)
    largest = std::fmax(largest, std::fabs(to[m] - from[m]));
  return largest;
}

double distance(const std::vector<double>& from, const std::vector<double>& to) {
  double sum = 0.0;
  for (std::size_t m = 0; m < from.size(); ++m) sum += (to[m] - from[m]) * (to[m] - from[m]);
  return std::sqrt(sum);
}

// The printed weights' true values meet the sum rules, so the nearest weights
// that do are no farther than PRINTED_WEIGHT_ERROR * sqrt(2L) in the 2-norm; a
// larger correction means the moments only looked small (the tolerance grows
// with |k|^q, and tiny outer weights print as 0).
bool correction_within_rounding(const std::vector<double>& from, const std::vector<double>& to) {
  return distance(from, to) <= PRINTED_WEIGHT_ERROR * std::sqrt(static_cast<double>(from.size()));
}

// Moves the weights onto the most sum rules they meet up to rounding, if more
// than they meet exactly and a correction of rounding size reaches them;
// returns the sum rules of the weights finally analysed.
int settle_sum_rules(SmoothnessReport& report) {
  const std::vector<double>& w = report.analysed_weights;
  const SumRuleCount count = count_sum_rules(interpolatory_mask(w));
  for (int k = count.within_rounding; k > count.exact; --k) {
    std::vector<double> corrected;
    if (!nearest_weights_with_sum_rules(w, k, corrected) ||
        !correction_within_rounding(w, corrected))
      continue;
    report.correction = largest_change(w, corrected);
    report.corrected = true;
    report.analysed_weights = corrected;
    return count_sum_rules(interpolatory_mask(corrected)).exact;
  }
  return count.exact;
}

}  // namespace

int proved_smoothness_class(double holder_lower) {
  if (!(holder_lower > CLASS_TOLERANCE)) return -1;
  return static_cast<int>(std::ceil(holder_lower - CLASS_TOLERANCE)) - 1;
}

int excluded_smoothness_class(double holder_upper) {
  if (!std::isfinite(holder_upper)) return -1;
  return std::max(0, static_cast<int>(std::ceil(holder_upper - CLASS_TOLERANCE)));
}

SmoothnessReport analyse_smoothness(const std::vector<double>& weights, int depth) {
  SmoothnessReport report;
  if (!valid_weights(weights) || depth < 1) return report;
  report.analysed_weights = weights;
  report.sum_rules = settle_sum_rules(report);
  if (report.sum_rules == 0) {
    report.status = SmoothnessStatus::NOT_CONVERGENT;
    return report;
  }
  const std::vector<double>& w = report.analysed_weights;
  report.reproduction_degree =
      reproduction_degree(w, uniform_nodes(static_cast<int>(w.size())), 0.0);
  std::vector<double> b;
  if (!regularity_factor(interpolatory_mask(w), report.sum_rules, b)) {
    report.status = SmoothnessStatus::INVALID_RULE;
    return report;
  }
  const HolderBounds h = holder_bounds(b, report.sum_rules, depth);
  report.status = SmoothnessStatus::ANALYSED;
  report.holder_lower = h.lower;
  report.holder_upper = h.upper;
  report.smoothness_class = proved_smoothness_class(h.lower);
  report.excluded_class = excluded_smoothness_class(h.upper);
  return report;
}

}  // namespace curvix
