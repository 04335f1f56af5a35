#pragma once
// A FAKE engine for testing the curvix-lab front end. Its results are fixed,
// cheap and known to the tests; none of it is the real maths.
//   stencil_mask:    weights FAKE_WEIGHTS[m] * r (4 of them, or 6 for rbf6),
//                    params as given or (m - 1) h (empty for nr4/dd), degree 3;
//                    fails for r <= 0.
//   refine_polygon:  each level inserts the midpoint after every point (closed);
//                    fails for r <= 0 (level 1, index 0); every level has
//                    condition number FAKE_CONDITION for c >= FAKE_WARNING_C, else 1.
//   sample_curve:    sample k = (x0 + k / 3, y0 + k / 7) from the first point;
//                    rbf fails with fewer than 2 points.
//   stencil_mask:    a four-point rule with tension -w1 when there are 4 weights.
//   analyse_rule:    analyses weights moved onto their sum: the last weight
//                    becomes 1 - (the others) when they miss 1 by at most
//                    FAKE_ROUNDING (but do miss it), with `corrected` set; FAKE_HOLDER_* depth
//                    bounds, C1 proved and C2 excluded, not exact (no second step); 4 weights are a
//                    four-point rule of tension -w1; fails for an all-zero rule.
//   analyse_scheme_levels: the levels' settings by next_level_settings, masks
//                    by stencil_mask, conditions as refine's; stationary
//                    exactly in stationary mode; otherwise the limit
//                    FAKE_LIMIT_WEIGHTS (4 or 6 of them) at distance 2^-level,
//                    rate 1/2 measured at level 2, confirmed, similarity order 0.
//   describe_mask:   FAKE_MASK_SUM_RULES sum rules, generation one less, reproduction
//                    degree 1, tau 1/3, support the taps' indices; fails for a mask
//                    with a problem.
//   analyse_mask:    those facts, FAKE_HOLDER_* bounds, C1 proved and C2 excluded, not exact.
//   limit_function:  FAKE_LIMIT_VALUES at x = (i - 2) / 2, one derivative: their
//                    differences; fails as analyse_mask does.
//   default_mask_depth: FAKE_DEPTH + the arity.

constexpr double FAKE_WEIGHTS[6] = {-0.0625,   0.1,   1.0 / 3.0, 0.56250000000000011,
                                    2.0 / 3.0, 1e-300};
constexpr double FAKE_WARNING_C = 100.0;
constexpr double FAKE_CONDITION = 2e13;  // past the limit at which refine warns
constexpr double FAKE_HOLDER_LOWER = 1.0 / 3.0;
constexpr double FAKE_HOLDER_UPPER = 2.0 / 3.0;
constexpr int FAKE_DEPTH = 7;
constexpr double FAKE_ROUNDING = 1e-3;
constexpr double FAKE_LIMIT_WEIGHTS[6] = {0.25, 0.25, 0.25, 0.25, 0.0, 0.0};
constexpr int FAKE_MASK_SUM_RULES = 2;
constexpr double FAKE_LIMIT_VALUES[5] = {0.0, 0.5, 1.0, 0.5, 0.0};
