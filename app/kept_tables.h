#pragma once
// What the program keeps between events besides its state: everything of a
// curve that does not depend on the points, so that a drag, which moves only
// points, redraws and re-solves by the sums over the points alone.
//
// A kept table is used again only when every input of the new request has the
// same bits as before: a double is compared bit for bit (so -0.0 differs from
// 0.0, and a NaN matches only the same NaN), counts and enumerators exactly. A
// key that left out an input would hand back a stale table, so every function
// that keeps a table makes its key from the very arguments it builds from.
//
// Sections:
//   [key]       TableKey, the inputs of a table as their bits
//   [weights]   the weights of the curve on screen at its samples
//   [inverse]   the inverse of the RBF curve's system

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "curves/rbf_settings.h"
#include "curves/weight_table.h"

// ---- [key] ------------------------------------------------------------------
class TableKey {
 public:
  // Empties the key, keeping its storage, so a key rebuilt every event allocates nothing.
  void clear() { words_.clear(); }

  TableKey& add(int value) {
    words_.push_back(static_cast<std::uint64_t>(static_cast<std::int64_t>(value)));
    return *this;
  }

  TableKey& add(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    words_.push_back(bits);
    return *this;
  }

  // The count, then values[0 .. count - 1]: arrays of different lengths never match.
  TableKey& add(const double* values, int count) {
    add(count);
    const std::size_t first = words_.size();
    words_.resize(first + static_cast<std::size_t>(count));
    std::memcpy(words_.data() + first, values, static_cast<std::size_t>(count) * sizeof(double));
    return *this;
  }

  bool operator==(const TableKey& other) const { return words_ == other.words_; }
  bool operator!=(const TableKey& other) const { return !(*this == other); }

 private:
  std::vector<std::uint64_t> words_;
};

// ---- [weights] --------------------------------------------------------------
// The weights of the curve on screen at its CURVE_SEGMENTS + 1 samples. One
// table serves the curve shown; showing another curve builds that curve's
// weights in its place. Each function builds only when its curve kind or one
// of its inputs differs in any bit from the table held, and returns the table,
// valid until the next call of any of them.

// curvix::lagrange_weights of u[0..m-1] (1 <= m).
const curvix::WeightTable& kept_lagrange_weights(const double* u, int m);

// curvix::bezier_weights of m points (1 <= m).
const curvix::WeightTable& kept_bezier_weights(int m);

// curvix::rbf_curve_weights of the settings over the centres u[0..m-1]
// (1 <= m, settings.pd >= 0).
const curvix::WeightTable& kept_rbf_curve_weights(const curvix::RbfSettings& settings,
                                                  const double* u, int m);

// ---- [inverse] --------------------------------------------------------------
// The inverse depends on the parameter values, their count, pd, r, C and the
// basis, never on the points.

// The last n columns of the inverse of the system over t[0..n-1] with the
// settings (curvix::rbf_inverse_columns), built only when one of those inputs
// differs in any bit from the last call; nullptr when that system is singular
// (a singular system is kept as such too). Valid until the next call.
const curvix::WeightTable* kept_rbf_inverse(const curvix::RbfSettings& settings, const double* t,
                                            int n);
