#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "linalg/matrix.h"
#include "tests/linalg/test_matrices.h"

using namespace curvix;

namespace {

std::string read_all(std::FILE* file) {
  std::rewind(file);
  std::string text;
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) text += static_cast<char>(c);
  return text;
}

TEST(Matrix, AllocatedRectangularMatrixIsZeroAndOneBased) {
  Matrix a = matrix_alloc(3, 5);
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 5; ++j) EXPECT_EQ(a[i][j], 0.0);
  a[3][5] = 7.0;
  a[1][1] = -1.0;
  EXPECT_EQ(a[3][5], 7.0);
  EXPECT_EQ(a[1][1], -1.0);
  EXPECT_EQ(a[2][3], 0.0);
  matrix_free(a, 3);
  EXPECT_TRUE(a.empty());
}

TEST(Matrix, IntVectorIsAddressedFromItsLowerBound) {
  IntVector v = int_vector_alloc(3, 5);
  v[3] = 30;
  v[4] = 40;
  v[5] = 50;
  EXPECT_EQ(v[3] + v[4] + v[5], 120);
  int_vector_free(v, 3);
  EXPECT_TRUE(v.empty());
}

TEST(Matrix, PrintWritesStreamThenConsole) {
  const Matrix a = from_rows({{1.0, -2.5}, {1234.5678, 0.0004}});
  std::FILE* stream = std::tmpfile();
  ASSERT_NE(stream, nullptr);
  testing::internal::CaptureStdout();
  matrix_print(stream, a, 2, 2);
  const std::string console = testing::internal::GetCapturedStdout();
  const std::string expected = "  1.000  -2.500 \n1234.568   0.000 \n";
  EXPECT_EQ(read_all(stream), expected);
  EXPECT_EQ(console, expected);
  std::fclose(stream);
}

TEST(Matrix, PrintWithoutStreamStillReachesConsole) {
  const Matrix a = from_rows({{0.5}});
  testing::internal::CaptureStdout();
  matrix_print(nullptr, a, 1, 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "  0.500 \n");
}

}  // namespace
