#include "lab/common/point_reader.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace curvix;

namespace {

LabStatus read_text(const std::string& text, std::vector<curvix::PlanarPoint>& points) {
  std::istringstream in(text);
  return read_points(in, points);
}

TEST(PointReader, AcceptsBothSeparatorsCommentsAndBlankLines) {
  std::vector<curvix::PlanarPoint> points;
  const LabStatus status = read_text(
      "# a square\n"
      "\n"
      "1,2\n"
      "  3.5 ,\t-4  # trailing comment\n"
      "5 6\n"
      "\t7\t\t8e1\r\n"
      "   \n"
      "0x1p-2 , 1e-3",  // no newline at the end of the file
      points);
  ASSERT_TRUE(status.ok()) << status.message;
  const std::vector<std::pair<double, double>> expected = {
      {1, 2}, {3.5, -4}, {5, 6}, {7, 80}, {0.25, 1e-3}};
  ASSERT_EQ(points.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(points[i].x, expected[i].first) << "point " << i;
    EXPECT_EQ(points[i].y, expected[i].second) << "point " << i;
  }
}

// Each bad line is reported with its number, counting comment and blank lines.
TEST(PointReader, NamesTheFirstBadLine) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"1,2\n# c\n\n1.5x,2\n", "input line 4: expected \"x,y\" or \"x y\""},
      {"1,2\n3\n", "input line 2: expected \"x,y\" or \"x y\""},
      {"1 2 3\n", "input line 1: expected \"x,y\" or \"x y\""},
      {"1,2,3\n", "input line 1: expected \"x,y\" or \"x y\""},
      {"1,\n", "input line 1: expected \"x,y\" or \"x y\""},
      {",2\n", "input line 1: expected \"x,y\" or \"x y\""},
      {"1;2\n", "input line 1: expected \"x,y\" or \"x y\""},
      {"0 0\n1,inf\n", "input line 2: non-finite number 'inf'"},
      {"nan 0\n", "input line 1: non-finite number 'nan'"},
      {"\n\n1e999,0\n", "input line 3: non-finite number '1e999'"},
  };
  for (const auto& [text, message] : cases) {
    std::vector<curvix::PlanarPoint> points;
    const LabStatus status = read_text(text, points);
    EXPECT_EQ(status.code, STATUS_FAILED) << text;
    EXPECT_EQ(status.message, message) << text;
  }
}

TEST(PointReader, MissingFileIsNamed) {
  std::istringstream unused;
  std::vector<curvix::PlanarPoint> points;
  const LabStatus status = load_points("/nonexistent/points.txt", unused, points);
  EXPECT_EQ(status.code, STATUS_FAILED);
  EXPECT_EQ(status.message.rfind("cannot open '/nonexistent/points.txt'", 0), 0u) << status.message;
}

}  // namespace
