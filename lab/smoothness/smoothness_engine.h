#pragma once
// The engine of `smoothness`: a rule's sum rules, reproduction and Hölder
// regularity (certified_smoothness.h), and what the subdivision command's
// levels make of an RBF scheme (scheme_mode.h).

#include <vector>

#include "lab/mask/mask_engine.h"
#include "smoothness/certified_smoothness.h"
#include "smoothness/scheme_mode.h"

namespace curvix {

// A rule's smoothness: the depth bounds, then the exact regularity or the
// tightened bounds (certified_smoothness.h), and, for a symmetric 4-point
// rule, its tension; both of the analysed weights (smoothness.bounds), which
// may have been moved onto their sum rules.
struct RuleAnalysis {
  CertifiedSmoothness smoothness;
  bool four_point = false;
  double tension = 0.0;
  bool by_mask = false;  // a mask's analysis: the facts below, no weights
  ExactMask mask;
  MaskMoments moments;
};

// Analyses the interpolatory rule with the given insertion weights, using
// depth >= 1 steps for the Hölder estimates. A report whose status is
// NOT_CONVERGENT is a result, not a refusal.
LabRefusal analyse_rule(const std::vector<double>& weights, int depth, RuleAnalysis& out);

// Analyses a mask without problem (exact_mask.h's mask_problem NONE): its
// exact facts, the depth bounds with depth >= 1 levels, then the exact
// regularity or the tightened bounds.
LabRefusal analyse_mask(const ExactMask& mask, int depth, RuleAnalysis& out);

// One level of an RBF scheme as the subdivision command runs it: the level's
// settings (h halved per level, r as next_level_settings says), the mask of
// its uniform stencil T_m = (m - 1) h, and that stencil system's condition.
struct LevelAnalysis {
  LevelSettings settings;
  MaskRow row;
  double condition = 0.0;
};

// What the subdivision command's levels make of an RBF scheme.
struct ModeAnalysis {
  std::vector<LevelAnalysis> levels;  // from level 1, up to the first that cannot be solved
  int unsolved_level = 0;             // 1-based level whose stencil the solver refused; 0: none
  SchemeMode mode;                    // stationary or not; the limit's check, rate and similarity
  RuleAnalysis scheme;                // the one mask's (stationary) or the limit rule's (not)
  RuleAnalysis first_level;           // level 1's mask taken as a stationary rule
};

// The mode of the RBF scheme of `first` (settings.subdivision.scheme an RBF
// scheme) over `levels` >= 2 levels, with depth >= 1 for the rules' first
// step; the candidate limit is the flat limit of the scheme's stencil size.
// Refused only when level 1's stencil cannot be solved.
LabRefusal analyse_scheme_levels(const LevelSettings& first, int levels, int depth,
                                 ModeAnalysis& out);

// The depth that `smoothness` uses when --depth is not given: for a rule,
// and for a mask of the arity.
int default_smoothness_depth();
int default_mask_depth(int arity);

}  // namespace curvix
