#include "subdivision/stencil_condition.h"

#include "linalg/matrix_norm.h"
#include "subdivision/rbf_stencil.h"
#include "subdivision/stencil_observer.h"

namespace curvix {

namespace {

// Keeps the norms of the system and of its inverse as the solver shows them.
class ConditionOfOne : public StencilObserver {
 public:
  void system_built(const Matrix& system, int k) override { system_norm = norm_1(system, k); }
  void system_inverted(const Matrix& inverse, int k) override {
    condition = system_norm * norm_1(inverse, k);
  }
  void point_inserted(const InsertionRecord&) override {}

  double system_norm = 0.0;
  double condition = 0.0;
};

}  // namespace

double stencil_condition(const double* params, int s, const RbfSettings& settings,
                         StencilScratch& scratch) {
  ConditionOfOne watch;
  if (!invert_stencil(params, s, settings, scratch.inverse, &watch)) return 0.0;
  return watch.condition;
}

}  // namespace curvix
