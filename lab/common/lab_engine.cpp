#include "lab/lab_engine.h"

#include <algorithm>
#include <cassert>
#include <memory>
#include <thread>

#include "curves/bezier_curve.h"
#include "curves/curve_sampling.h"
#include "curves/lagrange_curve.h"
#include "curves/rbf_curve.h"
#include "smoothness/mask_moments.h"
#include "subdivision/four_point_rule.h"
#include "subdivision/four_point_tension.h"
#include "subdivision/rbf_stencil.h"
#include "subdivision/stencil_condition.h"

// Index
// - Masks
// - Refinement
// - Curves
// - Smoothness

namespace curvix {

namespace {

// The threads asked for, or one per core when 0 (or when the count of cores is unknown, one).
int thread_count(int asked) {
  if (asked > 0) return asked;
  return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

// t_i = i h for i = 0..n-1: the program's (i - 1) h over 1-based indices.
std::vector<double> uniform_values(int n, double h) {
  std::vector<double> t(static_cast<std::size_t>(n));
  uniform_parameter_values(n, h, t.data());
  return t;
}

// ------------------------------------------------------------------ Masks

// The four-point rule's weights as the rule itself computes them: its value
// for data 1 at one stencil position and 0 at the others.
std::vector<double> four_point_weights(double tension) {
  std::vector<double> weights(FOUR_POINT_STENCIL);
  for (int m = 0; m < FOUR_POINT_STENCIL; ++m) {
    double s[FOUR_POINT_STENCIL] = {0.0, 0.0, 0.0, 0.0};
    s[m] = 1.0;
    weights[static_cast<std::size_t>(m)] = four_point_value(s[0], s[1], s[2], s[3], tension);
  }
  return weights;
}

double tension_of(const SubdivisionSettings& settings) {
  return settings.scheme == SCHEME_DD ? DD_TENSION : settings.tension;
}

LabRefusal rbf_weights(const std::vector<double>& params, const RbfSettings& rbf,
                       std::vector<double>& weights) {
  const int s = static_cast<int>(params.size());
  if (!stencil_system_admissible(params.data(), s, rbf.pd)) return LabRefusal::NO_STENCIL_SYSTEM;
  auto scratch = std::make_unique<StencilScratch>();
  weights.assign(params.size(), 0.0);
  if (!rbf_stencil_mask(params.data(), s, rbf, *scratch, weights.data()))
    return LabRefusal::SINGULAR_STENCIL;
  return LabRefusal::NONE;
}

}  // namespace

LabRefusal compute_mask(const LevelSettings& settings, const std::vector<double>& params,
                        MaskRow& row) {
  row = MaskRow{};
  const SchemeInfo& scheme = scheme_info(settings.subdivision.scheme);
  if (scheme.rbf) {
    row.params = params.empty() ? uniform_values(scheme.stencil_size, settings.h) : params;
    const LabRefusal refusal = rbf_weights(row.params, settings.subdivision.rbf, row.weights);
    if (refusal != LabRefusal::NONE) return refusal;
  } else {
    row.weights = four_point_weights(tension_of(settings.subdivision));
  }
  for (const double w : row.weights) row.sum += w;
  const int s = static_cast<int>(row.weights.size());
  row.reproduction_degree = scheme.rbf ? reproduction_degree(row.weights, row.params,
                                                             stencil_midpoint(row.params.data(), s))
                                       : reproduction_degree(row.weights, uniform_nodes(s), 0.0);
  row.four_point = four_point_tension(row.weights, row.tension);
  return LabRefusal::NONE;
}

LabRefusal scheme_weights(const LevelSettings& settings, std::vector<double>& weights) {
  MaskRow row;
  const LabRefusal refusal = compute_mask(settings, {}, row);
  weights = row.weights;
  return refusal;
}

// ------------------------------------------------------------------ Refinement

LabRefusal refine_polygon(const RefineRequest& request, const std::vector<PlanarPoint>& input,
                          Refinement& out) {
  assert(input.size() >= 2 && request.levels >= 1);
  assert(request.knots.empty() || request.knots.size() == input.size());
  const int n = static_cast<int>(input.size());
  const std::vector<double> t =
      request.knots.empty() ? uniform_values(n, request.first.h) : request.knots;
  auto scratch = std::make_unique<StencilScratch>();
  out.result = refine_levels(input.data(), t.data(), n, request.first, request.levels, true,
                             *scratch, nullptr, out.levels, thread_count(request.threads));
  return out.result.refined ? LabRefusal::NONE : LabRefusal::SINGULAR_STENCIL;
}

// ------------------------------------------------------------------ Curves

namespace {

LabRefusal rbf_curve_samples(const RbfSettings& rbf, const std::vector<PlanarPoint>& points,
                             const std::vector<double>& t, int segments,
                             std::vector<PlanarPoint>& samples) {
  const int n = static_cast<int>(points.size());
  std::vector<RbfCoefficient> coefficients(static_cast<std::size_t>(n + rbf.pd + 1));
  if (!rbf_solve(rbf, points.data(), t.data(), n, coefficients.data()))
    return LabRefusal::SINGULAR_CURVE_SYSTEM;
  rbf_samples(rbf, coefficients.data(), t.data(), n, segments, samples.data());
  return LabRefusal::NONE;
}

}  // namespace

LabRefusal sample_curve(CurveMode kind, const LevelSettings& settings, int samples,
                        const std::vector<double>& knots, const std::vector<PlanarPoint>& input,
                        std::vector<PlanarPoint>& samples_out) {
  assert(!input.empty() && samples >= 2 && settings.subdivision.rbf.pd >= 0);
  assert(knots.empty() || knots.size() == input.size());
  const int n = static_cast<int>(input.size());
  const std::vector<double> t = knots.empty() ? uniform_values(n, settings.h) : knots;
  const int segments = samples - 1;
  std::vector<PlanarPoint> curve(static_cast<std::size_t>(samples));
  switch (kind) {
    case CURVE_LAGRANGE: lagrange_samples(input.data(), t.data(), n, segments, curve.data()); break;
    case CURVE_BEZIER: bezier_samples(input.data(), n, segments, curve.data()); break;
    case CURVE_RBF: {
      const LabRefusal refusal =
          rbf_curve_samples(settings.subdivision.rbf, input, t, segments, curve);
      if (refusal != LabRefusal::NONE) return refusal;
      break;
    }
    case CURVE_NONE: assert(false && "no curve to sample"); break;
  }
  if (!samples_finite(curve.data(), samples)) return LabRefusal::SAMPLES_NOT_FINITE;
  samples_out = std::move(curve);
  return LabRefusal::NONE;
}

// ------------------------------------------------------------------ Smoothness

LabRefusal analyse_rule(const std::vector<double>& weights, int depth, RuleAnalysis& out) {
  out = RuleAnalysis{};
  out.smoothness = certified_smoothness(weights, depth);
  const SmoothnessReport& report = out.smoothness.bounds;
  if (report.status == SmoothnessStatus::INVALID_RULE) return LabRefusal::NOT_A_RULE;
  out.four_point = four_point_tension(report.analysed_weights, out.tension);
  return LabRefusal::NONE;
}

namespace {

// The level's mask and its stencil system's condition; false when the
// stencil cannot be solved.
bool level_analysis(const LevelSettings& settings, StencilScratch& scratch, LevelAnalysis& level) {
  level.settings = settings;
  if (compute_mask(settings, {}, level.row) != LabRefusal::NONE) return false;
  level.condition =
      stencil_condition(level.row.params.data(), static_cast<int>(level.row.params.size()),
                        settings.subdivision.rbf, scratch);
  return true;
}

}  // namespace

LabRefusal analyse_scheme_levels(const LevelSettings& first, int levels, int depth,
                                 ModeAnalysis& out) {
  assert(is_rbf_scheme(first.subdivision.scheme) && levels >= 2 && depth >= 1);
  out = ModeAnalysis{};
  auto scratch = std::make_unique<StencilScratch>();
  LevelSettings settings = first;
  for (int level = 1; level <= levels; ++level) {
    LevelAnalysis analysed;
    if (!level_analysis(settings, *scratch, analysed)) {
      if (level == 1) return LabRefusal::SINGULAR_STENCIL;
      out.unsolved_level = level;
      break;
    }
    out.levels.push_back(analysed);
    settings = next_level_settings(settings);
  }
  std::vector<LevelMask> masks;
  for (const LevelAnalysis& level : out.levels)
    masks.push_back(LevelMask{level.row.weights, level.condition});
  const int s = static_cast<int>(out.levels.front().row.weights.size());
  out.mode = scheme_mode(masks, flat_limit_weights(s), CONDITION_LIMIT);
  analyse_rule(masks.front().weights, depth, out.first_level);
  if (out.mode.stationary)
    out.scheme = out.first_level;
  else
    analyse_rule(out.mode.limit_weights, depth, out.scheme);
  return LabRefusal::NONE;
}

int default_smoothness_depth() {
  return DEFAULT_REGULARITY_DEPTH;
}

}  // namespace curvix
