#pragma once
// Doubles as text that reads back to the same double, bit for bit, with
// strtod: what every file and page of Curvix that carries numbers for other
// programs writes.

#include <string>

namespace curvix {

// "%.17g": 17 significant digits, enough for every finite double. Infinities
// and NaN come out as "inf", "-inf", "nan" and "-nan".
std::string exact_number(double value);

}  // namespace curvix
