#include "subdivision/refine_level.h"

#include <cstddef>

#include "subdivision/closed_stencil.h"
#include "subdivision/four_point_rule.h"
#include "subdivision/rbf_insertion.h"

namespace curvix {

namespace {

double four_point_tension(const SubdivisionSettings& settings) {
  return settings.scheme == SCHEME_NR4 ? settings.tension : DD_TENSION;
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
  const int s = stencil_size_of(settings);
  if (s < 2 || s % 2 != 0) return RefineResult{};
  const bool rbf = is_rbf_scheme(settings.scheme);
  scratch.points.resize(static_cast<std::size_t>(s));
  scratch.params.resize(static_cast<std::size_t>(s));
  for (int i = 0; i < n; ++i) {
    gather_closed_stencil(points, t, n, h, i, s, scratch.points.data(),
                          rbf ? scratch.params.data() : nullptr);
    out[2 * i] = points[i];
    PlanarPoint inserted;
    if (!rbf) {
      inserted = four_point_insert(scratch.points.data(), four_point_tension(settings));
    } else if (!rbf_insert(scratch.params.data(), scratch.points.data(), s, settings.rbf, i,
                           scratch, observer, inserted)) {
      return RefineResult{false, i};
    }
    out[2 * i + 1] = inserted;
  }
  return RefineResult{true, -1};
}

}  // namespace curvix
