#include "app/kept_curve_weights.h"

#include <utility>

#include "app/curve_storage.h"
#include "app/library_names.h"
#include "app/table_key.h"
#include "curves/bezier_curve.h"
#include "curves/lagrange_curve.h"
#include "curves/rbf_curve.h"

namespace {

struct KeptWeights {
  TableKey key;      // the curve kind and the inputs of `table`; empty before the first build
  TableKey request;  // the inputs asked for now, built in place of a temporary
  curvix::WeightTable table;
};

KeptWeights& kept() {
  static KeptWeights weights;
  return weights;
}

// A new key for `kind`, its first word, and the sampling every curve shares.
TableKey& request_for(CurveMode kind) {
  TableKey& request = kept().request;
  request.clear();
  request.add(static_cast<int>(kind)).add(CURVE_SEGMENTS);
  return request;
}

// The table for the request just made, built by `build` when it differs.
template <typename Build>
const curvix::WeightTable& kept_table(Build build) {
  KeptWeights& k = kept();
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
