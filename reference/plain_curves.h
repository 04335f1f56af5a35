#pragma once
// The curves transcribed plainly, one sample at a time, straight from their
// definitions: the references that every fast or kept path must match bit
// for bit.

#include <cmath>
#include <vector>

#include "app/app_state.h"
#include "curves/binomial.h"
#include "curves/planar_point.h"
#include "reference/state_basis_value.h"

namespace reference {

using curvix::binomial;
using curvix::PlanarPoint;

// The samples of one curve, in stored coordinates (y downward).
using CurveSamples = std::vector<PlanarPoint>;

// Plain transcription of the Lagrange curve, one sample at a time, as the
// reference that the vectorised sampling must match bit for bit.
inline PlanarPoint plain_lagrange(const std::vector<Point>& points, const std::vector<double>& u,
                                  double s) {
  const size_t m = u.size();
  PlanarPoint p;
  for (size_t i = 0; i < m; ++i) {
    double weight = 1.0;
    for (size_t j = 0; j < m; ++j) {
      if (j == i) continue;
      weight = ((s - u[j]) / (u[i] - u[j])) * weight;
    }
    p.x += weight * points[i].x;
    p.y += weight * points[i].y;
  }
  return p;
}

inline CurveSamples plain_lagrange_samples(const std::vector<Point>& points,
                                           const std::vector<double>& u) {
  CurveSamples samples;
  for (int k = 0; k <= 500; ++k) {
    const double s = u.front() + ((u.back() - u.front()) * k) / 500;
    samples.push_back(plain_lagrange(points, u, s));
  }
  return samples;
}

// Plain transcription of the Bezier curve, one sample at a time with a
// binomial per term, as the reference that the fast sampling must match bit
// for bit.
inline PlanarPoint plain_bezier(const std::vector<Point>& points, double u) {
  const int m = static_cast<int>(points.size());
  PlanarPoint p;
  for (int i = 0; i < m; ++i) {
    const double b = binomial(m - 1, i);
    const double g = std::pow(u, static_cast<double>(i)) * b;
    const double w = std::pow(1 - u, (m - 1.0) - i) * g;
    p.x += w * points[static_cast<size_t>(i)].x;
    p.y += w * points[static_cast<size_t>(i)].y;
  }
  return p;
}

inline CurveSamples plain_bezier_samples(const std::vector<Point>& points) {
  CurveSamples samples;
  for (int k = 0; k <= 500; ++k) samples.push_back(plain_bezier(points, k / 500.0));
  return samples;
}

// The RBF interpolant of the state's settings (pd, r and the basis as the
// program hands them over) with the given coefficients and centres u, at s.
inline PlanarPoint plain_rbf(const RbfCoefficientTable& coefficients, const std::vector<double>& u,
                             double s) {
  PlanarPoint p;
  for (int k = 0; k <= app.pd; ++k) {
    const double w = std::pow(s, static_cast<double>(k));
    p.x += w * coefficients[static_cast<size_t>(k)].x;
    p.y += w * coefficients[static_cast<size_t>(k)].y;
  }
  for (size_t i = 0; i < u.size(); ++i) {
    const double w = state_basis_value(s - u[i], app.r);
    p.x += w * coefficients[static_cast<size_t>(app.pd) + 1 + i].x;
    p.y += w * coefficients[static_cast<size_t>(app.pd) + 1 + i].y;
  }
  return p;
}

inline CurveSamples plain_rbf_samples(const RbfCoefficientTable& coefficients,
                                      const std::vector<double>& u) {
  CurveSamples samples;
  for (int k = 0; k <= 500; ++k) {
    const double s = u.front() + ((u.back() - u.front()) * k) / 500;
    samples.push_back(plain_rbf(coefficients, u, s));
  }
  return samples;
}

}  // namespace reference
