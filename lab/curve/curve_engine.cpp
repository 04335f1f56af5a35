#include "lab/curve/curve_engine.h"

#include <cassert>

#include "curves/bezier_curve.h"
#include "curves/curve_sampling.h"
#include "curves/lagrange_curve.h"
#include "curves/rbf_curve.h"

namespace curvix {

namespace {

LabRefusal rbf_curve_samples(const RbfSettings& rbf, const std::vector<PlanarPoint>& points,
                             const std::vector<double>& t, int segments,
                             std::vector<PlanarPoint>& samples) {
  const int n = static_cast<int>(points.size());
  std::vector<RbfCoefficient> coefficients(static_cast<std::size_t>(n + rbf.pd + 1));
  if (!rbf_solve(rbf, points.data(), t.data(), n, coefficients.data()))
    return LabRefusal::SINGULAR_CURVE_SYSTEM;
  rbf_samples(rbf, coefficients.data(), t.data(), n, segments, samples.data());
  return LabRefusal::NONE;
}

}  // namespace

LabRefusal sample_curve(CurveMode kind, const LevelSettings& settings, int samples,
                        const std::vector<double>& knots, const std::vector<PlanarPoint>& input,
                        std::vector<PlanarPoint>& samples_out) {
  assert(!input.empty() && samples >= 2 && settings.subdivision.rbf.pd >= 0);
  assert(knots.empty() || knots.size() == input.size());
  const int n = static_cast<int>(input.size());
  const std::vector<double> t = knots.empty() ? uniform_values(n, settings.h) : knots;
  const int segments = samples - 1;
  std::vector<PlanarPoint> curve(static_cast<std::size_t>(samples));
  switch (kind) {
    case CURVE_LAGRANGE: lagrange_samples(input.data(), t.data(), n, segments, curve.data()); break;
    case CURVE_BEZIER: bezier_samples(input.data(), n, segments, curve.data()); break;
    case CURVE_RBF: {
      const LabRefusal refusal =
          rbf_curve_samples(settings.subdivision.rbf, input, t, segments, curve);
      if (refusal != LabRefusal::NONE) return refusal;
      break;
    }
    case CURVE_NONE: assert(false && "no curve to sample"); break;
  }
  if (!samples_finite(curve.data(), samples)) return LabRefusal::SAMPLES_NOT_FINITE;
  samples_out = std::move(curve);
  return LabRefusal::NONE;
}

}  // namespace curvix
