#include "lab/mask/mask_engine.h"

#include <memory>

#include "smoothness/mask_moments.h"
#include "subdivision/four_point_rule.h"
#include "subdivision/four_point_tension.h"
#include "subdivision/rbf_stencil.h"

namespace curvix {

namespace {

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

LabRefusal stencil_mask(const LevelSettings& settings, const std::vector<double>& params,
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
  const LabRefusal refusal = stencil_mask(settings, {}, row);
  weights = row.weights;
  return refusal;
}

LabRefusal describe_mask(const ExactMask& mask, MaskMoments& moments) {
  if (mask_problem(mask) != MaskProblem::NONE) return LabRefusal::NOT_A_RULE;
  moments = mask_moments(mask);
  return LabRefusal::NONE;
}

}  // namespace curvix
