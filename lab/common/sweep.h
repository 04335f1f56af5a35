#pragma once
// --sweep NAME=FROM:TO:STEP: one row per value of r, c or h (mask and
// smoothness), of the four-point tension w or the ternary four-point
// scheme's mu (smoothness). Values are FROM + k * STEP (never
// accumulated, so the last value does not drift), for k = 0, 1, ... while the value stays within TO
// plus a small fraction of STEP, which keeps TO itself when rounding lands just past it.

#include <string>
#include <vector>

#include "lab/common/lab_status.h"
#include "subdivision/refine_levels.h"

namespace curvix {

constexpr int MAX_SWEEP_ROWS = 10000;
constexpr double SWEEP_END_TOLERANCE = 1e-9;  // fraction of STEP by which TO may be overshot

enum class SweepTarget { R, C, H, W, MU };

struct Sweep {
  SweepTarget target = SweepTarget::R;
  std::string name;  // "r", "c", "h", "w" or "mu", as typed
  double from = 0.0;
  double to = 0.0;
  double step = 1.0;
};

// Parses the option's value. Usage errors for an unknown NAME (w only when
// and mu only when `tension` allows them), a malformed or non-finite number, STEP <= 0, FROM > TO
// and more than MAX_SWEEP_ROWS rows.
LabStatus parse_sweep(const std::string& text, bool tension, Sweep& sweep);

// The swept values, in increasing order; at least one (FROM).
std::vector<double> sweep_values(const Sweep& sweep);

// Sets the swept setting to value.
void apply_sweep_value(SweepTarget target, double value, LevelSettings& settings);

}  // namespace curvix
