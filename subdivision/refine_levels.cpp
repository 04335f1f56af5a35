#include "subdivision/refine_levels.h"

#include <algorithm>
#include <utility>

#include "linalg/matrix_norm.h"

namespace curvix {

namespace {

// Measures the condition of each stencil system of a level and passes
// everything on to the caller's observer.
class ConditionWatch : public StencilObserver {
 public:
  explicit ConditionWatch(StencilObserver* next) : next_(next) {}

  void system_built(const Matrix& system, int k) override {
    system_norm_ = norm_1(system, k);
    if (next_ != nullptr) next_->system_built(system, k);
  }
  void system_inverted(const Matrix& inverse, int k) override {
    worst_ = std::max(worst_, system_norm_ * norm_1(inverse, k));
    if (next_ != nullptr) next_->system_inverted(inverse, k);
  }
  void point_inserted(const InsertionRecord& record) override {
    if (next_ != nullptr) next_->point_inserted(record);
  }

  double take_worst() { return std::exchange(worst_, 0.0); }

 private:
  StencilObserver* next_;
  double system_norm_ = 0.0;
  double worst_ = 0.0;
};

}  // namespace

LevelSettings next_level_settings(const LevelSettings& level) {
  LevelSettings next = level;
  next.h *= LEVEL_SPACING_FACTOR;
  if (level.stationary && scheme_info(level.subdivision.scheme).halves_r_when_stationary)
    next.subdivision.rbf.r *= STATIONARY_R_FACTOR;
  return next;
}

void uniform_parameter_values(int n, double h, double* t) {
  for (int k = 0; k < n; ++k) t[k] = static_cast<double>(k) * h;
}

RefineLevelsResult refine_levels(const PlanarPoint* points, const double* t, int n,
                                 const LevelSettings& first, int count, bool measure_condition,
                                 StencilScratch& scratch, StencilObserver* observer,
                                 std::vector<std::vector<PlanarPoint>>& levels) {
  RefineLevelsResult result;
  result.next = first;
  levels.assign(1, std::vector<PlanarPoint>(points, points + n));
  std::vector<double> values(t, t + n);
  ConditionWatch watch(observer);
  StencilObserver* shown = measure_condition ? &watch : observer;
  for (int level = 1; level <= count; ++level) {
    const std::vector<PlanarPoint>& from = levels.back();
    const int size = static_cast<int>(from.size());
    std::vector<PlanarPoint> next(2 * from.size());
    const RefineResult refined =
        refine_closed_polygon(from.data(), values.data(), size, result.next.h,
                              result.next.subdivision, scratch, shown, next.data());
    if (!refined.refined) {
      result.failed_level = level;
      result.failed_stencil = refined.failed_stencil;
      return result;
    }
    levels.push_back(std::move(next));
    result.reports.push_back(LevelReport{watch.take_worst()});
    result.next = next_level_settings(result.next);
    values.resize(2 * values.size());
    uniform_parameter_values(2 * size, result.next.h, values.data());
  }
  result.refined = true;
  return result;
}

}  // namespace curvix
