#pragma once
// A scheme given by its mask: typed (--mask a0,...,ak with --arity m) or one
// of the classics by name (--scheme bspline with --degree, chaikin, dual4,
// ternary4 with --mu). Taps and mu are read exactly: integers, decimals
// (0.5625, 1e-3) and fractions (3/256) alike, so a typed mask meets its sum
// rules exactly when its values do.

#include <string>
#include <vector>

#include "lab/common/lab_command.h"
#include "lab/common/lab_status.h"
#include "smoothness/exact_mask.h"
#include "smoothness/named_masks.h"
#include "subdivision/scheme_kind.h"

namespace curvix {

// The options a command that takes a mask accepts besides --scheme.
inline constexpr AcceptedOption MASK_SOURCE_OPTIONS[] = {
    {"--mask", true}, {"--arity", true}, {"--degree", true}, {"--mu", true}};

struct MaskSource {
  bool typed = false;                  // --mask; else the named scheme below
  SchemeKind scheme = SCHEME_BSPLINE;  // a scheme the program does not run
  std::vector<Rational> taps;          // typed
  int arity = MIN_ARITY;               // typed
  int degree = DEFAULT_BSPLINE_DEGREE;
  Rational mu = DEFAULT_TERNARY_MU;
};

// Whether the command line names a mask: --mask, or --scheme naming one of
// the schemes that only masks give.
bool names_mask(const ParsedCommandLine& parsed);

// Reads --mask and --arity, or --scheme and its --degree or --mu. Usage
// errors name the option and the value; --degree, --mu and --arity given
// where they do not apply are refused. The mask's own problems are left to
// check_mask.
LabStatus read_mask_source(const ParsedCommandLine& parsed, MaskSource& source);

// The settings only a named scheme's mask has are refused for the program's
// own schemes.
LabStatus refuse_mask_options(const ParsedCommandLine& parsed);

// The mask the source gives, aligned (exact_mask.h's convention).
ExactMask source_mask(const MaskSource& source);

// A data or usage error naming what is wrong with the mask, or success.
LabStatus check_mask(const ExactMask& mask);

// "bspline (degree 3)", "ternary4 (mu 1/11)", "chaikin", "the given mask".
std::string mask_source_name(const MaskSource& source);

// A rational as typed back: "3/256", "-1", "0".
std::string rational_text(const Rational& value);

// Parses one exact value: an integer, a decimal ("12.5e-3") or a fraction
// p/q, each digit string read in base 10.
enum class RationalText { VALID, INVALID, ZERO_DENOMINATOR };
RationalText parse_rational(const std::string& text, Rational& value);

// "-2..1": the indices of the mask's first and last taps.
std::string tap_indices(const ExactMask& mask);

}  // namespace curvix
