#pragma once
// An SVG plot of a rule's or scheme's regularity against a swept parameter,
// for slides and papers: the smoothness classes as shaded horizontal bands
// (C^k where k < alpha <= k + 1), the regularity as a line where it is exact
// and as a shaded band between its bounds where it is not, and both axes
// labelled and ticked. Colours are the program's (curves/colours.h), as in
// svg_picture.h; numbers carry 8 significant digits, far below a pixel. A
// caption says at how many values the regularity is exact.

#include <string>
#include <vector>

namespace curvix {

constexpr double PLOT_WIDTH = 800.0;   // viewBox units; also the default width in pixels
constexpr double PLOT_HEIGHT = 500.0;  // viewBox units
constexpr int PLOT_TARGET_TICKS = 6;   // about this many ticks an axis, at 1, 2 or 5 times 10^k

// One swept value: the regularity's bounds (lower == upper when exact; NaN
// where there is no limit, which leaves a gap in the line; an infinite upper
// bound is drawn to the top of the plot).
struct RegularityPoint {
  double parameter = 0.0;
  double lower = 0.0;
  double upper = 0.0;
};

struct RegularityPlot {
  std::string title;
  std::string parameter_name;           // the x axis label
  std::vector<RegularityPoint> points;  // at least one, in increasing parameter
};

// The whole SVG document.
std::string regularity_plot(const RegularityPlot& plot);

// The tick values of an axis over [low, high] (low < high): multiples of a
// step of 1, 2 or 5 times a power of ten, about PLOT_TARGET_TICKS of them.
std::vector<double> axis_ticks(double low, double high);

}  // namespace curvix
