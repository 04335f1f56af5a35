#include "smoothness/product_tree_bounds.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <limits>
#include <utility>
#include <vector>

#include "smoothness/spectrum_maximizing_product.h"

namespace curvix {

namespace {

struct OpenProduct {
  Eigen::MatrixXd product;
  std::string word;
  double best_prefix_rate;  // m(w)
};

// sqrt of the largest eigenvalue of P^T P (symmetric tridiagonal QR), a
// fraction of the cost of a singular value decomposition.
double spectral_norm(const Eigen::MatrixXd& p) {
  const Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> solver(p.transpose() * p,
                                                              Eigen::EigenvaluesOnly);
  const Eigen::Index last = solver.eigenvalues().size() - 1;
  return std::sqrt(std::max(solver.eigenvalues()(last), 0.0));
}

// Examines one child: raises the lower bound, and keeps it open or records
// the rate at which its subtree is covered.
void examine(ProductTreeBounds& bounds, double gap_target, int known_length, OpenProduct child,
             double& covered_rate, std::vector<OpenProduct>& open) {
  ++bounds.nodes;
  const double length = static_cast<double>(child.word.size());
  const double radius =
      static_cast<int>(child.word.size()) > known_length ? spectral_radius(child.product) : -1.0;
  if (radius >= 0.0) {
    const double rate = std::pow(radius, 1.0 / length);
    if (rate > bounds.lower) {
      bounds.lower = rate;
      bounds.lower_word = child.word;
    }
  }
  const double norm_rate = std::pow(spectral_norm(child.product), 1.0 / length);
  child.best_prefix_rate = std::min(child.best_prefix_rate, norm_rate);
  if (child.best_prefix_rate <= bounds.lower * std::exp2(gap_target))
    covered_rate = std::max(covered_rate, child.best_prefix_rate);
  else
    open.push_back(std::move(child));
}

}  // namespace

ProductTreeBounds product_tree_bounds(const MatrixFamily& family, double lower, int known_length,
                                      double gap_target, const ProductTreeBudget& budget) {
  assert(!family.empty() && family[0].rows() == family[0].cols() && family[0].rows() >= 1 &&
         lower >= 0.0 && gap_target > 0.0);
  const Eigen::Index d = family[0].rows();
  const auto children = static_cast<int>(family.size());
  ProductTreeBounds bounds;
  bounds.lower = lower;
  double covered_rate = 0.0;
  const double infinity = std::numeric_limits<double>::infinity();
  std::vector<OpenProduct> level{{Eigen::MatrixXd::Identity(d, d), "", infinity}};
  while (!level.empty()) {
    if (bounds.depth >= budget.max_depth ||
        bounds.nodes + children * static_cast<int>(level.size()) > budget.max_nodes ||
        static_cast<std::size_t>(children) * level.size() >
            static_cast<std::size_t>(budget.max_level_nodes))
      break;
    ++bounds.depth;
    std::vector<OpenProduct> next;
    for (const OpenProduct& parent : level)
      for (int e = 0; e < children; ++e)
        examine(bounds, gap_target, known_length,
                {parent.product * family[static_cast<std::size_t>(e)],
                 parent.word + static_cast<char>('0' + e), parent.best_prefix_rate},
                covered_rate, next);
    level.swap(next);
  }
  bounds.upper = covered_rate;
  for (const OpenProduct& leaf : level)
    bounds.upper = std::max(bounds.upper, leaf.best_prefix_rate);
  bounds.upper = std::max(bounds.upper, bounds.lower);
  bounds.gap_reached = level.empty();
  return bounds;
}

}  // namespace curvix
