// The real engine's smoothness: exact values of the rules the program runs,
// the RBF schemes' mode over the subdivision command's levels, the weights it
// prints, and the advice of the conditioning warning.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "lab/smoothness/smoothness_engine.h"
#include "lab_run_helpers.h"

namespace {

using curvix::LevelSettings;
using curvix::ModeAnalysis;

const std::vector<double> DD4 = {-0.0625, 0.5625, 0.5625, -0.0625};

LevelSettings rbf4(curvix::BasisKind basis, bool stationary) {
  LevelSettings s;
  s.subdivision.scheme = curvix::SCHEME_RBF4;
  s.subdivision.rbf.basis = basis;
  s.stationary = stationary;
  return s;
}

ModeAnalysis levels_of(const LevelSettings& s) {
  ModeAnalysis analysis;
  EXPECT_EQ(analyse_scheme_levels(s, 10, 14, analysis), curvix::LabRefusal::NONE);
  return analysis;
}

// The values docs/smoothness.md's table gives, each exact (Rioul 1992; the closed
// form 2 - log2(1 + sqrt(1 - 16 w)) of the four-point rule does not reach
// w = 0.1, whose value the polytope certifies).
TEST(LabSmoothness, RulesOfTheProgramAreExact) {
  struct Case {
    std::vector<double> weights;
    double alpha;
    int proved, excluded;
    bool attained;
  };
  const Case cases[] = {{DD4, 2.0, 1, 2, false},
                        {{3.0 / 256, -25.0 / 256, 150.0 / 256, 150.0 / 256, -25.0 / 256, 3.0 / 256},
                         2.830075,
                         2,
                         3,
                         true},
                        {{-0.1, 0.6, 0.6, -0.1}, 1.583705, 1, 2, true}};
  for (const Case& c : cases) {
    curvix::RuleAnalysis rule;
    ASSERT_EQ(analyse_rule(c.weights, 14, rule), curvix::LabRefusal::NONE);
    const curvix::CertifiedSmoothness& s = rule.smoothness;
    EXPECT_TRUE(s.exact) << c.alpha;
    EXPECT_EQ(s.lower, s.upper);
    EXPECT_NEAR(s.lower, c.alpha, 1e-6);
    EXPECT_EQ(s.attained, c.attained) << c.alpha;
    EXPECT_EQ(s.smoothness_class, c.proved) << c.alpha;
    EXPECT_EQ(s.excluded_class, c.excluded) << c.alpha;
    // The exact value lies within the first step's bounds.
    EXPECT_GE(s.lower, s.bounds.holder_lower - 1e-9);
    EXPECT_LE(s.upper, s.bounds.holder_upper + 1e-9);
  }
}

// Stationary mode keeps a multiquadric's masks, not a gaussian's (exp(-r x^2)
// sees r h^2, which halving both divides by 8); without it every basis drifts
// to the flat limit, D-D's rule, and deep levels lose their digits.
TEST(LabSmoothness, ModeOfTheSchemeAsTheSubdivisionCommandRunsIt) {
  const ModeAnalysis mq1 = levels_of(rbf4(curvix::BASIS_MQ1, true));
  EXPECT_TRUE(mq1.mode.stationary);
  ASSERT_EQ(mq1.levels.size(), 10u);
  EXPECT_EQ(mq1.levels[9].settings.subdivision.rbf.r, std::ldexp(1.0, -9));
  EXPECT_TRUE(mq1.scheme.smoothness.exact);
  EXPECT_NEAR(mq1.scheme.smoothness.lower, 1.656550, 1e-6);
  EXPECT_TRUE(mq1.mode.limit_weights.empty());

  const ModeAnalysis gaussian = levels_of(rbf4(curvix::BASIS_GS, true));
  EXPECT_FALSE(gaussian.mode.stationary);
  EXPECT_EQ(gaussian.mode.limit_weights, DD4);
  EXPECT_TRUE(gaussian.mode.limit_confirmed);
  EXPECT_NEAR(gaussian.mode.rate, 0.125, 0.01);  // r h^2 / 8 a level
  EXPECT_NEAR(gaussian.levels[1].row.weights[0], -0.0771, 1e-4);
  EXPECT_NEAR(gaussian.levels[2].row.weights[0], -0.0643, 1e-4);
  EXPECT_TRUE(gaussian.scheme.smoothness.exact);
  EXPECT_EQ(gaussian.scheme.smoothness.lower, 2.0);
  EXPECT_NEAR(gaussian.first_level.smoothness.lower, 1.463942, 1e-6);

  const ModeAnalysis fixed_r = levels_of(rbf4(curvix::BASIS_MQ1, false));
  EXPECT_FALSE(fixed_r.mode.stationary);
  EXPECT_TRUE(fixed_r.mode.limit_confirmed);
  EXPECT_NEAR(fixed_r.mode.rate, 0.25, 0.02);
  EXPECT_EQ(fixed_r.mode.similarity_order, 1);
  EXPECT_TRUE(fixed_r.mode.trusted[0]);
  EXPECT_FALSE(fixed_r.mode.trusted[9]);  // condition 5e16
  EXPECT_GT(fixed_r.levels[9].condition, curvix::CONDITION_LIMIT);
}

// The weights printed are those analysed: a printed D-D 6-point rule is moved
// onto its 6 sum rules, and its results belong to the moved weights.
TEST(LabSmoothness, PrintsTheAnalysedWeightsNotTheTypedOnes) {
  const std::string typed = "0.0117,-0.0977,0.5859,0.5859,-0.0977,0.0117";
  const LabRun text = run_lab_with({"smoothness", "--weights", typed});
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_NE(text.out.find("\nweights: 0.01171875 -0.09765625 0.5859375 0.5859375 -0.09765625 "
                          "0.01171875\n"),
            std::string::npos)
      << text.out;
  EXPECT_EQ(text.out.find("0.0117 "), std::string::npos) << text.out;
  const LabRun json = run_lab_with({"smoothness", "--weights", typed, "--format", "json"});
  EXPECT_NE(json.out.find(",-0.09765625,0.5859375,0.5859375,-0.09765625,"), std::string::npos)
      << json.out;
  EXPECT_NE(json.out.find("\"exact\":true"), std::string::npos) << json.out;
}

// mask and smoothness give the tension of RBF4's symmetric rule, none for
// RBF6's six weights or a lopsided four-point rule.
TEST(LabSmoothness, TensionOfSymmetricFourPointRulesOnly) {
  const LabRun mask = run_lab_with({"mask", "--scheme", "rbf4", "--format", "json"});
  EXPECT_NE(mask.out.find("\"tension\":0.09212850847396"), std::string::npos) << mask.out;
  const LabRun six = run_lab_with({"mask", "--scheme", "rbf6", "--format", "json"});
  EXPECT_EQ(six.out.find("tension"), std::string::npos) << six.out;
  const LabRun lopsided =
      run_lab_with({"smoothness", "--weights", "-0.05,0.55,0.6,-0.1", "--format", "json"});
  ASSERT_EQ(lopsided.status, 0) << lopsided.err;
  EXPECT_EQ(lopsided.out.find("tension"), std::string::npos) << lopsided.out;
  const LabRun nr4 = run_lab_with({"smoothness", "--scheme", "nr4", "--w", "0.1"});
  EXPECT_NE(nr4.out.find("\ntension: 0.1\n"), std::string::npos) << nr4.out;
  // A sweep of w analyses the rule of each w.
  const LabRun sweep = run_lab_with(
      {"smoothness", "--scheme", "nr4", "--sweep", "w=0.05:0.1:0.05", "--format", "csv"});
  EXPECT_NE(sweep.out.find("\n0.1,1.5837053"), std::string::npos) << sweep.out;
}

// The gaussian in stationary mode loses its digits earlier than without it
// (level 6, not 8): its warning must not send the user to --stationary.
TEST(LabSmoothness, ConditioningWarningAdvisesWhatHelps) {
  const LabRun gaussian = run_lab_with(
      {"refine", "--scheme", "rbf4", "--basis", "gs", "--stationary", "--levels", "6"}, SQUARE);
  ASSERT_EQ(gaussian.status, 0) << gaussian.err;
  EXPECT_NE(gaussian.err.find("warning: level 6:"), std::string::npos) << gaussian.err;
  EXPECT_EQ(gaussian.err.find("try --stationary"), std::string::npos) << gaussian.err;
  EXPECT_NE(gaussian.err.find("stationary mode off"), std::string::npos) << gaussian.err;
  const LabRun fixed = run_lab_with({"refine", "--scheme", "rbf4", "--levels", "8"}, SQUARE);
  EXPECT_NE(fixed.err.find("try --stationary"), std::string::npos) << fixed.err;
  const LabRun mq1 = run_lab_with(
      {"refine", "--scheme", "rbf4", "--basis", "mq1", "--stationary", "--levels", "8"}, SQUARE);
  EXPECT_TRUE(mq1.err.empty()) << mq1.err;
}

}  // namespace
