#include "lab/smoothness/regularity_plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "curves/colours.h"
#include "lab/common/svg_picture.h"

// Index
// - Frame: the plot area and the map from values to the canvas
// - Parts: bands, curve, axes, labels
// - The document

namespace curvix {

namespace {

// ------------------------------------------------------------------ Frame

constexpr double MARGIN_LEFT = 72.0;    // viewBox units: y tick labels and the y axis label
constexpr double MARGIN_RIGHT = 48.0;   // the class labels
constexpr double MARGIN_TOP = 40.0;     // the title
constexpr double MARGIN_BOTTOM = 64.0;  // x tick labels and the x axis label
constexpr double TICK_LENGTH = 6.0;     // viewBox units
constexpr double FONT_SIZE = 15.0;      // viewBox units
constexpr double TITLE_SIZE = 17.0;     // viewBox units
constexpr double CURVE_WIDTH = 2.0;     // viewBox units
constexpr double LABEL_GAP = 6.0;       // viewBox units between a label and what it names
constexpr double BASELINE_DROP = FONT_SIZE / 3.0;  // centres a label's digits on its y
constexpr double EDGE_LABEL_INSET = 18.0;  // viewBox units: the axis labels from the canvas edge
constexpr double BOUNDS_OPACITY = 0.35;    // the band between bounds, over the class bands
constexpr float PAPER_WHITE = 1.0f;        // the plot's page, as a paper's
constexpr double BAND_OPACITY = 0.5;       // the tinted class bands
// Every other class band is tinted with the program's background grey.
constexpr float BAND_GREY = BACKGROUND_GREY;

struct Frame {
  double x_low, x_high, y_low, y_high;
  double left = MARGIN_LEFT;
  double right = PLOT_WIDTH - MARGIN_RIGHT;
  double top = MARGIN_TOP;
  double bottom = PLOT_HEIGHT - MARGIN_BOTTOM;

  double x(double value) const {
    return left + (value - x_low) / (x_high - x_low) * (right - left);
  }
  double y(double value) const {
    const double clamped = std::min(std::max(value, y_low), y_high);
    return bottom - (clamped - y_low) / (y_high - y_low) * (bottom - top);
  }
};

// x over the swept range (widened by one unit when it is a single value); y
// from 0 (or below, for negative regularities) to the next integer above the
// largest finite bound, at least 1.
Frame frame_of(const RegularityPlot& plot) {
  Frame f{plot.points.front().parameter, plot.points.back().parameter, 0.0, 1.0};
  if (!(f.x_high > f.x_low)) {
    f.x_low -= 0.5;
    f.x_high += 0.5;
  }
  for (const RegularityPoint& p : plot.points) {
    if (std::isfinite(p.lower)) f.y_low = std::min(f.y_low, std::floor(p.lower));
    if (std::isfinite(p.upper)) f.y_high = std::max(f.y_high, std::ceil(p.upper));
    if (std::isfinite(p.lower)) f.y_high = std::max(f.y_high, std::ceil(p.lower));
  }
  if (!(f.y_high > f.y_low)) f.y_high = f.y_low + 1.0;
  return f;
}

std::string escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else if (c == '&')
      out += "&amp;";
    else
      out += c;
  }
  return out;
}

std::string text_at(double x, double y, const std::string& anchor, double size,
                    const std::string& content, const std::string& extra = "") {
  return "<text x=\"" + svg_number(x) + "\" y=\"" + svg_number(y) + "\" text-anchor=\"" + anchor +
         "\" font-size=\"" + svg_number(size) + "\"" + extra + ">" + escaped(content) + "</text>\n";
}

std::string line(double x1, double y1, double x2, double y2) {
  return "<line x1=\"" + svg_number(x1) + "\" y1=\"" + svg_number(y1) + "\" x2=\"" +
         svg_number(x2) + "\" y2=\"" + svg_number(y2) + "\"/>\n";
}

// ------------------------------------------------------------------ Parts

// Class C^k for k < alpha <= k + 1: the band from y = k to k + 1, labelled
// at the right; every other band tinted.
std::string class_bands(const Frame& f) {
  const Colour tint{BAND_GREY, BAND_GREY, BAND_GREY};
  std::string svg = "<g font-family=\"sans-serif\" fill=\"" + svg_rgb(INK_COLOUR) + "\">\n";
  for (double k = f.y_low; k < f.y_high; k += 1.0) {
    const double top = f.y(k + 1.0);
    const double bottom = f.y(k);
    if (static_cast<long long>(k) % 2 == 0)
      svg += "<rect x=\"" + svg_number(f.left) + "\" y=\"" + svg_number(top) + "\" width=\"" +
             svg_number(f.right - f.left) + "\" height=\"" + svg_number(bottom - top) +
             "\" fill=\"" + svg_rgb(tint) + "\" fill-opacity=\"" + svg_number(BAND_OPACITY) +
             "\"/>\n";
    const std::string label = k < 0.0 ? "none" : "C" + std::to_string(static_cast<long long>(k));
    svg += text_at(f.right + LABEL_GAP, (top + bottom) / 2.0 + BASELINE_DROP, "start", FONT_SIZE,
                   label);
  }
  return svg + "</g>\n";
}

// Runs of consecutive points with finite lower bounds.
std::vector<std::vector<RegularityPoint>> finite_runs(const RegularityPlot& plot) {
  std::vector<std::vector<RegularityPoint>> runs(1);
  for (const RegularityPoint& p : plot.points) {
    if (std::isfinite(p.lower) && !std::isnan(p.upper))
      runs.back().push_back(p);
    else if (!runs.back().empty())
      runs.emplace_back();
  }
  if (runs.back().empty()) runs.pop_back();
  return runs;
}

std::string points_of(const Frame& f, const std::vector<RegularityPoint>& run, bool upper) {
  std::string points;
  for (const RegularityPoint& p : run)
    points += (points.empty() ? "" : " ") + svg_number(f.x(p.parameter)) + "," +
              svg_number(f.y(upper ? p.upper : p.lower));
  return points;
}

// The band between the bounds (of no width where exact), then both bounds as lines.
std::string regularity_curve(const Frame& f, const RegularityPlot& plot) {
  const std::string colour = svg_rgb(CURVE_LINE_COLOUR);
  std::string svg;
  for (const auto& run : finite_runs(plot)) {
    std::vector<RegularityPoint> back(run.rbegin(), run.rend());
    svg += "<polygon fill=\"" + svg_rgb(FOUR_POINT_LEVEL_COLOUR) + "\" fill-opacity=\"" +
           svg_number(BOUNDS_OPACITY) + "\" stroke=\"none\" points=\"" + points_of(f, run, false) +
           " " + points_of(f, back, true) + "\"/>\n";
    for (const bool upper : {false, true})
      svg += "<polyline fill=\"none\" stroke=\"" + colour + "\" stroke-width=\"" +
             svg_number(CURVE_WIDTH) + "\" stroke-linejoin=\"round\" points=\"" +
             points_of(f, run, upper) + "\"/>\n";
  }
  return svg;
}

std::string tick_label(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%g", std::fabs(value) < 1e-12 ? 0.0 : value);
  return buffer;
}

// What the line and the band mean, with how many values are exact.
std::string caption(const RegularityPlot& plot) {
  std::size_t exact = 0;
  for (const RegularityPoint& p : plot.points) exact += p.lower == p.upper ? 1 : 0;
  const std::string count = std::to_string(plot.points.size());
  if (exact == plot.points.size()) return "exact at all " + count + " values";
  return "exact at " + std::to_string(exact) + " of " + count + " values; shaded: bounds";
}

std::string axes(const Frame& f, const RegularityPlot& plot) {
  std::string svg = "<g stroke=\"" + svg_rgb(INK_COLOUR) + "\" stroke-width=\"1\" fill=\"none\">\n";
  svg += "<rect x=\"" + svg_number(f.left) + "\" y=\"" + svg_number(f.top) + "\" width=\"" +
         svg_number(f.right - f.left) + "\" height=\"" + svg_number(f.bottom - f.top) + "\"/>\n";
  const std::vector<double> x_ticks = axis_ticks(f.x_low, f.x_high);
  const std::vector<double> y_ticks = axis_ticks(f.y_low, f.y_high);
  for (const double t : x_ticks) svg += line(f.x(t), f.bottom, f.x(t), f.bottom + TICK_LENGTH);
  for (const double t : y_ticks) svg += line(f.left - TICK_LENGTH, f.y(t), f.left, f.y(t));
  svg += "</g>\n<g font-family=\"sans-serif\" fill=\"black\">\n";
  for (const double t : x_ticks)
    svg += text_at(f.x(t), f.bottom + TICK_LENGTH + FONT_SIZE + LABEL_GAP / 2.0, "middle",
                   FONT_SIZE, tick_label(t));
  for (const double t : y_ticks)
    svg += text_at(f.left - TICK_LENGTH - LABEL_GAP / 2.0, f.y(t) + BASELINE_DROP, "end", FONT_SIZE,
                   tick_label(t));
  svg += text_at((f.left + f.right) / 2.0, PLOT_HEIGHT - EDGE_LABEL_INSET, "middle", FONT_SIZE,
                 plot.parameter_name, " font-style=\"italic\"");
  const double middle = (f.top + f.bottom) / 2.0;
  svg += text_at(
      EDGE_LABEL_INSET, middle, "middle", FONT_SIZE, "Hölder regularity",
      " transform=\"rotate(-90 " + svg_number(EDGE_LABEL_INSET) + " " + svg_number(middle) + ")\"");
  svg += text_at(f.left, MARGIN_TOP - EDGE_LABEL_INSET, "start", TITLE_SIZE, plot.title);
  svg += text_at(f.right, MARGIN_TOP - EDGE_LABEL_INSET, "end", FONT_SIZE, caption(plot));
  return svg + "</g>\n";
}

}  // namespace

std::vector<double> axis_ticks(double low, double high) {
  const double rough = (high - low) / PLOT_TARGET_TICKS;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  double step = power;
  for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
    step = factor * power;
    if (step >= rough) break;
  }
  std::vector<double> ticks;
  const double slack = step * 1e-9;  // keeps an end that rounding puts just outside
  for (double k = std::ceil((low - slack) / step); k * step <= high + slack; k += 1.0)
    ticks.push_back(k * step);
  return ticks;
}

std::string regularity_plot(const RegularityPlot& plot) {
  const Frame f = frame_of(plot);
  const Colour paper{PAPER_WHITE, PAPER_WHITE, PAPER_WHITE};
  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " +
      svg_number(PLOT_WIDTH) + " " + svg_number(PLOT_HEIGHT) + "\" width=\"" +
      svg_number(PLOT_WIDTH) + "\" height=\"" + svg_number(PLOT_HEIGHT) + "\">\n";
  svg += "<rect width=\"100%\" height=\"100%\" fill=\"" + svg_rgb(paper) + "\"/>\n";
  return svg + class_bands(f) + regularity_curve(f, plot) + axes(f, plot) + "</svg>\n";
}

}  // namespace curvix
