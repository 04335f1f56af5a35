#pragma once
// Reads the points that refine and curve work on: one point a line, "x,y" or
// "x y" (spaces and tabs allowed around the numbers and the comma), '#'
// starting a comment that runs to the end of the line, blank lines skipped.
// Parsing is kept apart from files so it can be tested on strings.

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

#include "curves/planar_point.h"
#include "lab/common/lab_status.h"

namespace curvix {

// Parses one line. Returns false, with `reason`, when it holds no point or a
// malformed one; sets `blank` when it is empty or only a comment.
bool parse_point_line(const std::string& line, PlanarPoint& point, bool& blank,
                      std::string& reason);

// Input past this is refused before it is parsed, so that a runaway stream
// (a device, a wrong file) cannot fill the memory: about five times the text
// of the largest polygon refine accepts (65,536 points with all 17 digits).
constexpr std::size_t MAX_INPUT_BYTES = 16u << 20;  // bytes

// Reads every line of `in`. On the first bad line returns a data error naming
// its 1-based line number; `points` then holds the points before it. Input
// longer than MAX_INPUT_BYTES is a data error and gives no points.
LabStatus read_points(std::istream& in, std::vector<PlanarPoint>& points);

// Reads the points of the file at `path`, or of `standard_input` when path is
// empty or "-". A file that cannot be opened is a data error naming it.
LabStatus load_points(const std::string& path, std::istream& standard_input,
                      std::vector<PlanarPoint>& points);

// At least `minimum` points, and knots that match them in number when any
// are given; data errors otherwise. The points of INPUT (load_points) and
// those of the Python module's arrays pass the same checks.
LabStatus check_input_points(const std::vector<PlanarPoint>& points, std::size_t minimum,
                             const std::vector<double>& knots);

}  // namespace curvix
