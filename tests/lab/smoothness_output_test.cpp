// The smoothness documents over the fake engine: what every analysis carries
// at its top level, a scheme's levels below it, sweeps as lists and plots,
// the analysed weights and the tension, and the options that do not apply.

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "fake_lab_engine.h"
#include "lab/smoothness/regularity_plot.h"
#include "lab_run_helpers.h"

namespace {

std::size_t count_of(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++count;
  return count;
}

TEST(LabSmoothnessOutput, SchemeLevelsCarryTheSchemesRegularityAtTheTop) {
  const LabRun fixed =
      run_lab_with({"smoothness", "--scheme", "rbf4", "--levels", "3", "--format", "json"});
  ASSERT_EQ(fixed.status, 0) << fixed.err;
  // The limit rule's regularity at the top, before the rule, level 1 and the levels.
  const std::string top =
      "\"depth\":7,\"regularity_lower\":0.3333333333333333,\"regularity_upper\":"
      "0.6666666666666666,\"exact\":false,\"stationary\":false,\"limit_weights\":[0.25,0.25,"
      "0.25,0.25],";
  EXPECT_NE(fixed.out.find(top), std::string::npos) << fixed.out;
  EXPECT_NE(fixed.out.find("\"rule\":{\"regularity_lower\":"), std::string::npos);
  EXPECT_NE(fixed.out.find("\"levels\":[{\"level\":1,\"h\":1,\"r\":1,"), std::string::npos);
  EXPECT_NE(fixed.out.find("{\"level\":3,\"h\":0.25,\"r\":1,"), std::string::npos) << fixed.out;
  EXPECT_EQ(count_of(fixed.out, "\"level\":"), 3u);

  const LabRun stationary =
      run_lab_with({"smoothness", "--scheme", "rbf4", "--stationary", "--format", "json"});
  ASSERT_EQ(stationary.status, 0) << stationary.err;
  EXPECT_NE(stationary.out.find("\"exact\":false,\"stationary\":true,\"scheme_class\":1,"),
            std::string::npos)
      << stationary.out;
  EXPECT_EQ(stationary.out.find("limit_weights"), std::string::npos);
  EXPECT_NE(stationary.out.find("{\"level\":10,\"h\":0.001953125,\"r\":0.001953125,"),
            std::string::npos);

  const LabRun text = run_lab_with({"smoothness", "--scheme", "rbf4", "--c", "100"});
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_NE(text.out.find("note: levels 1 to 10: stencil condition number above 1e+12"),
            std::string::npos)
      << text.out;
}

// A typed rule moved onto its sum rules is printed as moved: the results
// belong to those weights.
TEST(LabSmoothnessOutput, PrintsTheAnalysedWeightsAndATensionOnlyForFourPointRules) {
  const LabRun moved = run_lab_with({"smoothness", "--weights", "0.1,0.9004"});
  ASSERT_EQ(moved.status, 0) << moved.err;
  EXPECT_NE(moved.out.find("\nweights: 0.1 0.9\n"), std::string::npos) << moved.out;
  EXPECT_EQ(moved.out.find("0.9004"), std::string::npos) << moved.out;
  EXPECT_EQ(moved.out.find("tension"), std::string::npos) << moved.out;
  const LabRun csv = run_lab_with({"smoothness", "--weights", "0.1,0.9004", "--format", "csv"});
  EXPECT_NE(csv.out.find("\nw2,0.9\n"), std::string::npos) << csv.out;

  const LabRun four =
      run_lab_with({"smoothness", "--weights", "-0.1,0.6,0.6,-0.1", "--format", "json"});
  EXPECT_NE(four.out.find("\"tension\":0.1,"), std::string::npos) << four.out;
  const LabRun mask = run_lab_with({"mask", "--scheme", "rbf6", "--format", "json"});
  EXPECT_EQ(mask.out.find("tension"), std::string::npos) << mask.out;
}

TEST(LabSmoothnessOutput, SweepIsAListOfAnalysesAndAPlot) {
  const LabRun json =
      run_lab_with({"smoothness", "--scheme", "nr4", "--sweep", "w=0:0.2:0.1", "--format", "json"});
  ASSERT_EQ(json.status, 0) << json.err;
  EXPECT_NE(json.out.find("\"sweep\":\"w\",\"rows\":[{\"parameter\":\"w\",\"value\":0,"
                          "\"regularity_lower\":"),
            std::string::npos)
      << json.out;
  EXPECT_EQ(count_of(json.out, "\"parameter\":\"w\""), 3u);
  EXPECT_EQ(count_of(json.out, "\"exact\":"), 3u);

  const LabRun csv = run_lab_with(
      {"smoothness", "--scheme", "rbf4", "--sweep", "r=1:2:1", "--stationary", "--format", "csv"});
  ASSERT_EQ(csv.status, 0) << csv.err;
  EXPECT_EQ(csv.out,
            "r,regularity_lower,regularity_upper,exact,smoothness_class,excluded_class,"
            "stationary\n1,0.3333333333333333,0.6666666666666666,false,1,2,true\n"
            "2,0.3333333333333333,0.6666666666666666,false,1,2,true\n");

  const LabRun svg =
      run_lab_with({"smoothness", "--scheme", "nr4", "--sweep", "w=0:0.2:0.05", "--format", "svg"});
  ASSERT_EQ(svg.status, 0) << svg.err;
  EXPECT_EQ(svg.out.rfind("<?xml", 0), 0u);
  EXPECT_NE(svg.out.find(">C0</text>"), std::string::npos) << svg.out;
  EXPECT_EQ(svg.out.find(">C1</text>"), std::string::npos);  // the axis ends at 1
  EXPECT_NE(svg.out.find(">Hölder regularity</text>"), std::string::npos);
  EXPECT_NE(svg.out.find("font-style=\"italic\">w</text>"), std::string::npos);
  EXPECT_NE(svg.out.find(">exact at 0 of 5 values; shaded: bounds</text>"), std::string::npos);
  EXPECT_EQ(count_of(svg.out, "<polyline"), 2u);  // lower and upper bound
}

TEST(LabSmoothnessOutput, OptionsThatDoNotApplyAreRefused) {
  const struct {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{"smoothness", "--scheme", "nr4", "--stationary"},
       "--stationary applies to rbf4 and rbf6 only"},
      {{"smoothness", "--weights", "0.5,0.5", "--levels", "3"},
       "--levels applies to rbf4 and rbf6 only"},
      {{"smoothness", "--scheme", "rbf4", "--levels", "1"},
       "invalid value '1' for --levels (expected an integer from 2 to 30)"},
      {{"smoothness", "--scheme", "rbf4", "--sweep", "w=0:1:0.5"}, "--sweep w applies to nr4 only"},
      {{"smoothness", "--scheme", "dd", "--sweep", "r=1:2:1"},
       "--sweep r applies to rbf4 and rbf6 only"},
      {{"smoothness", "--weights", "0.5,0.5", "--sweep", "r=1:2:1"}, "--sweep needs --scheme"},
      {{"smoothness", "--scheme", "nr4", "--sweep", "x=1:2:1"},
       "unknown sweep name 'x' (expected r, c, h, w or mu)"},
      {{"smoothness", "--scheme", "nr4", "--format", "svg"},
       "--format svg draws a sweep: give --sweep"},
  };
  for (const auto& c : cases) {
    const LabRun run = run_lab_with(c.args);
    EXPECT_EQ(run.status, 2) << c.message;
    EXPECT_EQ(run.err, "curvix-lab: " + c.message + "\n");
  }
}

}  // namespace

namespace {

// Ticks at 1, 2 or 5 times a power of ten, inside the range; a rule without a
// limit leaves a gap in the line, and an infinite upper bound stops at the top.
void expect_ticks(double low, double high, const std::vector<double>& expected) {
  const std::vector<double> ticks = curvix::axis_ticks(low, high);
  ASSERT_EQ(ticks.size(), expected.size()) << low << " to " << high;
  for (std::size_t i = 0; i < ticks.size(); ++i) EXPECT_NEAR(ticks[i], expected[i], 1e-15);
}

TEST(RegularityPlot, RoundTicksGapsAndClampedBounds) {
  expect_ticks(0.0, 0.2, {0.0, 0.05, 0.1, 0.15, 0.2});
  expect_ticks(0.02, 4.0, {1.0, 2.0, 3.0, 4.0});
  expect_ticks(0.0, 3.0, {0.0, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0});

  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double infinity = std::numeric_limits<double>::infinity();
  curvix::RegularityPlot plot;
  plot.title = "t";
  plot.parameter_name = "w";
  plot.points = {
      {0.0, 1.0, 1.0}, {0.1, 1.5, 1.5}, {0.2, nan, nan}, {0.3, 0.5, infinity}, {0.4, 0.7, 0.8}};
  const std::string svg = curvix::regularity_plot(plot);
  EXPECT_EQ(count_of(svg, "<polyline"), 4u);  // two runs, each lower and upper
  EXPECT_NE(svg.find(">exact at 2 of 5 values; shaded: bounds</text>"), std::string::npos);
  EXPECT_NE(svg.find(">C1</text>"), std::string::npos);
  EXPECT_EQ(svg.find(">C2</text>"), std::string::npos);  // the top is 2: C0 and C1 bands
  // The infinite bound is drawn at the top of the plot area, y = 40.
  EXPECT_NE(svg.find(",40\"/>"), std::string::npos) << svg;
  EXPECT_EQ(svg.find("nan"), std::string::npos);
  EXPECT_EQ(svg.find("inf"), std::string::npos);
}

}  // namespace
