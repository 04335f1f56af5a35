#pragma once
// Turns the text of the parsed options into what each command runs with:
// the settings (defaulting to the program's start values), the scheme or
// curve kind, counts and lists. Every mistake is a usage error that names the
// option and the value.

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
constexpr int MAX_SAMPLES = 10000000;
constexpr int MAX_SMOOTHNESS_DEPTH = 40;       // the estimates' cost grows with the depth
constexpr int DEFAULT_SMOOTHNESS_LEVELS = 10;  // the subdivision command's levels analysed
constexpr int MIN_SMOOTHNESS_LEVELS = 2;       // stationarity compares levels
constexpr int MIN_POLYNOMIAL_DEGREE = 0;       // the systems always have a constant term
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

}  // namespace curvix
