#pragma once
// Numbers between text and doubles. Parsing is strict: strtod or strtol must
// consume the whole token, and a double must be finite. Formatting for files
// is io/exact_number.h's; the short format here is for people.

#include <string>
#include <vector>

namespace curvix {

constexpr int TEXT_DIGITS = 10;  // significant digits of the text format

enum class NumberParse { OK, MALFORMED, NOT_FINITE };

// Parses the whole of `token` (no surrounding spaces) as a double.
NumberParse parse_double(const std::string& token, double& value);

// Parses the whole of `token` as a decimal int. Returns false on junk or overflow.
bool parse_int(const std::string& token, int& value);

// Parses "v1,v2,...,vn" (n >= 1). On failure returns false and names the
// offending item in `bad_item`.
bool parse_double_list(const std::string& text, std::vector<double>& values, std::string& bad_item);

// Whether every value is below the next (true for fewer than two values).
bool strictly_increasing(const std::vector<double>& values);

// "%.10g": for the text format, which says so in its header.
std::string short_number(double value);

}  // namespace curvix
