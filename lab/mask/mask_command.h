#pragma once
// `curvix-lab mask`: the insertion weights of one stencil of a scheme at its
// settings, or one row per value of a swept setting.

#include <string>
#include <vector>

#include "lab/common/lab_command.h"
#include "lab/common/mask_source.h"
#include "lab/common/sweep.h"
#include "lab/mask/mask_engine.h"

namespace curvix {

extern const CommandSpec MASK_COMMAND;

// Settings default to the program's start values; the scheme is in
// settings.subdivision.scheme.
struct MaskOptions {
  bool by_mask = false;  // --mask or a scheme given by its mask: the source below
  MaskSource source;
  LevelSettings settings;
  std::vector<double> params;  // empty = uniform
  bool sweeping = false;
  Sweep sweep;
};

// The mask rows, one per swept value (`swept` parallel to `rows`), or one row
// with `swept` empty when there is no sweep; text, csv or json.
std::string mask_document(const MaskOptions& options, const std::vector<double>& swept,
                          const std::vector<MaskRow>& rows, OutputFormat format);

// A mask's exact facts (mask_facts.h); text, csv or json.
std::string mask_facts_document(const MaskOptions& options, const ExactMask& mask,
                                const MaskMoments& moments, OutputFormat format);

// The engine's refusals of one stencil's system, in words (mask and smoothness).
LabStatus stencil_refusal(LabRefusal refusal, const LevelSettings& settings);

}  // namespace curvix
