#pragma once
// What curvix-lab computes, over the maths libraries. The front end checks
// the command line and the input before it calls these functions: counts,
// ranges and matching lengths are preconditions here. What can still fail is
// the computation itself, which comes back as a LabRefusal and the values
// behind it; the front end words them for the user.
//
// Points are in the program's stored coordinates: x to the right, y downward.

#include <vector>

#include "curves/curve_mode.h"
#include "curves/planar_point.h"
#include "smoothness/certified_smoothness.h"
#include "smoothness/scheme_mode.h"
#include "subdivision/refine_levels.h"

namespace curvix {

// Why a computation was refused.
enum class LabRefusal {
  NONE,
  NO_STENCIL_SYSTEM,      // the polynomial degree is not below the stencil size
  SINGULAR_STENCIL,       // the solver found a stencil system singular
  SINGULAR_CURVE_SYSTEM,  // the solver found the RBF curve's system singular
  SAMPLES_NOT_FINITE,     // the curve has samples that are not finite numbers
  NOT_A_RULE,             // not an even number (2 or more) of finite weights
};

// One stencil's insertion rule.
struct MaskRow {
  std::vector<double> params;  // the stencil's parameter values; empty for the four-point schemes
  std::vector<double> weights;
  double sum = 0.0;
  int reproduction_degree = -1;  // highest degree of polynomials reproduced; -1: not even constants
  bool four_point = false;       // a symmetric 4-point rule that reproduces constants
  double tension = 0.0;          // then the four-point rule's tension w = -(outer weight)
};

// The insertion weights of one stencil of settings.subdivision.scheme at the
// settings. `params` gives the stencil's parameter values for an RBF scheme
// (the scheme's stencil size of them, strictly increasing); empty means
// T_m = (m - 1) h. Ignored for the four-point schemes.
LabRefusal compute_mask(const LevelSettings& settings, const std::vector<double>& params,
                        MaskRow& row);

// The weights of a scheme's uniform stencil at the settings (for `smoothness --scheme`).
LabRefusal scheme_weights(const LevelSettings& settings, std::vector<double>& weights);

struct RefineRequest {
  LevelSettings first;        // the scheme, its settings, h and stationary mode
  int levels = 1;             // >= 1
  std::vector<double> knots;  // one per input point, strictly increasing; empty = uniform
  int threads = 0;            // a level's stencils split over this many; 0: one per core
};

struct Refinement {
  std::vector<std::vector<PlanarPoint>> levels;  // levels[0] = input, then one per level
  RefineLevelsResult result;  // per-level condition numbers; where a refusal happened
};

// Refines the closed polygon `input` (at least 2 points) request.levels
// times, exactly as the program's subdivision command does, measuring the
// condition of the RBF stencil systems. The threads change only the time:
// every number has the same bits for any count.
LabRefusal refine_polygon(const RefineRequest& request, const std::vector<PlanarPoint>& input,
                          Refinement& out);

// `samples` (>= 2) points of the curve of the given kind (not CURVE_NONE) over
// `input` (at least 1 point), with the knots as for refine_polygon and the
// RBF settings and spacing of `settings`.
LabRefusal sample_curve(CurveMode kind, const LevelSettings& settings, int samples,
                        const std::vector<double>& knots, const std::vector<PlanarPoint>& input,
                        std::vector<PlanarPoint>& samples_out);

// A rule's smoothness: the depth bounds, then the exact regularity or the
// tightened bounds (certified_smoothness.h), and, for a symmetric 4-point
// rule, its tension; both of the analysed weights (smoothness.bounds), which
// may have been moved onto their sum rules.
struct RuleAnalysis {
  CertifiedSmoothness smoothness;
  bool four_point = false;
  double tension = 0.0;
};

// Analyses the interpolatory rule with the given insertion weights, using
// depth >= 1 steps for the Hölder estimates. A report whose status is
// NOT_CONVERGENT is a result, not a refusal.
LabRefusal analyse_rule(const std::vector<double>& weights, int depth, RuleAnalysis& out);

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

// The depth that `smoothness` uses when --depth is not given.
int default_smoothness_depth();

}  // namespace curvix
