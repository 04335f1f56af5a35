#include <algorithm>
#include <cmath>

#include "curves/colours.h"
#include "lab/common/svg_picture.h"
#include "lab/limit/limit_command.h"
#include "lab/smoothness/regularity_plot.h"

// The plot of a basic limit function and its derivatives: one frame over the
// support, each curve divided by its largest modulus so that all share the
// y range [-1, 1], and a legend that says by how much each was divided.

namespace curvix {

namespace {

constexpr double LEFT = 56.0, RIGHT = PLOT_WIDTH - 24.0;  // viewBox units
constexpr double TOP = 56.0, BOTTOM = PLOT_HEIGHT - 48.0;
constexpr double FONT = 15.0;
constexpr double LINE_WIDTH = 2.0;
constexpr double LEGEND_STEP = 20.0;

const Colour CURVE_COLOURS[] = {CURVE_LINE_COLOUR, FOUR_POINT_LEVEL_COLOUR, RBF_LEVEL_COLOUR,
                                PREVIOUS_LEVEL_COLOUR, INK_COLOUR};

struct PlotFrame {
  double x_low, x_high;
  double x(double value) const {
    return LEFT + (value - x_low) / (x_high - x_low) * (RIGHT - LEFT);
  }
  static double y(double value) { return BOTTOM - (value + 1.0) / 2.0 * (BOTTOM - TOP); }
};

std::string text(double x, double y, const std::string& anchor, const std::string& content) {
  return "<text x=\"" + svg_number(x) + "\" y=\"" + svg_number(y) + "\" text-anchor=\"" + anchor +
         "\" font-size=\"" + svg_number(FONT) + "\">" + content + "</text>\n";
}

double largest_modulus(const std::vector<double>& values) {
  double largest = 0.0;
  for (const double v : values) largest = std::max(largest, std::fabs(v));
  return largest;
}

std::string curve(const PlotFrame& f, const LimitSamples& s, const std::vector<double>& values,
                  const Colour& colour) {
  const double scale = largest_modulus(values);
  std::string points;
  for (std::size_t i = 0; i < values.size(); ++i)
    points += (i == 0 ? "" : " ") +
              svg_number(f.x((s.first_index + static_cast<double>(i)) * s.step)) + "," +
              svg_number(PlotFrame::y(scale > 0.0 ? values[i] / scale : 0.0));
  return "<polyline fill=\"none\" stroke=\"" + svg_rgb(colour) + "\" stroke-width=\"" +
         svg_number(LINE_WIDTH) + "\" stroke-linejoin=\"round\" points=\"" + points + "\"/>\n";
}

std::string axes(const PlotFrame& f) {
  std::string svg = "<g stroke=\"" + svg_rgb(INK_COLOUR) + "\" stroke-width=\"1\" fill=\"none\">\n";
  svg += "<rect x=\"" + svg_number(LEFT) + "\" y=\"" + svg_number(TOP) + "\" width=\"" +
         svg_number(RIGHT - LEFT) + "\" height=\"" + svg_number(BOTTOM - TOP) + "\"/>\n";
  svg += "<line x1=\"" + svg_number(LEFT) + "\" y1=\"" + svg_number(PlotFrame::y(0.0)) +
         "\" x2=\"" + svg_number(RIGHT) + "\" y2=\"" + svg_number(PlotFrame::y(0.0)) + "\"/>\n";
  svg += "</g>\n<g font-family=\"sans-serif\" fill=\"black\">\n";
  for (const double t : axis_ticks(f.x_low, f.x_high))
    svg += text(f.x(t), BOTTOM + FONT + 6.0, "middle", svg_number(std::fabs(t) < 1e-12 ? 0.0 : t));
  for (const double t : {-1.0, 0.0, 1.0})
    svg += text(LEFT - 6.0, PlotFrame::y(t) + FONT / 3.0, "end", svg_number(t));
  return svg + text((LEFT + RIGHT) / 2.0, PLOT_HEIGHT - 12.0, "middle", "x") + "</g>\n";
}

// "phi", "phi'", "phi''", "phi^(3)".
std::string curve_name(int order) {
  if (order <= 2) return "phi" + std::string(static_cast<std::size_t>(order), '\'');
  return "phi^(" + std::to_string(order) + ")";
}

std::string legend(const LimitFunction& limit) {
  std::string svg = "<g font-family=\"sans-serif\">\n";
  for (int order = 0; order <= limit.derivatives; ++order) {
    const std::vector<double>& values =
        order == 0 ? limit.samples.values : limit.derivative[static_cast<std::size_t>(order - 1)];
    const double y = TOP + 16.0 + LEGEND_STEP * order;
    svg += "<text x=\"" + svg_number(LEFT + 10.0) + "\" y=\"" + svg_number(y) + "\" font-size=\"" +
           svg_number(FONT) + "\" fill=\"" +
           svg_rgb(CURVE_COLOURS[order % std::size(CURVE_COLOURS)]) + "\">" + curve_name(order) +
           " / " + svg_number(largest_modulus(values)) + "</text>\n";
  }
  return svg + "</g>\n";
}

}  // namespace

std::string limit_plot(const LimitOptions& options, const LimitFunction& limit) {
  const LimitSamples& s = limit.samples;
  PlotFrame f{s.first_index * s.step,
              (s.first_index + static_cast<double>(s.values.size()) - 1.0) * s.step};
  if (!(f.x_high > f.x_low)) {
    f.x_low -= 1.0;
    f.x_high += 1.0;
  }
  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " +
      svg_number(PLOT_WIDTH) + " " + svg_number(PLOT_HEIGHT) + "\" width=\"" +
      svg_number(PLOT_WIDTH) + "\" height=\"" + svg_number(PLOT_HEIGHT) + "\">\n" +
      "<rect width=\"100%\" height=\"100%\" fill=\"rgb(255,255,255)\"/>\n" + axes(f);
  for (int order = 0; order <= limit.derivatives; ++order)
    svg +=
        curve(f, s, order == 0 ? s.values : limit.derivative[static_cast<std::size_t>(order - 1)],
              CURVE_COLOURS[order % std::size(CURVE_COLOURS)]);
  svg += legend(limit);
  svg += "<text x=\"" + svg_number(LEFT) + "\" y=\"" + svg_number(TOP - 20.0) +
         "\" font-family=\"sans-serif\" font-size=\"17\">basic limit function of " + options.name +
         "</text>\n";
  return svg + "</svg>\n";
}

}  // namespace curvix
