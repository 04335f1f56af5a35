#include "fake_lab_engine.h"

#include "lab/lab_engine.h"

const char* const FAKE_NOTE = "fake note, with \"quotes\"";

namespace {

std::size_t fake_stencil(LabScheme scheme) {
  return scheme == LabScheme::RBF6 ? 6 : 4;
}

std::vector<LabPoint> with_midpoints(const std::vector<LabPoint>& level) {
  std::vector<LabPoint> next;
  for (std::size_t i = 0; i < level.size(); ++i) {
    const LabPoint& a = level[i];
    const LabPoint& b = level[(i + 1) % level.size()];
    next.push_back(a);
    next.push_back({(a.x + b.x) / 2.0, (a.y + b.y) / 2.0});
  }
  return next;
}

}  // namespace

LabFailure compute_mask(LabScheme scheme, const LabSettings& settings,
                        const std::vector<double>& params, MaskRow& row) {
  if (settings.r <= 0.0) return {"fake: singular stencil system for r <= 0"};
  const std::size_t s = fake_stencil(scheme);
  const bool rbf = scheme == LabScheme::RBF4 || scheme == LabScheme::RBF6;
  for (std::size_t m = 0; m < s; ++m) {
    if (rbf) row.params.push_back(params.empty() ? static_cast<double>(m) * settings.h : params[m]);
    row.weights.push_back(FAKE_WEIGHTS[m] * settings.r);
    row.sum += row.weights.back();
  }
  row.reproduction_degree = 3;
  return {};
}

LabFailure refine_polygon(const RefineRequest& request, const std::vector<LabPoint>& input,
                          RefineResult& out) {
  if (request.settings.r <= 0.0) return {"singular stencil system at level 1, index 0"};
  if (request.settings.c >= FAKE_WARNING_C) out.warnings.push_back("fake ill-conditioning");
  out.levels.push_back(input);
  for (int level = 0; level < request.levels; ++level) {
    out.levels.push_back(with_midpoints(out.levels.back()));
  }
  return {};
}

LabFailure sample_curve(LabCurve kind, const LabSettings&, int samples, const std::vector<double>&,
                        const std::vector<LabPoint>& input, std::vector<LabPoint>& samples_out) {
  if (kind == LabCurve::RBF && input.size() < 2) return {"rbf curve needs at least 2 points"};
  for (int k = 0; k < samples; ++k) {
    samples_out.push_back({input[0].x + k / 3.0, input[0].y + k / 7.0});
  }
  return {};
}

LabFailure analyse_rule(const std::vector<double>& weights, int, SmoothnessSummary& out) {
  bool all_zero = true;
  for (double w : weights) all_zero = all_zero && w == 0.0;
  if (all_zero) return {"all weights are zero"};
  out.weights = weights;
  out.sum_rules = 2;
  out.reproduction_degree = 3;
  out.holder_lower = FAKE_HOLDER_LOWER;
  out.holder_upper = FAKE_HOLDER_UPPER;
  out.smoothness_class = 1;
  out.notes = {FAKE_NOTE};
  return {};
}

LabFailure scheme_weights(LabScheme scheme, const LabSettings& settings,
                          std::vector<double>& weights) {
  MaskRow row;
  const LabFailure failure = compute_mask(scheme, settings, {}, row);
  weights = row.weights;
  return failure;
}

int default_smoothness_depth() {
  return FAKE_DEPTH;
}
