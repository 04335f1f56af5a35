// Closed indexing of stencils and the periodic continuation of parameter values.

#include "subdivision/closed_stencil.h"

#include <gtest/gtest.h>

#include "app/app_state.h"

namespace {

using curvix::closed_index;
using curvix::closed_period;
using curvix::continued_parameter;

// The single wrap: one period added or taken away.
int single_wrap(int j, int n) {
  return j < 0 ? j + n : (j >= n ? j - n : j);
}

TEST(ClosedStencil, AgreesWithASingleWrapWhereThatStaysInside) {
  for (int n = 2; n <= 9; ++n)
    for (int j = -2; j <= n + 2; ++j) {
      const int wrapped = single_wrap(j, n);
      if (wrapped < 0 || wrapped >= n) continue;
      EXPECT_EQ(closed_index(j, n), wrapped) << j << " of " << n;
      EXPECT_EQ(closed_period(j, n), j < 0 ? -1 : (j >= n ? 1 : 0)) << j << " of " << n;
    }
}

TEST(ClosedStencil, ShortPolygonsWrapRepeatedly) {
  for (int j = -2; j <= 3; ++j) EXPECT_EQ(closed_index(j, 1), 0) << j;
  EXPECT_EQ(closed_period(-2, 1), -2);
  EXPECT_EQ(closed_period(3, 1), 3);
  const int six_of_two[] = {0, 1, 0, 1, 0, 1};  // stencil -2..3 of a 2-gon
  for (int j = -2; j <= 3; ++j) EXPECT_EQ(closed_index(j, 2), six_of_two[j + 2]) << j;
  EXPECT_EQ(closed_period(-2, 2), -1);
  EXPECT_EQ(closed_period(-1, 2), -1);
  EXPECT_EQ(closed_period(3, 2), 1);
  EXPECT_EQ(closed_period(4, 2), 2);
}

TEST(ClosedStencil, ParametersContinueByPeriodsOfLastValuePlusSpacing) {
  ParameterValues t{};
  t[1] = 2.0;
  t[2] = 3.0;
  t[3] = 5.0;                                               // period L = 5 + 1 = 6
  EXPECT_EQ(continued_parameter(-1, 3, &t[1], 1.0), -1.0);  // (5 - 5) - 1
  EXPECT_EQ(continued_parameter(0, 3, &t[1], 1.0), 2.0);
  EXPECT_EQ(continued_parameter(3, 3, &t[1], 1.0), 8.0);  // (1 + 5) + 2
  EXPECT_EQ(continued_parameter(4, 3, &t[1], 1.0), 9.0);
  EXPECT_EQ(continued_parameter(-4, 3, &t[1], 1.0), -7.0);  // two periods down: ((5-5)-1-5)-1
}

TEST(ClosedStencil, UniformValuesStayUniformAcrossTheClosure) {
  ParameterValues t{};
  for (int n : {1, 2, 5}) {
    for (int k = 0; k < n; ++k) t[static_cast<std::size_t>(k + 1)] = 0.25 * k;
    for (int j = -3; j <= n + 3; ++j)
      EXPECT_EQ(continued_parameter(j, n, &t[1], 0.25), 0.25 * j) << j;
  }
}

}  // namespace
