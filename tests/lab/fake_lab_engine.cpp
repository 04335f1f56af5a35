#include "fake_lab_engine.h"

#include "lab/lab_engine.h"

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

LabRefusal compute_mask(const LevelSettings& settings, const std::vector<double>& params,
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

LabRefusal analyse_rule(const std::vector<double>& weights, int, SmoothnessReport& out) {
  bool all_zero = true;
  for (double w : weights) all_zero = all_zero && w == 0.0;
  if (all_zero) return LabRefusal::NOT_A_RULE;
  out = SmoothnessReport{};
  out.status = SmoothnessStatus::ANALYSED;
  out.analysed_weights = weights;
  out.sum_rules = 2;
  out.reproduction_degree = 3;
  out.holder_lower = FAKE_HOLDER_LOWER;
  out.holder_upper = FAKE_HOLDER_UPPER;
  out.smoothness_class = 1;
  out.excluded_class = 2;
  return LabRefusal::NONE;
}

LabRefusal scheme_weights(const LevelSettings& settings, std::vector<double>& weights) {
  MaskRow row;
  const LabRefusal refusal = compute_mask(settings, {}, row);
  weights = row.weights;
  return refusal;
}

int default_smoothness_depth() {
  return FAKE_DEPTH;
}

}  // namespace curvix
