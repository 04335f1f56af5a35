#pragma once
// `curvix-lab refine`: a closed polygon refined K levels exactly as the
// program's subdivision command does, in text, csv, json or svg.

#include <string>
#include <vector>

#include "lab/common/lab_command.h"
#include "lab/common/mask_source.h"
#include "lab/refine/refine_engine.h"

namespace curvix {

extern const CommandSpec REFINE_COMMAND;

// What one command may ask for is capped so that it ends within seconds and
// a few hundred MB.
constexpr long long MAX_REFINED_POINTS = 131072;  // 2^17 in the last level: 100 points refined
                                                  // 10 levels (102,400) fit

struct RefineOptions {
  RefineRequest request;
  bool by_mask = false;  // the request's mask, from this source
  MaskSource source;
  bool all_levels = false;
  bool curvature = false;  // each point's discrete curvature (mask_refinement.h)
  std::string input;       // empty or "-" = standard input
};

// The options of a command line that names this command (no file is read).
LabStatus read_refine_options(const ParsedCommandLine& parsed, RefineOptions& options);

// The refinement of `points` as the command makes it from its INPUT: the
// same checks of the points and the caps, the same warnings and refusals.
LabStatus refine_given_points(const RefineOptions& options, const std::vector<PlanarPoint>& points,
                              Refinement& refinement, std::vector<std::string>& warnings);

// The levels of a refinement: every level when options.all_levels, else the last.
// Text lists "x y" lines under "# level k" comments, so it reads back as input;
// with options.curvature, each line, row or level adds the curvature.
std::string refine_document(const RefineOptions& options, const Refinement& refinement,
                            OutputFormat format);

}  // namespace curvix
