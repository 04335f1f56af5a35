#pragma once
// What curvix-lab asks of the maths. The front end (options, input, output
// formats, files) only ever calls these functions; lab_engine.cpp implements
// them over the curve and subdivision library. Every function reports failure
// as a value: an empty LabFailure::message is success, anything else is the
// one line the user sees, and the outputs are then unspecified.
//
// Points are in the program's stored coordinates: x to the right, y downward.

#include <string>
#include <vector>

enum class LabScheme { RBF4, RBF6, NR4, DD };
enum class LabCurve { LAGRANGE, BEZIER, RBF };
enum class LabBasis { MQ1 = 0, MQ3 = 1, GS = 2 };

struct LabPoint {
  double x = 0.0;
  double y = 0.0;
};

// The program's start values; the command-line options override them.
struct LabSettings {
  LabBasis basis = LabBasis::MQ1;
  double r = 1.0;    // basis shape parameter
  double c = 1.0;    // basis constant C
  int pd = 1;        // degree of the polynomial part of the RBF interpolants
  double h = 1.0;    // spacing of uniform parameter values
  double w = 0.125;  // tension of the four-point rule
};

struct LabFailure {
  std::string message;  // empty = success
};

// One stencil's insertion rule.
struct MaskRow {
  std::vector<double> params;  // the stencil's parameter values; empty for nr4/dd
  std::vector<double> weights;
  double sum = 0.0;
  int reproduction_degree = -1;  // highest degree of polynomials reproduced; -1: not even constants
};

// The insertion weights of one stencil of the scheme at the settings. params
// gives the s parameter values of an RBF stencil (s = 4 for rbf4, 6 for rbf6,
// strictly increasing); empty means T_m = (m - 1) h. Ignored for nr4 and dd.
LabFailure compute_mask(LabScheme, const LabSettings&, const std::vector<double>& params,
                        MaskRow& row);

struct RefineRequest {
  LabScheme scheme = LabScheme::RBF4;
  LabSettings settings;
  int levels = 1;             // >= 1
  bool stationary = false;    // r follows the spacing from level to level
  std::vector<double> knots;  // one per input point, strictly increasing; empty = uniform
};

struct RefineResult {
  std::vector<std::vector<LabPoint>> levels;  // levels[0] = input, then one per step
  std::vector<std::string> warnings;          // shown to the user, do not change the status
};

// Refines the closed polygon `input` (at least 2 points) request.levels
// times, exactly as the program's subdivision command does.
LabFailure refine_polygon(const RefineRequest&, const std::vector<LabPoint>& input,
                          RefineResult& out);

// `samples` (>= 2) points of the curve of the given kind over `input` (at
// least 1 point), with the knots as for refine_polygon.
LabFailure sample_curve(LabCurve, const LabSettings&, int samples, const std::vector<double>& knots,
                        const std::vector<LabPoint>& input, std::vector<LabPoint>& samples_out);

struct SmoothnessSummary {
  int sum_rules = 0;
  int reproduction_degree = -1;
  double holder_lower = 0.0;
  double holder_upper = 0.0;
  int smoothness_class = -1;  // -1: not even C0
  std::vector<double> weights;
  std::vector<std::string> notes;
};

// Analyses the interpolatory rule with the given insertion weights, using
// depth >= 1 steps for the Hölder estimates.
LabFailure analyse_rule(const std::vector<double>& weights, int depth, SmoothnessSummary& out);

// The weights of a scheme's uniform stencil at the settings (for `smoothness --scheme`).
LabFailure scheme_weights(LabScheme, const LabSettings&, std::vector<double>& weights);

// The depth that `smoothness` uses when --depth is not given.
int default_smoothness_depth();
