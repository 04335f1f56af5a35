#include "lab/common/number_text.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace curvix {

namespace {

constexpr int NUMBER_TEXT_SIZE = 32;  // a 10-digit number with sign, point and exponent fits

}  // namespace

NumberParse parse_double(const std::string& token, double& value) {
  if (token.empty()) return NumberParse::MALFORMED;
  const char* begin = token.c_str();
  char* end = nullptr;
  const double parsed = std::strtod(begin, &end);
  // strtod skips leading white space itself; the token must not have any.
  if (end != begin + token.size() || token.front() == ' ' || token.front() == '\t') {
    return NumberParse::MALFORMED;
  }
  if (!std::isfinite(parsed)) return NumberParse::NOT_FINITE;
  value = parsed;
  return NumberParse::OK;
}

bool parse_int(const std::string& token, int& value) {
  if (token.empty() || token.front() == ' ' || token.front() == '\t') return false;
  const char* begin = token.c_str();
  char* end = nullptr;
  errno = 0;
  const long parsed = std::strtol(begin, &end, 10);
  if (end != begin + token.size() || errno == ERANGE) return false;
  if (parsed < INT_MIN || parsed > INT_MAX) return false;
  value = static_cast<int>(parsed);
  return true;
}

bool parse_double_list(const std::string& text, std::vector<double>& values,
                       std::string& bad_item) {
  values.clear();
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    const std::string item = text.substr(start, comma - start);
    double value = 0.0;
    if (parse_double(item, value) != NumberParse::OK) {
      bad_item = item;
      return false;
    }
    values.push_back(value);
    if (comma == std::string::npos) return true;
    start = comma + 1;
  }
}

bool strictly_increasing(const std::vector<double>& values) {
  for (std::size_t i = 1; i < values.size(); ++i) {
    if (!(values[i - 1] < values[i])) return false;
  }
  return true;
}

std::string short_number(double value) {
  char text[NUMBER_TEXT_SIZE];
  std::snprintf(text, sizeof text, "%.*g", TEXT_DIGITS, value);
  return text;
}

}  // namespace curvix
