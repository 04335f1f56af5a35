#include "subdivision/refine_closed_polygon.h"

#include <algorithm>
#include <cstddef>

#include "subdivision/closed_stencil.h"
#include "subdivision/four_point_rule.h"
#include "subdivision/rbf_insertion.h"

namespace curvix {

namespace {

double scheme_tension(const SubdivisionSettings& settings) {
  return settings.scheme == SCHEME_NR4 ? settings.tension : DD_TENSION;
}

// Stencils first..last-1; an observer (serial callers only) or the condition
// measure, never both.
RefineResult refine_range(const PlanarPoint* points, const double* t, int n, double h,
                          const SubdivisionSettings& settings, int first, int last,
                          StencilScratch& scratch, StencilObserver* observer,
                          double* worst_condition, PlanarPoint* out) {
  const int s = stencil_size_of(settings);
  if (s < 2 || s % 2 != 0) return RefineResult{};
  const bool rbf = is_rbf_scheme(settings.scheme);
  scratch.points.resize(static_cast<std::size_t>(s));
  scratch.params.resize(static_cast<std::size_t>(s));
  double condition = 0.0;
  double* measured = worst_condition != nullptr ? &condition : nullptr;
  for (int i = first; i < last; ++i) {
    gather_closed_stencil(points, t, n, h, i, s, scratch.points.data(),
                          rbf ? scratch.params.data() : nullptr);
    out[2 * i] = points[i];
    PlanarPoint inserted;
    if (!rbf) {
      inserted = four_point_insert(scratch.points.data(), scheme_tension(settings));
    } else if (!rbf_insert(scratch.params.data(), scratch.points.data(), s, settings.rbf, i,
                           scratch, observer, measured, inserted)) {
      return RefineResult{false, i};
    } else if (measured != nullptr) {
      *worst_condition = std::max(*worst_condition, condition);
    }
    out[2 * i + 1] = inserted;
  }
  return RefineResult{true, -1};
}

}  // namespace

int stencil_size_of(const SubdivisionSettings& settings) {
  if (is_rbf_scheme(settings.scheme) && settings.rbf_stencil_size != 0)
    return settings.rbf_stencil_size;
  return scheme_info(settings.scheme).stencil_size;
}

RefineResult refine_closed_polygon(const PlanarPoint* points, const double* t, int n, double h,
                                   const SubdivisionSettings& settings, StencilScratch& scratch,
                                   StencilObserver* observer, PlanarPoint* out) {
  return refine_range(points, t, n, h, settings, 0, n, scratch, observer, nullptr, out);
}

RefineResult refine_stencils(const PlanarPoint* points, const double* t, int n, double h,
                             const SubdivisionSettings& settings, int first, int last,
                             StencilScratch& scratch, double* worst_condition, PlanarPoint* out) {
  return refine_range(points, t, n, h, settings, first, last, scratch, nullptr, worst_condition,
                      out);
}

}  // namespace curvix
