#pragma once
// The whole output of each command as one string, in the chosen text, csv or
// json format (svg pictures are in svg_picture.h). Built in memory so that
// --output can write all of it or nothing.

#include <string>
#include <vector>

#include "lab/lab_engine.h"
#include "lab/option_values.h"

namespace curvix {

// The mask rows, one per swept value (`swept` parallel to `rows`), or one row
// with `swept` empty when there is no sweep.
std::string mask_document(const MaskOptions& options, const std::vector<double>& swept,
                          const std::vector<MaskRow>& rows, OutputFormat format);

// The levels of a refinement: every level when options.all_levels, else the last.
// Text lists "x y" lines under "# level k" comments, so it reads back as input.
std::string refine_document(const RefineOptions& options, const Refinement& refinement,
                            OutputFormat format);

// The curve's samples; text as "x y" lines under a comment header.
std::string curve_document(const CurveOptions& options, const std::vector<PlanarPoint>& samples,
                           OutputFormat format);

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
