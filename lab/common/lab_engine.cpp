#include "lab/common/lab_engine.h"

#include "subdivision/refine_levels.h"

namespace curvix {

std::vector<double> uniform_values(int n, double h) {
  std::vector<double> t(static_cast<std::size_t>(n));
  uniform_parameter_values(n, h, t.data());
  return t;
}

}  // namespace curvix
