// The svg output parses as XML with a viewBox that holds every drawn
// coordinate, and keeps the window's orientation and colours.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

#include "lab_run_helpers.h"

using namespace curvix;

namespace {

// Checks that tags nest and close in order; returns the first problem, or "".
std::string tag_balance_problem(const std::string& xml) {
  std::vector<std::string> open;
  std::size_t at = 0;
  while ((at = xml.find('<', at)) != std::string::npos) {
    const std::size_t end = xml.find('>', at);
    if (end == std::string::npos) return "unterminated tag";
    const std::string tag = xml.substr(at + 1, end - at - 1);
    at = end + 1;
    if (tag.front() == '?' && tag.back() == '?') continue;
    if (tag.back() == '/') continue;
    const std::string name = tag.substr(tag.front() == '/' ? 1 : 0,
                                        tag.find_first_of(" \n") - (tag.front() == '/' ? 1 : 0));
    if (tag.front() != '/') {
      open.push_back(name);
    } else if (open.empty() || open.back() != name) {
      return "unexpected </" + name + ">";
    } else {
      open.pop_back();
    }
  }
  return open.empty() ? "" : "unclosed <" + open.back() + ">";
}

struct ViewBox {
  double width = 0.0;
  double height = 0.0;
};

ViewBox view_box(const std::string& svg) {
  std::smatch match;
  ViewBox box;
  if (std::regex_search(svg, match, std::regex("viewBox=\"0 0 ([0-9.e+]+) ([0-9.e+]+)\""))) {
    box.width = std::strtod(match[1].str().c_str(), nullptr);
    box.height = std::strtod(match[2].str().c_str(), nullptr);
  }
  return box;
}

// The "x,y" pairs of the n-th polyline.
std::vector<std::pair<double, double>> polyline(const std::string& svg, int n) {
  std::size_t at = svg.find("<polyline");
  for (int i = 0; i < n && at != std::string::npos; ++i) at = svg.find("<polyline", at + 1);
  if (at == std::string::npos) return {};
  const std::size_t start = svg.find("points=\"", at) + 8;
  std::istringstream pairs(svg.substr(start, svg.find('"', start) - start));
  std::vector<std::pair<double, double>> points;
  std::string pair;
  while (pairs >> pair) {
    const std::size_t comma = pair.find(',');
    points.push_back({std::strtod(pair.substr(0, comma).c_str(), nullptr),
                      std::strtod(pair.substr(comma + 1).c_str(), nullptr)});
  }
  return points;
}

TEST(LabSvg, WellFormedWithEveryPointInsideTheViewBox) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"refine", "--scheme", "rbf6", "--levels", "3", "--all-levels",
                                 "--format", "svg"},
        std::vector<std::string>{"curve", "--kind", "lagrange", "--samples", "50", "--format",
                                 "svg"}}) {
    const LabRun run = run_lab_with(args, "-1e6,3e6\n2e6 -4e6\n5e5 0\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(tag_balance_problem(run.out), "") << run.out;
    EXPECT_EQ(run.out.rfind("<?xml", 0), 0u);
    const ViewBox box = view_box(run.out);
    ASSERT_GT(box.width, 0.0) << run.out;
    ASSERT_GT(box.height, 0.0) << run.out;
    const int strips = args[0] == "refine" ? 4 : 2;  // input, levels 1 to 3 / input, curve
    EXPECT_TRUE(polyline(run.out, strips).empty()) << "more strips than expected";
    for (int n = 0; n < strips; ++n) {
      EXPECT_FALSE(polyline(run.out, n).empty()) << n;
      for (const auto& [x, y] : polyline(run.out, n)) {
        EXPECT_TRUE(x >= 0.0 && x <= box.width && y >= 0.0 && y <= box.height) << x << "," << y;
      }
    }
  }
}

// Stored y grows downward like SVG's: a lower point in the window is lower in
// the picture. Colours are the window's: ink polygon, level in the scheme's colour.
TEST(LabSvg, KeepsTheWindowsOrientationAndColours) {
  const LabRun run =
      run_lab_with({"refine", "--scheme", "nr4", "--format", "svg"}, "0,0\n10,100\n");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto input = polyline(run.out, 0);
  ASSERT_EQ(input.size(), 2u);
  EXPECT_LT(input[0].second, input[1].second);
  EXPECT_LT(input[0].first, input[1].first);
  EXPECT_NE(run.out.find("fill=\"rgb(204,204,204)\""), std::string::npos);  // background grey 0.8
  EXPECT_NE(run.out.find("<polyline fill=\"none\" stroke=\"rgb(77,128,26)\""), std::string::npos);
  EXPECT_NE(run.out.find("<polyline fill=\"none\" stroke=\"rgb(26,77,128)\""), std::string::npos);

  const LabRun single = run_lab_with({"curve", "--kind", "bezier", "--format", "svg"}, "5,5\n");
  ASSERT_EQ(single.status, 0) << single.err;
  EXPECT_EQ(tag_balance_problem(single.out), "");
  EXPECT_NE(single.out.find("stroke=\"rgb(77,0,0)\""), std::string::npos);  // the curves' own red
}

}  // namespace
