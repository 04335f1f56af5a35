#include "fake_lab_engine.h"

#include <cmath>

#include "lab/curve/curve_engine.h"
#include "lab/limit/limit_engine.h"
#include "lab/mask/mask_engine.h"
#include "lab/refine/refine_engine.h"
#include "lab/smoothness/smoothness_engine.h"

namespace curvix {

namespace {

std::vector<PlanarPoint> with_midpoints(const std::vector<PlanarPoint>& level) {
  std::vector<PlanarPoint> next;
  for (std::size_t i = 0; i < level.size(); ++i) {
    const PlanarPoint& a = level[i];
    const PlanarPoint& b = level[(i + 1) % level.size()];
    next.push_back(a);
    next.push_back({(a.x + b.x) / 2.0, (a.y + b.y) / 2.0});
  }
  return next;
}

}  // namespace

LabRefusal stencil_mask(const LevelSettings& settings, const std::vector<double>& params,
                        MaskRow& row) {
  if (settings.subdivision.rbf.r <= 0.0) return LabRefusal::SINGULAR_STENCIL;
  const SchemeInfo& scheme = scheme_info(settings.subdivision.scheme);
  const auto s = static_cast<std::size_t>(scheme.stencil_size);
  for (std::size_t m = 0; m < s; ++m) {
    if (scheme.rbf)
      row.params.push_back(params.empty() ? static_cast<double>(m) * settings.h : params[m]);
    row.weights.push_back(FAKE_WEIGHTS[m] * settings.subdivision.rbf.r);
    row.sum += row.weights.back();
  }
  row.reproduction_degree = 3;
  row.four_point = s == 4;
  if (row.four_point) row.tension = -row.weights[0];
  return LabRefusal::NONE;
}

LabRefusal refine_polygon(const RefineRequest& request, const std::vector<PlanarPoint>& input,
                          Refinement& out) {
  if (request.first.subdivision.rbf.r <= 0.0) {
    out.result.failed_level = 1;
    out.result.failed_stencil = 0;
    return LabRefusal::SINGULAR_STENCIL;
  }
  out.levels.push_back(input);
  for (int level = 0; level < request.levels; ++level) {
    out.levels.push_back(with_midpoints(out.levels.back()));
    const bool ill = request.first.subdivision.rbf.c >= FAKE_WARNING_C;
    out.result.reports.push_back(LevelReport{ill ? FAKE_CONDITION : 1.0});
  }
  out.result.refined = true;
  return LabRefusal::NONE;
}

LabRefusal sample_curve(CurveMode kind, const LevelSettings&, int samples,
                        const std::vector<double>&, const std::vector<PlanarPoint>& input,
                        std::vector<PlanarPoint>& samples_out) {
  if (kind == CURVE_RBF && input.size() < 2) return LabRefusal::SINGULAR_CURVE_SYSTEM;
  for (int k = 0; k < samples; ++k) {
    samples_out.push_back({input[0].x + k / 3.0, input[0].y + k / 7.0});
  }
  return LabRefusal::NONE;
}

LabRefusal analyse_rule(const std::vector<double>& weights, int, RuleAnalysis& out) {
  bool all_zero = true;
  for (double w : weights) all_zero = all_zero && w == 0.0;
  if (all_zero) return LabRefusal::NOT_A_RULE;
  out = RuleAnalysis{};
  SmoothnessReport& report = out.smoothness.bounds;
  report.status = SmoothnessStatus::ANALYSED;
  report.analysed_weights = weights;
  double others = 0.0;
  for (std::size_t m = 0; m + 1 < weights.size(); ++m) others += weights[m];
  const double off = std::fabs(others + weights.back() - 1.0);
  if (off > 0.0 && off <= FAKE_ROUNDING) {
    report.analysed_weights.back() = 1.0 - others;
    report.corrected = true;
    report.correction = std::fabs(report.analysed_weights.back() - weights.back());
  }
  report.sum_rules = 2;
  report.reproduction_degree = 3;
  report.holder_lower = out.smoothness.lower = FAKE_HOLDER_LOWER;
  report.holder_upper = out.smoothness.upper = FAKE_HOLDER_UPPER;
  report.smoothness_class = out.smoothness.smoothness_class = 1;
  report.excluded_class = out.smoothness.excluded_class = 2;
  out.four_point = weights.size() == 4;
  if (out.four_point) out.tension = -report.analysed_weights[0];
  return LabRefusal::NONE;
}

LabRefusal analyse_scheme_levels(const LevelSettings& first, int levels, int depth,
                                 ModeAnalysis& out) {
  out = ModeAnalysis{};
  LevelSettings settings = first;
  for (int level = 1; level <= levels; ++level) {
    LevelAnalysis analysed;
    analysed.settings = settings;
    if (stencil_mask(settings, {}, analysed.row) != LabRefusal::NONE)
      return LabRefusal::SINGULAR_STENCIL;
    analysed.condition = settings.subdivision.rbf.c >= FAKE_WARNING_C ? FAKE_CONDITION : 1.0;
    out.levels.push_back(analysed);
    out.mode.trusted.push_back(analysed.condition <= CONDITION_LIMIT);
    out.mode.changes.push_back(0.0);
    settings = next_level_settings(settings);
  }
  out.mode.stationary = first.stationary;
  analyse_rule(out.levels.front().row.weights, depth, out.first_level);
  if (out.mode.stationary) {
    out.scheme = out.first_level;
    return LabRefusal::NONE;
  }
  const std::size_t s = out.levels.front().row.weights.size();
  out.mode.limit_weights.assign(FAKE_LIMIT_WEIGHTS, FAKE_LIMIT_WEIGHTS + s);
  for (int level = 1; level <= levels; ++level)
    out.mode.distances.push_back(std::ldexp(1.0, -level));
  out.mode.rate = 0.5;
  out.mode.rate_level = 2;
  out.mode.extrapolation_error = 0.0;
  out.mode.limit_confirmed = true;
  out.mode.similarity_order = 0;
  analyse_rule(out.mode.limit_weights, depth, out.scheme);
  return LabRefusal::NONE;
}

LabRefusal scheme_weights(const LevelSettings& settings, std::vector<double>& weights) {
  MaskRow row;
  const LabRefusal refusal = stencil_mask(settings, {}, row);
  weights = row.weights;
  return refusal;
}

int default_smoothness_depth() {
  return FAKE_DEPTH;
}

LabRefusal describe_mask(const ExactMask& mask, MaskMoments& moments) {
  if (mask_problem(mask) != MaskProblem::NONE) return LabRefusal::NOT_A_RULE;
  moments = MaskMoments{};
  moments.sum_rules = FAKE_MASK_SUM_RULES;
  moments.generation_degree = FAKE_MASK_SUM_RULES - 1;
  moments.reproduction_degree = 1;
  moments.tau = Rational(1, 3);
  moments.support_begin = mask.first;
  moments.support_end = mask.last();
  return LabRefusal::NONE;
}

LabRefusal analyse_mask(const ExactMask& mask, int, RuleAnalysis& out) {
  out = RuleAnalysis{};
  if (describe_mask(mask, out.moments) != LabRefusal::NONE) return LabRefusal::NOT_A_RULE;
  out.by_mask = true;
  out.mask = mask;
  CertifiedSmoothness& c = out.smoothness;
  c.bounds.status = SmoothnessStatus::ANALYSED;
  c.bounds.sum_rules = FAKE_MASK_SUM_RULES;
  c.bounds.holder_lower = c.lower = FAKE_HOLDER_LOWER;
  c.bounds.holder_upper = c.upper = FAKE_HOLDER_UPPER;
  c.smoothness_class = 1;
  c.excluded_class = 2;
  return LabRefusal::NONE;
}

LabRefusal limit_function(const ExactMask& mask, int, int depth, LimitFunction& out) {
  out = LimitFunction{};
  if (analyse_mask(mask, depth, out.analysis) != LabRefusal::NONE) return LabRefusal::NOT_A_RULE;
  out.samples = {-2, 0.5,
                 std::vector<double>(std::begin(FAKE_LIMIT_VALUES), std::end(FAKE_LIMIT_VALUES))};
  out.derivatives = 1;
  out.derivative.push_back(centred_difference(out.samples.values, out.samples.step));
  return LabRefusal::NONE;
}

int default_mask_depth(int arity) {
  return FAKE_DEPTH + arity;
}

}  // namespace curvix
