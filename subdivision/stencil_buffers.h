#pragma once
// Storage for the arithmetic of RBF stencils, owned by the caller and reused
// from one stencil to the next.

#include <array>
#include <vector>

#include "curves/planar_point.h"
#include "curves/rbf_settings.h"

namespace curvix {

// Largest stencil system the RBF subdivision stores: K = stencil size + pd + 1.
constexpr int STENCIL_SYSTEM_MAX = 100;

// Inverse of one stencil's system matrix, 0-based rows and columns 0..K-1.
using StencilInverse = std::array<std::array<double, STENCIL_SYSTEM_MAX>, STENCIL_SYSTEM_MAX>;

// One value per unknown of a stencil system.
using StencilVector = std::array<double, STENCIL_SYSTEM_MAX>;

// Everything one stencil needs besides its inputs. The contents after a call
// are those of the last stencil handled; nothing carries over into the next.
struct StencilScratch {
  StencilInverse inverse{};
  StencilVector values{};   // the unknowns' functions at the insertion parameter
  StencilVector weights{};  // the mask
  std::array<RbfCoefficient, STENCIL_SYSTEM_MAX> coefficients{};
  std::vector<PlanarPoint> points;  // the stencil's old points, grown to the stencil size
  std::vector<double> params;       // their parameter values
};

}  // namespace curvix
