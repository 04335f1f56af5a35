#pragma once
// Reading options that several commands share: the settings (defaulting to
// the program's start values), the scheme, --format and --output, numbers,
// counts and lists, and the INPUT operand. Every mistake is a usage error
// that names the option and the value. Each command reads its own options
// with these, in its own folder.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

#include "curves/curve_mode.h"
#include "lab/common/lab_command.h"
#include "lab/common/lab_status.h"
#include "subdivision/refine_levels.h"

namespace curvix {

constexpr int MAX_LEVELS = 30;  // far past what any point store holds; guards against typos
constexpr int MIN_POLYNOMIAL_DEGREE = 0;  // the systems always have a constant term
constexpr int MAX_POLYNOMIAL_DEGREE = 1000;

struct CommonOptions {
  OutputFormat format = OutputFormat::TEXT;
  std::string output_path;  // empty = standard output
};

// Reads --format and --output. svg is refused unless allow_svg.
LabStatus read_common_options(const ParsedCommandLine& parsed, bool allow_svg,
                              CommonOptions& common);

// Whether the option was given with a value.
bool given(const ParsedCommandLine& parsed, const char* option);

// Each leaves `value` alone when the option is absent, and names the option
// and the value it refuses.
LabStatus read_double(const ParsedCommandLine& parsed, const char* option, double& value);
LabStatus read_int(const ParsedCommandLine& parsed, const char* option, int low, int high,
                   int& value);
LabStatus read_list(const ParsedCommandLine& parsed, const char* option,
                    std::vector<double>& values);
LabStatus read_increasing_list(const ParsedCommandLine& parsed, const char* option,
                               std::vector<double>& values);

// --basis, --r, --c, --pd, --h and --w.
LabStatus read_settings(const ParsedCommandLine& parsed, LevelSettings& settings);

// --scheme, required.
LabStatus read_scheme(const ParsedCommandLine& parsed, LevelSettings& settings);

// --kind, required: a curve kind other than none.
LabStatus read_curve_kind(const ParsedCommandLine& parsed, CurveMode& kind);

// The first failure of a sequence of reads, or success.
LabStatus first_failure(std::initializer_list<LabStatus> statuses);

// The INPUT operand; empty for standard input.
std::string operand_or_stdin(const ParsedCommandLine& parsed);

}  // namespace curvix
