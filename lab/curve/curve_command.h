#pragma once
// `curvix-lab curve`: M samples of a Lagrange, Bezier or RBF curve over the
// points, in text, csv, json or svg.

#include <string>
#include <vector>

#include "lab/common/lab_command.h"
#include "lab/curve/curve_engine.h"

namespace curvix {

extern const CommandSpec CURVE_COMMAND;

constexpr int DEFAULT_SAMPLES = 501;  // as the program draws a curve

// What one command may ask for is capped so that it ends within seconds and
// a few hundred MB; a request past a cap is refused before any work.
constexpr int MIN_SAMPLES = 2;  // both ends of the parameter range
constexpr int MAX_SAMPLES = 1000000;
constexpr long long MAX_CURVE_TERMS = 100000000;  // samples times the terms each sums: N^2 for
                                                  // lagrange, N for bezier, N + pd + 1 for rbf
constexpr long long MAX_RBF_CURVE_ORDER = 1000;   // N + pd + 1: the dense RBF system, O(order^3)

struct CurveOptions {
  CurveMode kind = CURVE_LAGRANGE;
  LevelSettings settings;  // the RBF settings and h
  int samples = DEFAULT_SAMPLES;
  std::vector<double> knots;  // empty = uniform
  std::string input;
};

// The options of a command line that names this command (no file is read).
LabStatus read_curve_options(const ParsedCommandLine& parsed, CurveOptions& options);

// The samples over `points` as the command makes them from its INPUT: the
// same checks of the points and the caps, the same refusals.
LabStatus curve_given_points(const CurveOptions& options, const std::vector<PlanarPoint>& points,
                             std::vector<PlanarPoint>& samples);

// The curve's samples; text as "x y" lines under a comment header.
std::string curve_document(const CurveOptions& options, const std::vector<PlanarPoint>& samples,
                           OutputFormat format);

}  // namespace curvix
