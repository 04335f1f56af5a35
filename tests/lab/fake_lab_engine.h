#pragma once
// A FAKE engine for testing the curvix-lab front end. Its results are fixed,
// cheap and known to the tests; none of it is the real maths.
//   compute_mask:    weights FAKE_WEIGHTS[m] * r (4 of them, or 6 for rbf6),
//                    params as given or (m - 1) h (empty for nr4/dd), degree 3;
//                    fails for r <= 0.
//   refine_polygon:  each level inserts the midpoint after every point (closed);
//                    fails for r <= 0 (level 1, index 0); every level has
//                    condition number FAKE_CONDITION for c >= FAKE_WARNING_C, else 1.
//   sample_curve:    sample k = (x0 + k / 3, y0 + k / 7) from the first point;
//                    rbf fails with fewer than 2 points.
//   analyse_rule:    echoes the weights with FAKE_HOLDER_* bounds, C1 proved and
//                    C2 excluded; fails for an all-zero rule.

constexpr double FAKE_WEIGHTS[6] = {-0.0625,   0.1,   1.0 / 3.0, 0.56250000000000011,
                                    2.0 / 3.0, 1e-300};
constexpr double FAKE_WARNING_C = 100.0;
constexpr double FAKE_CONDITION = 2e13;  // past the limit at which refine warns
constexpr double FAKE_HOLDER_LOWER = 1.0 / 3.0;
constexpr double FAKE_HOLDER_UPPER = 2.0 / 3.0;
constexpr int FAKE_DEPTH = 7;
