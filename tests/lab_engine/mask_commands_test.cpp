// The commands over schemes given by their masks, as a user runs them: where
// a dual scheme puts its points, what limit samples, the curvature refine
// adds, and the one line that refuses each kind of bad mask.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lab_run_helpers.h"

namespace {

LabRun run_ok(const std::vector<std::string>& args, const std::string& input = "") {
  LabRun run = run_lab_with(args, input);
  EXPECT_EQ(run.status, 0) << run.err;
  return run;
}

// Chaikin's points 2i and 2i + 1 lie a quarter and three quarters along the
// edge from p_i to p_(i+1): the first new point is on the first edge, not
// half a step back on the closing one.
TEST(MaskCommands, DualSchemeCutsEachEdgeAtAQuarterAndThreeQuarters) {
  const LabRun run = run_ok({"refine", "--scheme", "chaikin", "--format", "csv"}, SQUARE);
  EXPECT_NE(run.out.find("\n1,0,25,0\n1,1,75,0\n1,2,100,12.5\n1,3,100,37.5\n"), std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("\n1,7,0,12.5\n"), std::string::npos) << run.out;
}

// The linear B-spline inserts midpoints: the curvature is the corner's
// quarter turn over the mean of its edges (50 and 25), negative as the square
// turns right in the window, and 0 on the straight midpoints.
TEST(MaskCommands, CurvatureIsTurningAngleOverMeanEdge) {
  const LabRun run = run_ok(
      {"refine", "--scheme", "bspline", "--degree", "1", "--curvature", "--format", "csv"}, SQUARE);
  EXPECT_NE(run.out.find("\n1,0,0,0,-0.041887902047863905\n1,1,50,0,0\n"), std::string::npos)
      << run.out;
}

// The cascade of an interpolatory mask keeps the old values: D-D 4's basic
// limit function is 1 at 0, 0 at the other integers and 9/16 at 1/2; the
// hat function of the linear B-spline is sampled exactly.
TEST(MaskCommands, LimitSamplesTheBasicLimitFunction) {
  const LabRun dd = run_ok({"limit", "--scheme", "dd", "--levels", "1", "--format", "json"});
  EXPECT_NE(dd.out.find("\"x\":[-1.5,-1,-0.5,0,0.5,1,1.5],\"phi\":[-0.0625,0,0.5625,1,0.5625,0,"
                        "-0.0625]"),
            std::string::npos)
      << dd.out;
  const LabRun hat =
      run_ok({"limit", "--scheme", "bspline", "--degree", "1", "--levels", "2", "--format", "csv"});
  EXPECT_NE(hat.out.find("\n-0.25,0.75\n0,1\n0.25,0.75\n"), std::string::npos) << hat.out;
}

// Decimals are read exactly and in base 10 (0.25 is a quarter, 08 is
// eight); each bad mask is refused with one line and its status.
TEST(MaskCommands, BadMasksAreRefusedWithOneLine) {
  const LabRun quarter = run_ok({"mask", "--mask", "0.25,0.5,0.25,0.5,0.5"});
  EXPECT_NE(quarter.out.find("\ntaps: 1/4 1/2 1/4 1/2 1/2\n"), std::string::npos) << quarter.out;
  EXPECT_NE(run_ok({"mask", "--mask", "08/16,1,1/2"}).out.find("\ntaps: 1/2 1 1/2\n"),
            std::string::npos);

  struct Refusal {
    std::vector<std::string> args;
    int status;
    std::string line;
  };
  std::string sixty_five = "1";
  for (int i = 0; i < 64; ++i) sixty_five += ",0";
  const Refusal refusals[] = {
      {{"--mask", "0,0,0"}, 1, "curvix-lab: every tap of the mask is 0\n"},
      {{"--mask", "1,2,1"}, 1, "curvix-lab: the taps sum to 4, not the arity 2: the scheme has no limit\n"},
      {{"--mask", "0.25,1.5,0.25"}, 1,
       "curvix-lab: the taps sum to 2, but not to 1 over each residue class modulo 2: no sum rule, "
       "the scheme has no limit\n"},
      {{"--mask", "1,1", "--arity", "5"}, 2,
       "curvix-lab: invalid value '5' for --arity (expected an integer from 2 to 4)\n"},
      {{"--mask", "1/0,2"}, 2, "curvix-lab: zero denominator in '1/0' in --mask\n"},
      {{"--mask", "inf,1"}, 2, "curvix-lab: non-finite value 'inf' in --mask\n"},
      {{"--mask", sixty_five}, 2, "curvix-lab: --mask gives more than the 64 taps allowed\n"},
  };
  for (const Refusal& r : refusals) {
    std::vector<std::string> args = {"smoothness"};
    args.insert(args.end(), r.args.begin(), r.args.end());
    const LabRun run = run_lab_with(args);
    EXPECT_EQ(run.status, r.status) << r.line;
    EXPECT_EQ(run.err, r.line);
    EXPECT_TRUE(run.out.empty()) << run.out;
  }
}

}  // namespace
