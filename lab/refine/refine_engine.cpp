#include "lab/refine/refine_engine.h"

#include <algorithm>
#include <cassert>
#include <memory>
#include <thread>
#include <utility>

namespace curvix {

namespace {

// The threads asked for, or one per core when 0 (or when the count of cores is unknown, one).
int thread_count(int asked) {
  if (asked > 0) return asked;
  return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

void refine_polygon_by_mask(const RefineRequest& request, const std::vector<PlanarPoint>& input,
                            Refinement& out) {
  out.levels.assign(1, input);
  for (int level = 1; level <= request.levels; ++level) {
    const std::vector<PlanarPoint>& points = out.levels.back();
    std::vector<PlanarPoint> refined(points.size() * static_cast<std::size_t>(request.mask.arity));
    refine_by_mask(points.data(), static_cast<int>(points.size()), request.mask, refined.data());
    out.levels.push_back(std::move(refined));
  }
  out.result.refined = true;
}

}  // namespace

LabRefusal refine_polygon(const RefineRequest& request, const std::vector<PlanarPoint>& input,
                          Refinement& out) {
  assert(input.size() >= 2 && request.levels >= 1);
  if (request.by_mask) {
    refine_polygon_by_mask(request, input, out);
    return LabRefusal::NONE;
  }
  assert(request.knots.empty() || request.knots.size() == input.size());
  const int n = static_cast<int>(input.size());
  const std::vector<double> t =
      request.knots.empty() ? uniform_values(n, request.first.h) : request.knots;
  auto scratch = std::make_unique<StencilScratch>();
  out.result = refine_levels(input.data(), t.data(), n, request.first, request.levels, true,
                             *scratch, nullptr, out.levels, thread_count(request.threads));
  return out.result.refined ? LabRefusal::NONE : LabRefusal::SINGULAR_STENCIL;
}

}  // namespace curvix
