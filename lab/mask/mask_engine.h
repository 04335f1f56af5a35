#pragma once
// The engine of `mask`: the insertion weights of one stencil of a scheme,
// their sum and the degree of the polynomials they reproduce.

#include <vector>

#include "lab/common/lab_engine.h"
#include "smoothness/exact_mask.h"
#include "subdivision/refine_levels.h"

namespace curvix {

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
LabRefusal stencil_mask(const LevelSettings& settings, const std::vector<double>& params,
                        MaskRow& row);

// The weights of a scheme's uniform stencil at the settings (for `smoothness --scheme`).
LabRefusal scheme_weights(const LevelSettings& settings, std::vector<double>& weights);

// The exact facts of a mask without problem: sum rules, generation and
// reproduction degree, tau and support (exact_mask.h).
LabRefusal describe_mask(const ExactMask& mask, MaskMoments& moments);

}  // namespace curvix
