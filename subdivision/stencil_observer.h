#pragma once
// What a caller may watch of the RBF stencils while a level is refined: each
// stencil's system before inversion, its inverse, and the point it inserts.
// The library only reports; printing or analysing is the observer's business.

#include "curves/planar_point.h"
#include "linalg/matrix.h"

namespace curvix {

// The insertion of one RBF stencil.
struct InsertionRecord {
  int index = 0;                    // the old point the new one follows
  const double* weights = nullptr;  // the mask, weights[0 .. size - 1]
  int size = 0;                     // stencil points
  PlanarPoint check;                // the mask applied to the stencil points
  PlanarPoint inserted;             // the point inserted (from the stencil interpolant)
};

// Per RBF stencil, in this order: system (always, once the system is built),
// inverse (only when the inversion succeeded), insertion (only then too).
class StencilObserver {
 public:
  virtual ~StencilObserver() = default;
  // The K x K system, 1-based, before inversion.
  virtual void system_built(const Matrix& system, int k) = 0;
  // The same matrix after inversion: the inverse, 1-based.
  virtual void system_inverted(const Matrix& inverse, int k) = 0;
  virtual void point_inserted(const InsertionRecord& record) = 0;
};

}  // namespace curvix
