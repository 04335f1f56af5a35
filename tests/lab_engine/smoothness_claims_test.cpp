// What curvix-lab smoothness claims, as a user reads it, at the places where
// a slip in the analysis would still print a plausible number: next to a
// rule the polytope cannot certify, at a class boundary, at the deepest
// product length, in a mode analysis's rate and in neighbouring json fields.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "lab_run_helpers.h"

namespace {

// Every number written after "key": in a json document, in order.
std::vector<double> json_values(const std::string& json, const std::string& key) {
  const std::regex field("\"" + key + "\":(-?[0-9.eE+-]+)");
  std::vector<double> values;
  for (auto it = std::sregex_iterator(json.begin(), json.end(), field);
       it != std::sregex_iterator(); ++it)
    values.push_back(std::strtod((*it)[1].str().c_str(), nullptr));
  return values;
}

double json_value(const std::string& json, const std::string& key) {
  const std::vector<double> values = json_values(json, key);
  EXPECT_FALSE(values.empty()) << key << " missing from " << json;
  return values.empty() ? std::nan("") : values.front();
}

std::string four_point_weights(double w) {
  char text[128];
  std::snprintf(text, sizeof text, "%.17g,%.17g,%.17g,%.17g", -w, 0.5 + w, 0.5 + w, -w);
  return text;
}

LabRun smoothness(std::vector<std::string> args) {
  args.insert(args.begin(), "smoothness");
  LabRun run = run_lab_with(args);
  EXPECT_EQ(run.status, 0) << run.err;
  return run;
}

bool has_line(const LabRun& run, const std::string& line) {
  return run.out.find("\n" + line + "\n") != std::string::npos;
}

// Next to D-D's w = 1/16 the four-point rule's polytope grows past its
// budget: the output must stay bounds, whose lower end is still below the
// value a loosened tolerance would have called exact, 1.99915.
TEST(SmoothnessClaims, UncertifiedRuleStaysBoundsThatHoldItsValue) {
  const LabRun text = smoothness({"--weights", four_point_weights(0.06256)});
  EXPECT_EQ(text.out.find("(exact)"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("\nregularity: 1.723962209 to 1.999154015 (bounds"), std::string::npos)
      << text.out;
  const LabRun json = smoothness({"--weights", four_point_weights(0.06256), "--format", "json"});
  EXPECT_NE(json.out.find("\"exact\":false"), std::string::npos) << json.out;
  EXPECT_LT(json_value(json.out, "regularity_lower"), 1.99915);
  EXPECT_GT(json_value(json.out, "regularity_upper"), 1.99915);
}

// A few ulps past w* = 0.19272924926481205, the end of the C1 range, the
// computed exponent falls either side of 1 by rounding (1 + 4e-16 two ulps
// past): the class must be C0 and the class excluded C1, never "C1, not C1".
TEST(SmoothnessClaims, ClassPastTheC1BoundaryIsC0NotC1) {
  double past = 0.19272924926481205;
  for (int ulps = 1; ulps <= 3; ++ulps) {
    past = std::nextafter(past, 1.0);
    const LabRun run = smoothness({"--weights", four_point_weights(past)});
    EXPECT_TRUE(has_line(run, "smoothness class: C0, not C1")) << ulps << " ulps: " << run.out;
  }
  const LabRun below = smoothness({"--weights", four_point_weights(0.19)});
  EXPECT_TRUE(has_line(below, "smoothness class: C1, not C2")) << below.out;
}

// The depth bounds search every product length up to --depth, the last one
// included: at depth 1 D-D 4's bounds already meet, and D-D 6's lower depth
// bound at depth 14 is the published 2.815328669. In json the two ends come
// from their own fields.
TEST(SmoothnessClaims, DepthBoundsReachTheDeepestLength) {
  const LabRun dd4 = smoothness({"--scheme", "dd", "--depth", "1"});
  EXPECT_TRUE(has_line(dd4, "Holder bounds at depth 1: 2 to 2")) << dd4.out;
  // The four-point rule at w = 0.1 has its spectrum-maximizing product T0 T1
  // of length 2: at depth 2 the upper end is already the exact value.
  const LabRun four = smoothness({"--weights", four_point_weights(0.1), "--depth", "2"});
  EXPECT_TRUE(has_line(four, "Holder bounds at depth 2: 1.368482797 to 1.583705367")) << four.out;

  const std::string dd6 = "0.01171875,-0.09765625,0.5859375,0.5859375,-0.09765625,0.01171875";
  const LabRun text = smoothness({"--weights", dd6});
  EXPECT_TRUE(has_line(text, "Holder bounds at depth 14: 2.815328669 to 2.830074999")) << text.out;
  const LabRun json = smoothness({"--weights", dd6, "--format", "json"});
  EXPECT_NEAR(json_value(json.out, "holder_lower"), 2.815328669, 1e-9);
  EXPECT_NEAR(json_value(json.out, "holder_upper"), 2.830074999, 1e-9);
}

// The json rate of a mode analysis is the ratio of the two distances it
// names (rate_level and the level before), and for RBF4 with r fixed it is
// the guide's 0.253 at levels 5 to 6.
TEST(SmoothnessClaims, ModeRateIsTheRatioOfTheDistancesItNames) {
  const LabRun json = smoothness({"--scheme", "rbf4", "--format", "json"});
  const std::vector<double> distances = json_values(json.out, "distance");
  const double level = json_value(json.out, "rate_level");
  ASSERT_EQ(level, 6.0) << json.out;
  ASSERT_GE(distances.size(), 6u);
  EXPECT_EQ(json_value(json.out, "rate"), distances[5] / distances[4]);
  EXPECT_NEAR(json_value(json.out, "rate"), 0.253, 5e-4);
  const LabRun text = smoothness({"--scheme", "rbf4"});
  EXPECT_NE(text.out.find("fall by a factor 0.253 at levels 5 to 6"), std::string::npos)
      << text.out;
}

}  // namespace
