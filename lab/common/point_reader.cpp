#include "lab/common/point_reader.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "lab/common/number_text.h"

namespace curvix {

namespace {

const char* const BLANKS = " \t\r";  // \r: files written on Windows read the same
const char* const EXPECTED_SHAPE = "expected \"x,y\" or \"x y\"";

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(BLANKS);
  if (first == std::string::npos) return "";
  const std::size_t last = text.find_last_not_of(BLANKS);
  return text.substr(first, last - first + 1);
}

// Splits at the one comma, or else at the one run of blanks between two tokens.
bool split_coordinates(const std::string& body, std::string& first, std::string& second) {
  const std::size_t comma = body.find(',');
  if (comma != std::string::npos) {
    first = trimmed(body.substr(0, comma));
    second = trimmed(body.substr(comma + 1));
    return true;
  }
  const std::size_t gap = body.find_first_of(BLANKS);
  if (gap == std::string::npos) return false;
  first = body.substr(0, gap);
  second = trimmed(body.substr(gap));
  return true;
}

bool parse_coordinate(const std::string& token, double& value, std::string& reason) {
  switch (parse_double(token, value)) {
    case NumberParse::OK: return true;
    case NumberParse::NOT_FINITE: reason = "non-finite number '" + token + "'"; return false;
    case NumberParse::MALFORMED: reason = EXPECTED_SHAPE; return false;
  }
  return false;
}

}  // namespace

bool parse_point_line(const std::string& line, PlanarPoint& point, bool& blank,
                      std::string& reason) {
  const std::string body = trimmed(line.substr(0, line.find('#')));
  blank = body.empty();
  if (blank) return false;
  std::string first;
  std::string second;
  if (!split_coordinates(body, first, second)) {
    reason = EXPECTED_SHAPE;
    return false;
  }
  return parse_coordinate(first, point.x, reason) && parse_coordinate(second, point.y, reason);
}

namespace {

constexpr std::size_t READ_CHUNK = 65536;  // bytes per read

// All of `in` into `text`, reading no more than one chunk past the cap.
LabStatus read_bounded(std::istream& in, std::string& text) {
  char chunk[READ_CHUNK];
  while (in.read(chunk, READ_CHUNK) || in.gcount() > 0) {
    text.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (text.size() > MAX_INPUT_BYTES) {
      return data_error("the input is larger than " + std::to_string(MAX_INPUT_BYTES >> 20) +
                        " MiB");
    }
  }
  if (in.bad()) return data_error("cannot read the input");
  return {};
}

}  // namespace

LabStatus read_points(std::istream& in, std::vector<PlanarPoint>& points) {
  std::string text;
  const LabStatus status = read_bounded(in, text);
  if (!status.ok()) return status;
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    PlanarPoint point;
    bool blank = false;
    std::string reason;
    if (parse_point_line(line, point, blank, reason)) {
      points.push_back(point);
    } else if (!blank) {
      return data_error("input line " + std::to_string(number) + ": " + reason);
    }
  }
  return {};
}

LabStatus load_points(const std::string& path, std::istream& standard_input,
                      std::vector<PlanarPoint>& points) {
  if (path.empty() || path == "-") return read_points(standard_input, points);
  std::ifstream file(path);
  if (!file) return data_error("cannot open '" + path + "': " + std::strerror(errno));
  return read_points(file, points);
}

LabStatus check_input_points(const std::vector<PlanarPoint>& points, std::size_t minimum,
                             const std::vector<double>& knots) {
  if (points.size() < minimum) {
    return data_error("need at least " + std::to_string(minimum) + " input point" +
                      (minimum == 1 ? "" : "s") + ", got " + std::to_string(points.size()));
  }
  if (!knots.empty() && knots.size() != points.size()) {
    return data_error("--knots gives " + std::to_string(knots.size()) + " values for " +
                      std::to_string(points.size()) + " input points");
  }
  return {};
}

}  // namespace curvix
