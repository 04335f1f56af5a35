#include "io/exact_number.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace curvix {

namespace {

constexpr int MAX_SIGNIFICANT_DIGITS = 17;  // enough for every double to read back unchanged
constexpr int NUMBER_TEXT_SIZE = 64;        // printf's work space; the texts need 24 characters

// Decimal digits[0..count-1] times 10^(exponent - count + 1); the shortest
// round-trip digits of a finite |value| > 0 have no trailing zero.
struct ShortestDigits {
  char digits[MAX_SIGNIFICANT_DIGITS + 1] = {};
  int count = 0;
  int exponent = 0;
};

// The digits and exponent that "%.*e" wrote into `text`, all of its digits.
void read_scientific(const char* text, ShortestDigits& out) {
  out.count = 0;
  const char* c = text;
  for (; *c != 'e'; ++c)
    if (*c != '.') out.digits[out.count++] = *c;
  out.exponent = std::atoi(c + 1);
}

ShortestDigits without_trailing_zeros(ShortestDigits d) {
  while (d.count > 1 && d.digits[d.count - 1] == '0') --d.count;
  return d;
}

bool reads_back(const ShortestDigits& d, double magnitude) {
  char text[NUMBER_TEXT_SIZE];
  std::snprintf(text, sizeof text, "%.*se%d", d.count, d.digits, d.exponent - d.count + 1);
  return std::strtod(text, nullptr) == magnitude;
}

// The next decimal up at the last digit, with its carry: "1999" -> "2000".
ShortestDigits next_up(ShortestDigits d) {
  int k = d.count - 1;
  while (k >= 0 && d.digits[k] == '9') d.digits[k--] = '0';
  if (k >= 0) {
    ++d.digits[k];
  } else {
    d.digits[0] = '1';
    ++d.exponent;
  }
  return d;
}

// For each precision, the correctly rounded decimal is the nearest; when it
// misses the value's rounding interval only because the interval is narrower
// below (a power of two), the next one up may still be inside it.
ShortestDigits shortest_digits(double magnitude) {
  ShortestDigits d;
  for (int precision = 1; precision <= MAX_SIGNIFICANT_DIGITS; ++precision) {
    char text[NUMBER_TEXT_SIZE];
    std::snprintf(text, sizeof text, "%.*e", precision - 1, magnitude);
    read_scientific(text, d);
    if (reads_back(d, magnitude)) return without_trailing_zeros(d);
    const ShortestDigits up = next_up(d);
    if (reads_back(up, magnitude)) return without_trailing_zeros(up);
  }
  return without_trailing_zeros(d);
}

std::string scientific_text(const ShortestDigits& d) {
  std::string text(d.digits, d.digits + 1);
  if (d.count > 1) text += "." + std::string(d.digits + 1, d.digits + d.count);
  char exponent[16];
  std::snprintf(exponent, sizeof exponent, "e%c%02d", d.exponent < 0 ? '-' : '+',
                std::abs(d.exponent));
  return text + exponent;
}

// The length of fixed_text.
std::size_t fixed_length(const ShortestDigits& d) {
  if (d.exponent >= d.count - 1) return static_cast<std::size_t>(d.exponent + 1);
  if (d.exponent >= 0) return static_cast<std::size_t>(d.count + 1);
  return static_cast<std::size_t>(2 - d.exponent - 1 + d.count);
}

// Fixed notation; a whole number written with all its digits, as printf's
// "%.0f" gives them exactly (only when that is no longer than scientific).
std::string fixed_text(const ShortestDigits& d, double magnitude) {
  if (d.exponent >= d.count - 1) {
    char text[NUMBER_TEXT_SIZE];
    std::snprintf(text, sizeof text, "%.0f", magnitude);
    return text;
  }
  const std::string digits(d.digits, d.digits + d.count);
  if (d.exponent >= 0)
    return digits.substr(0, static_cast<std::size_t>(d.exponent + 1)) + "." +
           digits.substr(static_cast<std::size_t>(d.exponent + 1));
  return "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + digits;
}

}  // namespace

std::string exact_number_by_printf(double value) {
  if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
  const std::string sign = std::signbit(value) ? "-" : "";
  if (std::isinf(value)) return sign + "inf";
  if (value == 0.0) return sign + "0";
  const double magnitude = std::fabs(value);
  const ShortestDigits d = shortest_digits(magnitude);
  const std::string scientific = scientific_text(d);
  if (fixed_length(d) <= scientific.size()) return sign + fixed_text(d, magnitude);
  return sign + scientific;
}

int write_exact_number(double value, char* text) {
#if defined(__cpp_lib_to_chars)
  return static_cast<int>(std::to_chars(text, text + EXACT_NUMBER_MAX, value).ptr - text);
#else
  const std::string written = exact_number_by_printf(value);
  std::memcpy(text, written.data(), written.size());
  return static_cast<int>(written.size());
#endif
}

std::string exact_number(double value) {
  char text[EXACT_NUMBER_MAX];
  return std::string(text, static_cast<std::size_t>(write_exact_number(value, text)));
}

}  // namespace curvix
