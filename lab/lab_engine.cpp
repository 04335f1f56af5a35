#include "lab/lab_engine.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "curves/bezier_curve.h"
#include "curves/curve_sampling.h"
#include "curves/lagrange_curve.h"
#include "curves/rbf_curve.h"
#include "lab/number_text.h"
#include "subdivision/four_point_rule.h"
#include "subdivision/mask_moments.h"
#include "subdivision/rbf_stencil.h"
#include "subdivision/refine_level.h"
#include "subdivision/smoothness_report.h"
#include "subdivision/stencil_observer.h"

// Index
// - Settings and points
// - Masks
// - Refinement
// - Curves
// - Smoothness

namespace {

using curvix::DD_TENSION;
using curvix::FOUR_POINT_STENCIL;
using curvix::PlanarPoint;
using curvix::RbfCoefficient;
using curvix::RbfSettings;

// Stencil systems worse than this have lost about 12 of their 16 digits: the
// flat limit (spacing small against r) that deep levels reach without
// stationary mode.
constexpr double CONDITION_WARNING = 1e12;
constexpr double LEVEL_SPACING_FACTOR = 0.5;  // each level halves the spacing, as in the program
constexpr double STATIONARY_R_FACTOR = 0.5;   // stationary mode keeps r in ratio to the spacing

// ------------------------------------------------------------------ Settings and points

RbfSettings rbf_settings(const LabSettings& settings) {
  RbfSettings rbf;
  rbf.basis = static_cast<BasisKind>(settings.basis);
  rbf.c = settings.c;
  rbf.r = settings.r;
  rbf.pd = settings.pd;
  return rbf;
}

bool is_rbf(LabScheme scheme) {
  return scheme == LabScheme::RBF4 || scheme == LabScheme::RBF6;
}

int stencil_size(LabScheme scheme) {
  return scheme == LabScheme::RBF6 ? 6 : FOUR_POINT_STENCIL;
}

curvix::SubdivisionSettings subdivision_settings(LabScheme scheme, const LabSettings& settings) {
  curvix::SubdivisionSettings subdivision;
  switch (scheme) {
    case LabScheme::RBF4: subdivision.scheme = SCHEME_RBF4; break;
    case LabScheme::RBF6: subdivision.scheme = SCHEME_RBF6; break;
    case LabScheme::NR4: subdivision.scheme = SCHEME_NR4; break;
    case LabScheme::DD: subdivision.scheme = SCHEME_DD; break;
  }
  subdivision.rbf = rbf_settings(settings);
  subdivision.tension = settings.w;
  return subdivision;
}

std::vector<PlanarPoint> planar(const std::vector<LabPoint>& points) {
  std::vector<PlanarPoint> out(points.size());
  std::transform(points.begin(), points.end(), out.begin(), [](const LabPoint& p) {
    return PlanarPoint{p.x, p.y};
  });
  return out;
}

std::vector<LabPoint> lab_points(const std::vector<PlanarPoint>& points) {
  std::vector<LabPoint> out(points.size());
  std::transform(points.begin(), points.end(), out.begin(), [](const PlanarPoint& p) {
    return LabPoint{p.x, p.y};
  });
  return out;
}

// t_i = i h for i = 0..n-1: the program's (i - 1) h over 1-based indices.
std::vector<double> uniform_values(int n, double h) {
  std::vector<double> t(static_cast<std::size_t>(n));
  for (int k = 0; k < n; ++k) t[static_cast<std::size_t>(k)] = static_cast<double>(k) * h;
  return t;
}

LabFailure failed(const std::string& message) {
  return LabFailure{message};
}

// ------------------------------------------------------------------ Masks

// The four-point rule's weights as the rule itself computes them: its value
// for data 1 at one stencil position and 0 at the others.
std::vector<double> four_point_weights(double tension) {
  std::vector<double> weights(FOUR_POINT_STENCIL);
  for (int m = 0; m < FOUR_POINT_STENCIL; ++m) {
    double s[FOUR_POINT_STENCIL] = {0.0, 0.0, 0.0, 0.0};
    s[m] = 1.0;
    weights[static_cast<std::size_t>(m)] =
        curvix::four_point_value(s[0], s[1], s[2], s[3], tension);
  }
  return weights;
}

double tension_of(LabScheme scheme, const LabSettings& settings) {
  return scheme == LabScheme::DD ? DD_TENSION : settings.w;
}

LabFailure rbf_weights(const std::vector<double>& params, const LabSettings& settings,
                       std::vector<double>& weights) {
  const int s = static_cast<int>(params.size());
  const RbfSettings rbf = rbf_settings(settings);
  if (!curvix::stencil_system_admissible(params.data(), s, rbf.pd))
    return failed("no stencil system for degree " + std::to_string(rbf.pd) + " over " +
                  std::to_string(s) + " points (the degree must be below the stencil size)");
  auto scratch = std::make_unique<curvix::StencilScratch>();
  weights.assign(params.size(), 0.0);
  if (!curvix::rbf_stencil_mask(params.data(), s, rbf, *scratch, weights.data()))
    return failed("singular stencil system at these settings");
  return {};
}

}  // namespace

LabFailure compute_mask(LabScheme scheme, const LabSettings& settings,
                        const std::vector<double>& params, MaskRow& row) {
  row = MaskRow{};
  if (is_rbf(scheme)) {
    row.params = params.empty() ? uniform_values(stencil_size(scheme), settings.h) : params;
    if (LabFailure failure = rbf_weights(row.params, settings, row.weights);
        !failure.message.empty())
      return failure;
  } else {
    row.weights = four_point_weights(tension_of(scheme, settings));
  }
  for (const double w : row.weights) row.sum += w;
  const int s = static_cast<int>(row.weights.size());
  row.reproduction_degree =
      is_rbf(scheme) ? reproduction_degree(row.weights, row.params,
                                           curvix::stencil_midpoint(row.params.data(), s))
                     : reproduction_degree(row.weights, uniform_nodes(s), 0.0);
  return {};
}

LabFailure scheme_weights(LabScheme scheme, const LabSettings& settings,
                          std::vector<double>& weights) {
  MaskRow row;
  LabFailure failure = compute_mask(scheme, settings, {}, row);
  weights = row.weights;
  return failure;
}

// ------------------------------------------------------------------ Refinement

namespace {

double one_norm(const Matrix& a, int k) {
  double largest = 0.0;
  for (int j = 1; j <= k; ++j) {
    double column = 0.0;
    for (int i = 1; i <= k; ++i) column += std::fabs(a[i][j]);
    largest = std::max(largest, column);
  }
  return largest;
}

// The worst 1-norm condition number of the stencil systems of one level.
class ConditionWatch : public curvix::StencilObserver {
 public:
  void system_built(const Matrix& system, int k) override { system_norm_ = one_norm(system, k); }
  void system_inverted(const Matrix& inverse, int k) override {
    worst_ = std::max(worst_, system_norm_ * one_norm(inverse, k));
  }
  void point_inserted(const curvix::InsertionRecord&) override {}

  double worst() const { return worst_; }
  void start_level() { worst_ = 0.0; }

 private:
  double system_norm_ = 0.0;
  double worst_ = 0.0;
};

LabFailure check_input(const RefineRequest& request, const std::vector<LabPoint>& input) {
  if (input.size() < 2) return failed("refine needs at least 2 points");
  if (!request.knots.empty() && request.knots.size() != input.size())
    return failed("--knots gives " + std::to_string(request.knots.size()) + " values for " +
                  std::to_string(input.size()) + " points");
  if (request.levels < 1) return failed("--levels must be at least 1");
  return {};
}

}  // namespace

// Level by level as the program's subdivision command: the first level uses
// the given (or uniform) parameter values with spacing h; each level then
// doubles the count, halves h, makes the values uniform (t_k = k h) and, in
// stationary mode, halves r for the RBF schemes.
LabFailure refine_polygon(const RefineRequest& request, const std::vector<LabPoint>& input,
                          RefineResult& out) {
  out = RefineResult{};
  if (LabFailure failure = check_input(request, input); !failure.message.empty()) return failure;
  curvix::SubdivisionSettings settings = subdivision_settings(request.scheme, request.settings);
  double h = request.settings.h;
  std::vector<PlanarPoint> level = planar(input);
  std::vector<double> t =
      request.knots.empty() ? uniform_values(static_cast<int>(level.size()), h) : request.knots;
  auto scratch = std::make_unique<curvix::StencilScratch>();
  ConditionWatch watch;
  out.levels.push_back(input);
  for (int l = 1; l <= request.levels; ++l) {
    const int n = static_cast<int>(level.size());
    std::vector<PlanarPoint> next(2 * level.size());
    watch.start_level();
    const curvix::RefineResult result =
        curvix::refine_closed_polygon(level.data(), t.data(), n, h, settings, *scratch,
                                      is_rbf(request.scheme) ? &watch : nullptr, next.data());
    if (!result.refined)
      return failed("singular stencil system at level " + std::to_string(l) + ", index " +
                    std::to_string(result.failed_stencil));
    if (watch.worst() > CONDITION_WARNING)
      out.warnings.push_back(
          "level " + std::to_string(l) + ": worst condition number of the stencil systems is " +
          short_number(watch.worst()) + " (above 1e12: digits are being lost; try --stationary)");
    level = std::move(next);
    h *= LEVEL_SPACING_FACTOR;
    t = uniform_values(2 * n, h);
    if (request.stationary && is_rbf(request.scheme)) settings.rbf.r *= STATIONARY_R_FACTOR;
    out.levels.push_back(lab_points(level));
  }
  return {};
}

// ------------------------------------------------------------------ Curves

namespace {

LabFailure rbf_curve_samples(const RbfSettings& rbf, const std::vector<PlanarPoint>& points,
                             const std::vector<double>& t, int segments,
                             std::vector<PlanarPoint>& samples) {
  const int n = static_cast<int>(points.size());
  if (rbf.pd < 0) return failed("--pd must not be negative");
  std::vector<RbfCoefficient> coefficients(static_cast<std::size_t>(n + rbf.pd + 1));
  if (!curvix::rbf_solve(rbf, points.data(), t.data(), n, coefficients.data()))
    return failed("the RBF interpolation system is singular at these settings");
  curvix::rbf_samples(rbf, coefficients.data(), t.data(), n, segments, samples.data());
  return {};
}

}  // namespace

LabFailure sample_curve(LabCurve kind, const LabSettings& settings, int samples,
                        const std::vector<double>& knots, const std::vector<LabPoint>& input,
                        std::vector<LabPoint>& samples_out) {
  if (input.empty()) return failed("a curve needs at least 1 point");
  if (samples < 2) return failed("--samples must be at least 2");
  if (!knots.empty() && knots.size() != input.size())
    return failed("--knots gives " + std::to_string(knots.size()) + " values for " +
                  std::to_string(input.size()) + " points");
  const std::vector<PlanarPoint> points = planar(input);
  const int n = static_cast<int>(points.size());
  const std::vector<double> t = knots.empty() ? uniform_values(n, settings.h) : knots;
  const int segments = samples - 1;
  std::vector<PlanarPoint> curve(static_cast<std::size_t>(samples));
  switch (kind) {
    case LabCurve::LAGRANGE:
      curvix::lagrange_samples(points.data(), t.data(), n, segments, curve.data());
      break;
    case LabCurve::BEZIER: curvix::bezier_samples(points.data(), n, segments, curve.data()); break;
    case LabCurve::RBF:
      if (LabFailure failure =
              rbf_curve_samples(rbf_settings(settings), points, t, segments, curve);
          !failure.message.empty())
        return failure;
      break;
  }
  if (!curvix::samples_finite(curve.data(), samples))
    return failed("the curve has samples that are not finite numbers");
  samples_out = lab_points(curve);
  return {};
}

// ------------------------------------------------------------------ Smoothness

LabFailure analyse_rule(const std::vector<double>& weights, int depth, SmoothnessSummary& out) {
  const SmoothnessReport report = analyse_smoothness(weights, depth);
  out = SmoothnessSummary{};
  out.weights = weights;
  switch (report.status) {
    case SmoothnessStatus::invalid_rule:
      return failed(
          "not a binary interpolatory rule: give an even number (2 or more) of finite "
          "weights");
    case SmoothnessStatus::not_convergent:
      out.holder_lower = std::numeric_limits<double>::quiet_NaN();
      out.holder_upper = std::numeric_limits<double>::quiet_NaN();
      out.notes = report.notes;
      out.notes.push_back(
          "the weights do not sum to 1 (even up to rounding): the scheme does not "
          "converge");
      return {};
    case SmoothnessStatus::analysed: break;
  }
  out.sum_rules = report.sum_rules;
  out.reproduction_degree = report.reproduction_degree;
  out.holder_lower = report.holder_lower;
  out.holder_upper = report.holder_upper;
  out.smoothness_class = report.smoothness_class;
  out.notes = report.notes;
  return {};
}

int default_smoothness_depth() {
  return DEFAULT_REGULARITY_DEPTH;
}
