#include "lab/common/sweep.h"

#include <cmath>

#include "lab/common/number_text.h"

namespace curvix {

namespace {

std::string names(bool tension) {
  return tension ? "r, c, h, w or mu" : "r, c or h";
}

bool parse_target(const std::string& name, bool tension, SweepTarget& target) {
  if (tension && name == "w")
    target = SweepTarget::W;
  else if (tension && name == "mu")
    target = SweepTarget::MU;
  else if (name == "r")
    target = SweepTarget::R;
  else if (name == "c")
    target = SweepTarget::C;
  else if (name == "h")
    target = SweepTarget::H;
  else
    return false;
  return true;
}

bool parse_range(const std::string& range, Sweep& sweep) {
  const std::size_t first = range.find(':');
  if (first == std::string::npos) return false;
  const std::size_t second = range.find(':', first + 1);
  if (second == std::string::npos) return false;
  return parse_double(range.substr(0, first), sweep.from) == NumberParse::OK &&
         parse_double(range.substr(first + 1, second - first - 1), sweep.to) == NumberParse::OK &&
         parse_double(range.substr(second + 1), sweep.step) == NumberParse::OK;
}

// The largest k with FROM + k * STEP within the tolerance of TO, as a double
// so that an absurd range is refused before anything is counted.
double last_index(const Sweep& sweep) {
  return std::floor((sweep.to - sweep.from) / sweep.step + SWEEP_END_TOLERANCE);
}

}  // namespace

LabStatus parse_sweep(const std::string& text, bool tension, Sweep& sweep) {
  const std::string shape = "expected --sweep NAME=FROM:TO:STEP with NAME " + names(tension);
  const std::size_t equals = text.find('=');
  if (equals == std::string::npos) return usage_error(shape);
  sweep.name = text.substr(0, equals);
  if (!parse_target(sweep.name, tension, sweep.target)) {
    return usage_error("unknown sweep name '" + sweep.name + "' (expected " + names(tension) + ")");
  }
  if (!parse_range(text.substr(equals + 1), sweep)) return usage_error(shape);
  if (!(sweep.step > 0.0)) return usage_error("sweep STEP must be positive");
  if (sweep.from > sweep.to) return usage_error("sweep FROM must not exceed TO");
  if (!(last_index(sweep) < MAX_SWEEP_ROWS)) {
    return usage_error("sweep gives more than " + std::to_string(MAX_SWEEP_ROWS) + " rows");
  }
  return {};
}

std::vector<double> sweep_values(const Sweep& sweep) {
  const int last = static_cast<int>(last_index(sweep));
  std::vector<double> values;
  for (int k = 0; k <= last; ++k) values.push_back(sweep.from + k * sweep.step);
  return values;
}

void apply_sweep_value(SweepTarget target, double value, LevelSettings& settings) {
  switch (target) {
    case SweepTarget::R: settings.subdivision.rbf.r = value; break;
    case SweepTarget::C: settings.subdivision.rbf.c = value; break;
    case SweepTarget::H: settings.h = value; break;
    case SweepTarget::W: settings.subdivision.tension = value; break;
    case SweepTarget::MU: break;  // a mask's parameter: the command sets it on its mask source
  }
}

}  // namespace curvix
