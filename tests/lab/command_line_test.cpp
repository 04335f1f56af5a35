// Statuses and messages of whole runs over the fake engine: what a user or a
// script sees for every kind of mistake.
#include <gtest/gtest.h>

#include "fake_lab_engine.h"
#include "lab_run_helpers.h"

using namespace curvix;

namespace {

struct ExpectedFailure {
  std::vector<std::string> args;
  int status;
  std::string message;  // the whole stderr line after "curvix-lab: "
};

void expect_failures(const std::vector<ExpectedFailure>& cases, const std::string& input) {
  for (const auto& expected : cases) {
    const LabRun run = run_lab_with(expected.args, input);
    const std::string what = ::testing::PrintToString(expected.args);
    EXPECT_EQ(run.status, expected.status) << what;
    EXPECT_EQ(run.err, "curvix-lab: " + expected.message + "\n") << what;
    EXPECT_EQ(run.out, "") << what;
  }
}

TEST(LabCommandLine, UsageMistakesAreNamedWithStatus2) {
  expect_failures(
      {
          {{"frobnicate"},
           2,
           "unknown command 'frobnicate' (expected mask, refine, curve, smoothness or limit)"},
          {{"--foo"},
           2,
           "unknown option '--foo' (expected mask, refine, curve, smoothness or limit)"},
          {{"mask", "--scheme", "rbf4", "--foo"}, 2, "unknown option '--foo'"},
          {{"mask", "--scheme", "rbf4", "--levels", "2"}, 2, "unknown option '--levels'"},
          {{"mask", "--scheme", "rbf5"},
           2,
           "unknown scheme 'rbf5' (expected rbf4, rbf6, nr4, dd, bspline, chaikin, dual4 or "
           "ternary4)"},
          {{"mask"}, 2, "missing option '--scheme'"},
          {{"mask", "--scheme"}, 2, "option '--scheme' needs a value"},
          {{"mask", "--scheme", "dd", "--r"}, 2, "option '--r' needs a value"},
          {{"mask", "--scheme", "dd", "--r", "1x"}, 2, "invalid number '1x' for --r"},
          {{"mask", "--scheme", "dd", "--c=inf"}, 2, "non-finite value 'inf' for --c"},
          {{"mask", "--scheme", "dd", "--basis", "tps"},
           2,
           "unknown basis 'tps' (expected mq1, mq3 or gs)"},
          {{"mask", "--scheme", "dd", "--pd", "1.5"},
           2,
           "invalid value '1.5' for --pd (expected an integer from 0 to 1000)"},
          {{"curve", "--kind", "rbf", "--pd", "-1"},
           2,
           "invalid value '-1' for --pd (expected an integer from 0 to 1000)"},
          {{"mask", "--scheme", "rbf6", "--params", "0,1,2,3"},
           2,
           "--params needs 6 values for rbf6, got 4"},
          {{"mask", "--scheme", "rbf4", "--params", "0,2,1,3"},
           2,
           "--params values must be strictly increasing"},
          {{"mask", "--scheme", "rbf4", "--params", "0,1,,3"}, 2, "invalid number '' in --params"},
          {{"mask", "--scheme", "nr4", "--params", "0,1,2,3"},
           2,
           "--params applies to rbf4 and rbf6 only"},
          {{"mask", "--scheme", "rbf4", "--format", "svg"},
           2,
           "--format svg applies to refine, curve and smoothness --sweep only"},
          {{"mask", "--scheme", "rbf4", "--format", "xml"},
           2,
           "unknown format 'xml' (expected text, csv or json)"},
          {{"mask", "--scheme", "rbf4", "--sweep", "w=0:1:0.5"},
           2,
           "unknown sweep name 'w' (expected r, c or h)"},
          {{"mask", "--scheme", "rbf4", "--sweep", "r=0:1:0"}, 2, "sweep STEP must be positive"},
          {{"mask", "--scheme", "rbf4", "--sweep", "r=0:1:-1"}, 2, "sweep STEP must be positive"},
          {{"mask", "--scheme", "rbf4", "--sweep", "r=2:1:0.5"},
           2,
           "sweep FROM must not exceed TO"},
          {{"mask", "--scheme", "rbf4", "--sweep", "r=0:1:0.0001"},
           2,
           "sweep gives more than 10000 rows"},
          {{"mask", "--scheme", "rbf4", "--sweep", "r=0:1"},
           2,
           "expected --sweep NAME=FROM:TO:STEP with NAME r, c or h"},
          {{"refine", "--scheme", "dd", "--levels", "0"},
           2,
           "invalid value '0' for --levels (expected an integer from 1 to 30)"},
          {{"refine", "--scheme", "dd", "a.txt", "b.txt"}, 2, "unexpected argument 'b.txt'"},
          {{"refine", "--scheme", "dd", "--stationary=yes"},
           2,
           "option '--stationary' takes no value"},
          {{"curve", "--samples", "5"}, 2, "missing option '--kind'"},
          {{"curve", "--kind", "spline"},
           2,
           "unknown curve kind 'spline' (expected lagrange, bezier or rbf)"},
          {{"curve", "--kind", "rbf", "--samples", "1"},
           2,
           "invalid value '1' for --samples (expected an integer from 2 to 1000000)"},
          {{"smoothness"}, 2, "give one of --scheme, --mask or --weights"},
          {{"smoothness", "--scheme", "dd", "--weights", "1,1"},
           2,
           "give one of --scheme, --mask or --weights"},
          {{"smoothness", "--weights", "1,2,3"},
           2,
           "--weights needs an even number of values (w1,...,w2L)"},
          {{"smoothness", "--weights", "1,1", "--r", "2"}, 2, "--r needs --scheme"},
      },
      SQUARE);
}

TEST(LabCommandLine, DataAndEngineFailuresHaveStatus1) {
  expect_failures(
      {
          {{"refine", "--scheme", "dd", "--output", "/nonexistent-dir/out.txt"},
           1,
           "cannot write '/nonexistent-dir/out.txt': No such file or directory"},
          {{"refine", "--scheme", "dd", "--knots", "0,1,2"},
           1,
           "--knots gives 3 values for 4 input points"},
          {{"refine", "--scheme", "dd", "--r", "-1"},
           1,
           "singular stencil system at level 1, index 0"},
          {{"mask", "--scheme", "rbf4", "--sweep", "r=-1:1:0.5"},
           1,
           "r = -1: singular stencil system at these settings"},
          {{"smoothness", "--weights", "0,0"},
           1,
           "not a binary interpolatory rule: give an even number (2 or more) of finite weights"},
      },
      SQUARE);
  expect_failures({{{"refine", "--scheme", "dd"}, 1, "need at least 2 input points, got 1"},
                   {{"curve", "--kind", "rbf"},
                    1,
                    "the RBF interpolation system is singular at these settings"}},
                  "# one point\n5 5\n");
  expect_failures({{{"curve", "--kind", "lagrange"}, 1, "need at least 1 input point, got 0"}}, "");
  expect_failures(
      {{{"refine", "--scheme", "nr4", "-"}, 1, "input line 3: expected \"x,y\" or \"x y\""}},
      "0,0\n1,1\n2;2\n");
}

// Messages quote what was typed; a newline or a terminal escape in it is
// spelled out, so that the error is still the one line a script reads.
TEST(LabCommandLine, EchoedTextStaysOnOneLine) {
  expect_failures(
      {
          {{"curve", "--kind", "lagrange\n400,80"},
           2,
           "unknown curve kind 'lagrange\\n400,80' (expected lagrange, bezier or rbf)"},
          {{"mask\r", "--scheme", "dd"},
           2,
           "unknown command 'mask\\x0d' (expected mask, refine, curve, smoothness or limit)"},
          {{"mask", "--scheme", "dd", "--r", "1\t\x1b[2J"},
           2,
           "invalid number '1\\t\\x1b[2J' for --r"},
      },
      SQUARE);
}

TEST(LabCommandLine, WarningsGoToStderrAndKeepStatus0) {
  const LabRun run = run_lab_with({"refine", "--scheme", "rbf4", "--c", "1000"}, SQUARE);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err,
            "curvix-lab: warning: level 1: worst condition number of the stencil systems is 2e+13 "
            "(above 1e12: digits are being lost; try --stationary)\n");
  EXPECT_NE(run.out.find("# level 1, 8 points\n"), std::string::npos) << run.out;
}

TEST(LabCommandLine, NoCommandPrintsUsageOnStderrWithStatus2) {
  const LabRun run = run_lab_with({});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err.rfind("usage: curvix-lab COMMAND", 0), 0u) << run.err;
}

// Every option a command accepts is documented in its help, with a default
// or as required; help wins over any other mistake on the line.
TEST(LabCommandLine, HelpListsEveryAcceptedOption) {
  const std::vector<std::string> all_options = {
      "--scheme",  "--kind",    "--basis", "--r",      "--c",          "--pd",     "--h",
      "--w",       "--params",  "--sweep", "--levels", "--stationary", "--knots",  "--all-levels",
      "--samples", "--weights", "--depth", "--format", "--output",     "--threads"};
  for (const std::string command : {"mask", "refine", "curve", "smoothness"}) {
    const LabRun help = run_lab_with({command, "--bogus", "-h"});
    ASSERT_EQ(help.status, 0) << command;
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(help.out.rfind("usage: curvix-lab " + command, 0), 0u) << help.out;
    EXPECT_NE(help.out.find("example:\n  curvix-lab " + command), std::string::npos) << command;
    for (const std::string& option : all_options) {
      const LabRun probe = run_lab_with({command, option + "=x"});
      const bool accepted = probe.err.find("unknown option") == std::string::npos;
      EXPECT_EQ(accepted, help.out.find("  " + option + " ") != std::string::npos ||
                              help.out.find("  " + option + "\n") != std::string::npos)
          << command << " " << option;
    }
  }
  const LabRun program = run_lab_with({"--help"});
  EXPECT_EQ(program.status, 0);
  EXPECT_EQ(program.out.rfind("usage: curvix-lab COMMAND", 0), 0u);
  const LabRun smoothness = run_lab_with({"smoothness", "--help"});
  EXPECT_NE(smoothness.out.find("(default " + std::to_string(FAKE_DEPTH) + ")"), std::string::npos);
}

// Values are FROM + k * STEP: accumulating 0.1 ten times would give
// 0.9999999999999999 as the last r, and a strict end test would lose 0.3 in
// 0:0.3:0.1, where 3 * 0.1 lands just above 0.3.
TEST(LabCommandLine, SweepRowsAreComputedNotAccumulated) {
  const LabRun tenths =
      run_lab_with({"mask", "--scheme", "dd", "--sweep", "r=0.1:1:0.1", "--format", "csv"});
  ASSERT_EQ(tenths.status, 0) << tenths.err;
  std::istringstream lines(tenths.out);
  std::string line;
  std::getline(lines, line);
  EXPECT_EQ(line, "r,w1,w2,w3,w4,sum,degree,tension");
  std::vector<double> swept;
  while (std::getline(lines, line)) swept.push_back(std::strtod(line.c_str(), nullptr));
  ASSERT_EQ(swept.size(), 10u);
  for (std::size_t k = 0; k < swept.size(); ++k)
    EXPECT_EQ(swept[k], 0.1 + static_cast<double>(k) * 0.1);
  EXPECT_EQ(swept.back(), 1.0);

  const LabRun overshoot =
      run_lab_with({"mask", "--scheme", "dd", "--sweep", "c=0:0.3:0.1", "--format", "json"});
  ASSERT_EQ(overshoot.status, 0) << overshoot.err;
  EXPECT_NE(overshoot.out.find("{\"c\":0.30000000000000004,"), std::string::npos) << overshoot.out;
}

}  // namespace
