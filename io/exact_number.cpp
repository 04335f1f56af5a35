#include "io/exact_number.h"

#include <cstdio>

namespace curvix {

namespace {

constexpr int EXACT_DIGITS = 17;      // enough for every double to read back unchanged
constexpr int NUMBER_TEXT_SIZE = 32;  // "-1.2345678901234567e-308" and its terminator fit

}  // namespace

std::string exact_number(double value) {
  char text[NUMBER_TEXT_SIZE];
  std::snprintf(text, sizeof text, "%.*g", EXACT_DIGITS, value);
  return text;
}

}  // namespace curvix
