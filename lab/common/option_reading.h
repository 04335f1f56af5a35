#pragma once
// Turns the text of the parsed options into what each command runs with:
// the settings (defaulting to the program's start values), the scheme or
// curve kind, counts and lists. Every mistake is a usage error that names the
// option and the value.

#include <cstddef>
#include <string>
#include <vector>

#include "lab/command_line.h"
#include "lab/lab_engine.h"
#include "lab/lab_status.h"
#include "lab/sweep.h"

namespace curvix {

constexpr int DEFAULT_LEVELS = 1;
constexpr int MAX_LEVELS = 30;     // far past what any point store holds; guards against typos
constexpr int MAX_THREADS = 1024;  // far past any machine's cores; guards against typos
constexpr int DEFAULT_SAMPLES = 501;
constexpr int MIN_SAMPLES = 2;  // both ends of the parameter range
constexpr int MAX_SAMPLES = 1000000;
constexpr int MAX_SMOOTHNESS_DEPTH = 40;       // the estimates' cost grows with the depth
constexpr int DEFAULT_SMOOTHNESS_LEVELS = 10;  // the subdivision command's levels analysed
constexpr int MIN_SMOOTHNESS_LEVELS = 2;       // stationarity compares levels

// What one command may ask for is capped so that it ends within seconds and
// a few hundred MB; a request past a cap is refused before any work, naming
// the option (or the input, when that alone is too large).
constexpr long long MAX_REFINED_POINTS = 131072;  // 2^17 in the last level: 100 points refined
                                                  // 10 levels (102,400) fit
constexpr long long MAX_CURVE_TERMS = 100000000;  // samples times the terms each sums: N^2 for
                                                  // lagrange, N for bezier, N + pd + 1 for rbf
constexpr long long MAX_RBF_CURVE_ORDER = 1000;   // N + pd + 1: the dense RBF system, O(order^3)
constexpr std::size_t MAX_RULE_WEIGHTS = 32;      // the analysis's matrices are of about this order
constexpr double MAX_SMOOTHNESS_WORK = 67108864.0;          // 2^26 >= 2^(depth + 1) products of
                                                            // weights^3 each: about a second
constexpr double MAX_SMOOTHNESS_SWEEP_WORK = 2147483648.0;  // 2^31: the same sum over a sweep's
                                                            // analyses, about ten seconds
constexpr std::size_t MAX_SMOOTHNESS_SWEEP_VALUES = 256;    // each value up to two exact analyses,
                                                            // tens of ms each
constexpr int MIN_POLYNOMIAL_DEGREE = 0;  // the systems always have a constant term
constexpr int MAX_POLYNOMIAL_DEGREE = 1000;

enum class OutputFormat { TEXT, CSV, JSON, SVG };

struct CommonOptions {
  OutputFormat format = OutputFormat::TEXT;
  std::string output_path;  // empty = standard output
};

// Settings default to the program's start values; the scheme is in
// settings.subdivision.scheme.
struct MaskOptions {
  LevelSettings settings;
  std::vector<double> params;  // empty = uniform
  bool sweeping = false;
  Sweep sweep;
};

struct RefineOptions {
  RefineRequest request;
  bool all_levels = false;
  std::string input;  // empty or "-" = standard input
};

struct CurveOptions {
  CurveMode kind = CURVE_LAGRANGE;
  LevelSettings settings;  // the RBF settings and h
  int samples = DEFAULT_SAMPLES;
  std::vector<double> knots;  // empty = uniform
  std::string input;
};

// An RBF scheme (--scheme rbf4|rbf6) is analysed over its levels, as the
// subdivision command runs it (settings.stationary from --stationary); any
// other source is one rule.
struct SmoothnessOptions {
  bool from_scheme = false;  // --scheme given, else --weights
  LevelSettings settings;
  std::vector<double> weights;
  int depth = 0;  // filled with default_smoothness_depth() when not given
  bool over_levels = false;
  int levels = DEFAULT_SMOOTHNESS_LEVELS;
  bool sweeping = false;
  Sweep sweep;
};

// Reads --format and --output. svg is refused unless allow_svg.
LabStatus read_common_options(const ParsedCommandLine& parsed, bool allow_svg,
                              CommonOptions& common);

// Each reads one command's options into its record, or names the first mistake.
LabStatus read_mask_options(const ParsedCommandLine& parsed, MaskOptions& options);
LabStatus read_refine_options(const ParsedCommandLine& parsed, RefineOptions& options);
LabStatus read_curve_options(const ParsedCommandLine& parsed, CurveOptions& options);
LabStatus read_smoothness_options(const ParsedCommandLine& parsed, SmoothnessOptions& options);

// Usage errors for --levels whose last level passes MAX_REFINED_POINTS over
// `points` input points; a data error when even one level would.
LabStatus check_refine_size(const RefineOptions& options, std::size_t points);

// Usage errors for --samples past MAX_CURVE_TERMS over `points` input points;
// a data error when even MIN_SAMPLES would pass it, or when an rbf curve's
// system order N + pd + 1 passes MAX_RBF_CURVE_ORDER.
LabStatus check_curve_size(const CurveOptions& options, std::size_t points);

}  // namespace curvix
