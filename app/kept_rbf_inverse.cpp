#include "app/kept_rbf_inverse.h"

#include <utility>

#include "app/table_key.h"
#include "curves/rbf_curve.h"

namespace {

struct KeptInverse {
  TableKey key;      // the inputs of `columns`; empty before the first build
  TableKey request;  // the inputs asked for now, built in place of a temporary
  curvix::WeightTable columns;
  bool invertible = false;  // the system of `key` could be inverted
};

KeptInverse& kept() {
  static KeptInverse inverse;
  return inverse;
}

}  // namespace

const curvix::WeightTable* kept_rbf_inverse(const curvix::RbfSettings& settings, const double* t,
                                            int n) {
  KeptInverse& k = kept();
  k.request.clear();
  k.request.add(static_cast<int>(settings.basis)).add(settings.c).add(settings.r).add(settings.pd);
  k.request.add(t, n);
  if (k.request != k.key) {
    k.invertible = curvix::rbf_inverse_columns(settings, t, n, k.columns);
    std::swap(k.key, k.request);
  }
  return k.invertible ? &k.columns : nullptr;
}
