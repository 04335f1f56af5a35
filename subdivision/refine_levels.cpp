#include "subdivision/refine_levels.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <system_error>
#include <thread>
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

// A thread costs tens of microseconds to start; a block of RBF stencils
// smaller than this would not repay it (one takes about half a microsecond).
constexpr int MIN_STENCILS_PER_THREAD = 1024;

// One contiguous block of a level's stencils and what it ended with.
struct StencilBlock {
  int first = 0;
  int last = 0;
  StencilScratch* scratch = nullptr;
  RefineResult result;
  double worst_condition = 0.0;
};

// Scratches for the threads beyond the calling one, kept from level to level.
using ExtraScratches = std::vector<std::unique_ptr<StencilScratch>>;

std::vector<StencilBlock> split_level(int size, int threads, StencilScratch& scratch,
                                      ExtraScratches& extra) {
  const int count = std::max(1, std::min(threads, size / MIN_STENCILS_PER_THREAD));
  while (static_cast<int>(extra.size()) < count - 1)
    extra.push_back(std::make_unique<StencilScratch>());
  std::vector<StencilBlock> blocks(static_cast<std::size_t>(count));
  for (int b = 0; b < count; ++b) {
    StencilBlock& block = blocks[static_cast<std::size_t>(b)];
    block.first = static_cast<int>(std::int64_t{size} * b / count);
    block.last = static_cast<int>(std::int64_t{size} * (b + 1) / count);
    block.scratch = b == 0 ? &scratch : extra[static_cast<std::size_t>(b - 1)].get();
  }
  return blocks;
}

// A level without an observer: every block on a thread of its own but the
// first, which the calling thread runs. The blocks write disjoint slots of
// `out`; a thread that cannot be started leaves its block to this thread.
// The first failing block holds the level's first failing stencil; the worst
// condition is the largest of the blocks', in any order.
RefineResult refine_level_split(const PlanarPoint* from, const double* t, int size,
                                const LevelSettings& level, bool measure_condition, int threads,
                                StencilScratch& scratch, ExtraScratches& extra,
                                double& worst_condition, PlanarPoint* out) {
  // A four-point stencil is a handful of products: a level of them is over
  // before a second thread would have started.
  const bool worth_splitting = is_rbf_scheme(level.subdivision.scheme);
  std::vector<StencilBlock> blocks =
      split_level(size, worth_splitting ? threads : 1, scratch, extra);
  const auto run = [&](StencilBlock& block) {
    block.result =
        refine_stencils(from, t, size, level.h, level.subdivision, block.first, block.last,
                        *block.scratch, measure_condition ? &block.worst_condition : nullptr, out);
  };
  std::vector<std::thread> workers;
  for (std::size_t b = 1; b < blocks.size(); ++b) {
    try {
      workers.emplace_back(run, std::ref(blocks[b]));
    } catch (const std::system_error&) {
      run(blocks[b]);
    }
  }
  run(blocks[0]);
  for (std::thread& worker : workers) worker.join();
  worst_condition = 0.0;
  for (const StencilBlock& block : blocks) {
    if (!block.result.refined) return block.result;
    worst_condition = std::max(worst_condition, block.worst_condition);
  }
  return RefineResult{true, -1};
}

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
                                 std::vector<std::vector<PlanarPoint>>& levels, int threads) {
  RefineLevelsResult result;
  result.next = first;
  levels.assign(1, std::vector<PlanarPoint>(points, points + n));
  std::vector<double> values(t, t + n);
  ConditionWatch watch(observer);
  StencilObserver* shown = measure_condition ? &watch : observer;
  ExtraScratches extra;
  for (int level = 1; level <= count; ++level) {
    const std::vector<PlanarPoint>& from = levels.back();
    const int size = static_cast<int>(from.size());
    std::vector<PlanarPoint> next(2 * from.size());
    double worst = 0.0;
    RefineResult refined;
    if (observer == nullptr) {
      refined = refine_level_split(from.data(), values.data(), size, result.next, measure_condition,
                                   threads, scratch, extra, worst, next.data());
    } else {
      refined = refine_closed_polygon(from.data(), values.data(), size, result.next.h,
                                      result.next.subdivision, scratch, shown, next.data());
      worst = watch.take_worst();
    }
    if (!refined.refined) {
      result.failed_level = level;
      result.failed_stencil = refined.failed_stencil;
      return result;
    }
    levels.push_back(std::move(next));
    result.reports.push_back(LevelReport{worst});
    result.next = next_level_settings(result.next);
    values.resize(2 * values.size());
    uniform_parameter_values(2 * size, result.next.h, values.data());
  }
  result.refined = true;
  return result;
}

}  // namespace curvix
