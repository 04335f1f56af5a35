// The caps on what one command may ask for: the largest request passes, one
// step past it is refused up front with the option named, status 2 for the
// command line and 1 for input that is too large by itself.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "lab/common/point_reader.h"
#include "lab/curve/curve_command.h"
#include "lab/refine/refine_command.h"
#include "lab/smoothness/smoothness_command.h"
#include "lab_run_helpers.h"

using namespace curvix;

namespace {

// n points on a line, one a line.
std::string points_text(int n) {
  std::string text;
  for (int i = 0; i < n; ++i) text += std::to_string(i) + " " + std::to_string(i % 7) + "\n";
  return text;
}

std::string comma_list(int n, const std::string& value) {
  std::string text = value;
  for (int i = 1; i < n; ++i) text += "," + value;
  return text;
}

void expect_passes(const std::vector<std::string>& args, const std::string& input) {
  const LabRun run = run_lab_with(args, input);
  EXPECT_EQ(run.status, 0) << ::testing::PrintToString(args) << "\n" << run.err;
}

void expect_refused(const std::vector<std::string>& args, const std::string& input, int status,
                    const std::string& message) {
  const LabRun run = run_lab_with(args, input);
  EXPECT_EQ(run.status, status) << ::testing::PrintToString(args);
  EXPECT_EQ(run.err, "curvix-lab: " + message + "\n");
  EXPECT_EQ(run.out, "");
}

TEST(LabLimits, RefineStopsAtTheLastLevelsPointCap) {
  expect_passes({"refine", "--scheme", "dd", "--levels", "10"}, points_text(100));
  expect_refused({"refine", "--scheme", "dd", "--levels", "11"}, points_text(100), 2,
                 "--levels 11 would refine 100 points past the 131072 points allowed (at most "
                 "--levels 10)");
  expect_passes({"refine", "--scheme", "nr4", "--levels", "16"}, points_text(2));
  expect_refused({"refine", "--scheme", "nr4", "--levels", "17"}, points_text(2), 2,
                 "--levels 17 would refine 2 points past the 131072 points allowed (at most "
                 "--levels 16)");
  expect_passes({"refine", "--scheme", "dd"}, points_text(65536));
  expect_refused({"refine", "--scheme", "dd"}, points_text(65537), 1,
                 "the input's 65537 points refined once would pass the 131072 points allowed");
}

TEST(LabLimits, CurveSamplesTimesTermsAreCapped) {
  expect_passes({"curve", "--kind", "lagrange", "--samples", "100"}, points_text(1000));
  expect_refused({"curve", "--kind", "lagrange", "--samples", "101"}, points_text(1000), 2,
                 "--samples 101 is too many for a lagrange curve over 1000 points (at most 100)");
  expect_refused({"curve", "--kind", "lagrange"}, points_text(7072), 1,
                 "a lagrange curve over 7072 points is too much work: each sample sums 50013184 "
                 "terms (at most 100000000 for all samples)");
  expect_passes({"curve", "--kind", "bezier", "--samples", "100000"}, points_text(1000));
  expect_refused({"curve", "--kind", "bezier", "--samples", "100000"}, points_text(1001), 2,
                 "--samples 100000 is too many for a bezier curve over 1001 points (at most "
                 "99900)");
  expect_refused({"curve", "--kind", "bezier", "--samples", "1000001"}, points_text(1), 2,
                 "invalid value '1000001' for --samples (expected an integer from 2 to 1000000)");
  expect_passes({"curve", "--kind", "rbf", "--pd", "0"}, points_text(999));
  expect_refused({"curve", "--kind", "rbf"}, points_text(999), 1,
                 "an rbf curve over 999 points of degree 1 needs a system of order 1001, more "
                 "than the 1000 allowed");
  expect_refused({"curve", "--kind", "rbf", "--pd", "1000"}, points_text(2), 1,
                 "an rbf curve over 2 points of degree 1000 needs a system of order 1003, more "
                 "than the 1000 allowed");
}

TEST(LabLimits, SmoothnessWeightsAndDepthAreCapped) {
  expect_passes({"smoothness", "--scheme", "dd", "--depth", "19"}, "");
  expect_refused({"smoothness", "--scheme", "dd", "--depth", "20"}, "", 2,
                 "--depth 20 is too deep for a rule of 4 weights (at most 19)");
  expect_refused({"smoothness", "--scheme", "rbf6", "--depth", "18"}, "", 2,
                 "--depth 18 is too deep for a rule of 6 weights (at most 17)");
  expect_passes({"smoothness", "--weights", comma_list(32, "0.0625"), "--depth", "10"}, "");
  expect_refused({"smoothness", "--weights", comma_list(32, "0.0625"), "--depth", "11"}, "", 2,
                 "--depth 11 is too deep for a rule of 32 weights (at most 10)");
  expect_refused({"smoothness", "--weights", comma_list(34, "0.0625"), "--depth", "1"}, "", 2,
                 "--weights gives 34 values, more than the 32 allowed");
}

// Each swept value costs up to two exact analyses, so a smoothness sweep has a
// cap of its own, far below the mask's rows.
TEST(LabLimits, SmoothnessSweepValuesAreCapped) {
  expect_passes({"smoothness", "--scheme", "nr4", "--sweep", "w=0:0.255:0.001", "--depth", "1"},
                "");
  expect_refused({"smoothness", "--scheme", "nr4", "--sweep", "w=0:0.256:0.001"}, "", 2,
                 "--sweep gives 257 values, more than the 256 a smoothness sweep allows");
  expect_passes({"mask", "--scheme", "rbf4", "--sweep", "r=1:1.256:0.001"}, "");
  expect_passes({"smoothness", "--scheme", "rbf6", "--sweep", "r=1:2.5:0.01", "--depth", "14"}, "");
  expect_refused({"smoothness", "--scheme", "rbf6", "--sweep", "r=1:2.51:0.01", "--depth", "14"},
                 "", 2,
                 "--sweep gives 152 values, more than the 151 a sweep at --depth 14 allows (a "
                 "lower --depth allows more)");
  expect_passes({"smoothness", "--scheme", "rbf6", "--sweep", "r=1:2.51:0.01", "--depth", "13"},
                "");
}

// A runaway stream is cut off at the cap, whatever its lines hold.
TEST(LabLimits, InputPastItsByteCapIsRefused) {
  std::string input = SQUARE;
  input += "#" + std::string(MAX_INPUT_BYTES - input.size() - 2, ' ') + "\n";
  ASSERT_EQ(input.size(), MAX_INPUT_BYTES);
  expect_passes({"refine", "--scheme", "dd"}, input);
  expect_refused({"refine", "--scheme", "dd"}, input + "\n", 1, "the input is larger than 16 MiB");
  expect_refused({"curve", "--kind", "bezier"}, std::string(MAX_INPUT_BYTES + 1, '7'), 1,
                 "the input is larger than 16 MiB");
}

// The help states every cap, with the value the code enforces.
TEST(LabLimits, HelpStatesEveryCap) {
  const std::string refine = run_lab_with({"refine", "--help"}).out;
  const std::string curve = run_lab_with({"curve", "--help"}).out;
  const std::string smoothness = run_lab_with({"smoothness", "--help"}).out;
  const std::string input_cap = std::to_string(MAX_INPUT_BYTES >> 20) + " MiB";
  EXPECT_NE(refine.find("at most " + std::to_string(MAX_REFINED_POINTS) + " points"),
            std::string::npos);
  EXPECT_NE(refine.find(input_cap), std::string::npos);
  EXPECT_NE(curve.find(input_cap), std::string::npos);
  for (const long long cap :
       {static_cast<long long>(MAX_SAMPLES), MAX_CURVE_TERMS, MAX_RBF_CURVE_ORDER})
    EXPECT_NE(curve.find(std::to_string(cap)), std::string::npos) << cap;
  EXPECT_NE(smoothness.find("at most\n                       " + std::to_string(MAX_RULE_WEIGHTS)),
            std::string::npos);
  EXPECT_NE(smoothness.find("at most " + std::to_string(MAX_SMOOTHNESS_SWEEP_VALUES) + "\n"),
            std::string::npos);
  EXPECT_EQ(MAX_SMOOTHNESS_WORK, std::ldexp(1.0, 26));
  EXPECT_EQ(MAX_SMOOTHNESS_SWEEP_WORK, std::ldexp(1.0, 31));
  EXPECT_NE(smoothness.find("analyses at most 2^31"), std::string::npos);
  EXPECT_NE(smoothness.find("cubed is\n                       at most 2^26"), std::string::npos);
}

}  // namespace
