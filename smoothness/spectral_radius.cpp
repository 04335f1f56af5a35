#include "smoothness/spectral_radius.h"

#include <cassert>
#include <cmath>

namespace curvix {

double spectral_radius(Eigen::MatrixXd x) {
  assert(x.rows() == x.cols());
  Eigen::MatrixXd square(x.rows(), x.cols());
  double log_rho = 0.0;
  double weight = 1.0;  // 2^-s: x now stands for the 2^s-th power, rescaled
  for (int s = 0; s < SPECTRAL_SQUARINGS; ++s) {
    const double scale = x.cwiseAbs().maxCoeff();
    if (scale == 0.0) return 0.0;
    x /= scale;
    log_rho += weight * std::log(scale);
    square.noalias() = x * x;
    x.swap(square);
    weight *= 0.5;
  }
  const double last = x.cwiseAbs().maxCoeff();
  if (last == 0.0) return 0.0;
  return std::exp(log_rho + weight * std::log(last));
}

}  // namespace curvix
