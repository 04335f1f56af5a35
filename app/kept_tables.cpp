#include "app/kept_tables.h"

#include <utility>

#include "app/app_state.h"
#include "curves/bezier_curve.h"
#include "curves/lagrange_curve.h"
#include "curves/rbf_curve.h"

namespace {

struct KeptWeights {
  TableKey key;      // the curve kind and the inputs of `table`; empty before the first build
  TableKey request;  // the inputs asked for now, built in place of a temporary
  curvix::WeightTable table;
};

KeptWeights& kept_weights() {
  static KeptWeights weights;
  return weights;
}

struct KeptInverse {
  TableKey key;      // the inputs of `columns`; empty before the first build
  TableKey request;  // the inputs asked for now, built in place of a temporary
  curvix::WeightTable columns;
  bool invertible = false;  // the system of `key` could be inverted
};

KeptInverse& kept_inverse() {
  static KeptInverse inverse;
  return inverse;
}

// A new key for `kind`, its first word, and the sampling every curve shares.
TableKey& request_for(CurveMode kind) {
  TableKey& request = kept_weights().request;
  request.clear();
  request.add(static_cast<int>(kind)).add(CURVE_SEGMENTS);
  return request;
}

// The table for the request just made, built by `build` when it differs.
template <typename Build>
const curvix::WeightTable& kept_table(Build build) {
  KeptWeights& k = kept_weights();
  if (k.request != k.key) {
    build(k.table);
    std::swap(k.key, k.request);
  }
  return k.table;
}

}  // namespace

const curvix::WeightTable& kept_lagrange_weights(const double* u, int m) {
  request_for(CURVE_LAGRANGE).add(u, m);
  return kept_table(
      [&](curvix::WeightTable& table) { curvix::lagrange_weights(u, m, CURVE_SEGMENTS, table); });
}

const curvix::WeightTable& kept_bezier_weights(int m) {
  request_for(CURVE_BEZIER).add(m);
  return kept_table(
      [&](curvix::WeightTable& table) { curvix::bezier_weights(m, CURVE_SEGMENTS, table); });
}

const curvix::WeightTable& kept_rbf_curve_weights(const curvix::RbfSettings& settings,
                                                  const double* u, int m) {
  request_for(CURVE_RBF)
      .add(static_cast<int>(settings.basis))
      .add(settings.c)
      .add(settings.r)
      .add(settings.pd)
      .add(u, m);
  return kept_table([&](curvix::WeightTable& table) {
    curvix::rbf_curve_weights(settings, u, m, CURVE_SEGMENTS, table);
  });
}

const curvix::WeightTable* kept_rbf_inverse(const curvix::RbfSettings& settings, const double* t,
                                            int n) {
  KeptInverse& k = kept_inverse();
  k.request.clear();
  k.request.add(static_cast<int>(settings.basis)).add(settings.c).add(settings.r).add(settings.pd);
  k.request.add(t, n);
  if (k.request != k.key) {
    k.invertible = curvix::rbf_inverse_columns(settings, t, n, k.columns);
    std::swap(k.key, k.request);
  }
  return k.invertible ? &k.columns : nullptr;
}
