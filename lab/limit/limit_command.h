#pragma once
// `curvix-lab limit`: the basic limit function of a scheme (the function its
// mask makes of one point moved by 1) and its derivatives up to the order its
// smoothness allows, in text, csv, json or an svg plot.

#include <string>

#include "lab/common/lab_command.h"
#include "lab/common/mask_source.h"
#include "lab/limit/limit_engine.h"

namespace curvix {

extern const CommandSpec LIMIT_COMMAND;

// What one command may ask for is capped so that it ends within seconds.
constexpr double MAX_LIMIT_SAMPLES = 1048576.0;  // 2^20 values of phi
constexpr int LIMIT_TARGET_RESOLUTION = 256;     // default levels: m^K at least this

struct LimitOptions {
  std::string name;              // the scheme as the document names it
  const char* source = nullptr;  // where a named scheme comes from; null for a typed mask
  bool named = false;            // a scheme's name, else a typed mask
  std::string scheme;            // that name
  ExactMask mask;
  int levels = 0;
  int depth = 0;
};

// The limit function's document: text, csv, json, or the svg plot.
std::string limit_document(const LimitOptions& options, const LimitFunction& limit,
                           OutputFormat format);

// The svg plot of phi and its derivatives, each scaled to its largest modulus.
std::string limit_plot(const LimitOptions& options, const LimitFunction& limit);

}  // namespace curvix
