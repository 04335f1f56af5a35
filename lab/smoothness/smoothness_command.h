#pragma once
// `curvix-lab smoothness`: how smooth the limit curves of a rule or of one of
// the schemes are, one analysis or one per value of a swept setting, in text,
// csv, json, or svg for a sweep.

#include <string>
#include <vector>

#include "lab/common/lab_command.h"
#include "lab/common/mask_source.h"
#include "lab/common/sweep.h"
#include "lab/smoothness/smoothness_engine.h"

namespace curvix {

extern const CommandSpec SMOOTHNESS_COMMAND;

constexpr int DEFAULT_SMOOTHNESS_LEVELS = 10;  // the subdivision command's levels analysed

// What one command may ask for is capped so that it ends within seconds and
// a few hundred MB; a request past a cap is refused before any work.
constexpr std::size_t MAX_RULE_WEIGHTS = 32;  // the analysis's matrices are of about this order
constexpr double MAX_SMOOTHNESS_WORK = 67108864.0;          // 2^26 >= 2^(depth + 1) products of
                                                            // weights^3 each: about a second
constexpr double MAX_SMOOTHNESS_SWEEP_WORK = 2147483648.0;  // 2^31: the same sum over a sweep's
                                                            // analyses, about ten seconds
constexpr std::size_t MAX_SMOOTHNESS_SWEEP_VALUES = 256;    // each value up to two exact analyses,
                                                            // tens of ms each

// The work of a mask's analysis at the depth, which MAX_SMOOTHNESS_WORK caps:
// m^(depth + 1) products of matrices of order about its taps over m - 1.
double mask_analysis_cost(const ExactMask& mask, int depth);

// An RBF scheme (--scheme rbf4|rbf6) is analysed over its levels, as the
// subdivision command runs it (settings.stationary from --stationary); any
// other source is one rule.
struct SmoothnessOptions {
  bool from_scheme = false;  // --scheme naming one of the program's schemes
  bool by_mask = false;      // --mask, or --scheme naming one given by its mask: the source below
  MaskSource source;
  LevelSettings settings;
  std::vector<double> weights;
  int depth = 0;  // filled with default_smoothness_depth() when not given
  bool over_levels = false;
  int levels = DEFAULT_SMOOTHNESS_LEVELS;
  bool sweeping = false;
  Sweep sweep;
};

// One smoothness analysis: of a rule (options.weights, typed or a scheme's),
// or of an RBF scheme over its levels when options.over_levels.
struct SmoothnessResult {
  RuleAnalysis rule;
  ModeAnalysis levels;
};

// The analyses, one per swept value (`swept` parallel to `results`), or one
// with `swept` empty when there is no sweep, and the notes that word what
// their values mean; text, csv or json.
std::string smoothness_document(const SmoothnessOptions& options, const std::vector<double>& swept,
                                const std::vector<SmoothnessResult>& results, OutputFormat format);

}  // namespace curvix
