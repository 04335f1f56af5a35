#pragma once
// Doubles as text that reads back to the same double, bit for bit, with
// strtod: what every file and page of Curvix that carries numbers for other
// programs writes.

#include <string>

namespace curvix {

// The shortest text that reads back to the same double, as std::to_chars
// writes it: the fewest significant digits that round-trip (of equally short
// ones the nearest to the value), in fixed notation ("0.1", "100",
// "123456789012345683968", exact integer digits) unless scientific notation
// ("1e+20", "1e-05") is shorter. Infinities and NaN come out as "inf",
// "-inf", "nan" and "-nan".
std::string exact_number(double value);

constexpr int EXACT_NUMBER_MAX = 32;  // characters: room for every exact_number text

// The text of exact_number(value) written at `text`, which has room for
// EXACT_NUMBER_MAX characters, with no terminator; returns its length. For
// documents of many numbers: nothing is allocated.
int write_exact_number(double value, char* text);

// The same text made with printf and strtod alone, for standard libraries
// without a floating-point std::to_chars (Emscripten's): exact_number uses it
// there, so that the page writes what the desktop writes.
std::string exact_number_by_printf(double value);

}  // namespace curvix
