#include "subdivision/rbf_insertion.h"

#include "curves/rbf_curve.h"
#include "subdivision/rbf_stencil.h"

namespace curvix {

namespace {

// The mask and the point it gives are only worked out for an observer: the
// inserted point itself comes from the interpolant's coefficients.
void report_insertion(const double* params, const PlanarPoint* points, int s,
                      const RbfSettings& settings, double tc, int index, StencilScratch& scratch,
                      const PlanarPoint& inserted, StencilObserver& observer) {
  stencil_basis_values(params, s, settings, tc, scratch.values.data());
  stencil_mask(scratch.inverse, scratch.values.data(), s, settings.pd, scratch.weights.data());
  const PlanarPoint check = weighted_point(scratch.weights.data(), points, s);
  observer.point_inserted(InsertionRecord{index, scratch.weights.data(), s, check, inserted});
}

}  // namespace

bool rbf_insert(const double* params, const PlanarPoint* points, int s, const RbfSettings& settings,
                int index, StencilScratch& scratch, StencilObserver* observer, double* condition,
                PlanarPoint& inserted) {
  const bool inverted = observer != nullptr
                            ? invert_stencil(params, s, settings, scratch.inverse, observer)
                            : invert_stencil_fixed(params, s, settings, scratch, condition);
  if (!inverted) return false;
  stencil_coefficients(scratch.inverse, points, s, settings.pd, scratch.coefficients.data());
  const double tc = stencil_midpoint(params, s);
  const PlanarPoint p = rbf_evaluate(settings, scratch.coefficients.data(), params, s, tc);
  if (observer != nullptr)
    report_insertion(params, points, s, settings, tc, index, scratch, p, *observer);
  inserted = p;
  return true;
}

}  // namespace curvix
