#include "lab/smoothness/smoothness_engine.h"

#include <cassert>
#include <memory>

#include "subdivision/four_point_tension.h"
#include "subdivision/stencil_condition.h"

namespace curvix {

LabRefusal analyse_rule(const std::vector<double>& weights, int depth, RuleAnalysis& out) {
  out = RuleAnalysis{};
  out.smoothness = certified_smoothness(weights, depth);
  const SmoothnessReport& report = out.smoothness.bounds;
  if (report.status == SmoothnessStatus::INVALID_RULE) return LabRefusal::NOT_A_RULE;
  out.four_point = four_point_tension(report.analysed_weights, out.tension);
  return LabRefusal::NONE;
}

LabRefusal analyse_mask(const ExactMask& mask, int depth, RuleAnalysis& out) {
  out = RuleAnalysis{};
  const MaskSmoothness analysis = mask_smoothness(mask, depth);
  if (analysis.problem != MaskProblem::NONE) return LabRefusal::NOT_A_RULE;
  out.smoothness = analysis.smoothness;
  out.by_mask = true;
  out.mask = mask;
  out.moments = analysis.moments;
  return LabRefusal::NONE;
}

namespace {

// The level's mask and its stencil system's condition; false when the
// stencil cannot be solved.
bool level_analysis(const LevelSettings& settings, StencilScratch& scratch, LevelAnalysis& level) {
  level.settings = settings;
  if (stencil_mask(settings, {}, level.row) != LabRefusal::NONE) return false;
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

int default_mask_depth(int arity) {
  return default_regularity_depth(arity);
}

}  // namespace curvix
