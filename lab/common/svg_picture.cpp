#include "lab/common/svg_picture.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace curvix {

namespace {

constexpr double COLOUR_LEVELS = 255.0;  // an 8-bit channel per colour component
constexpr int SVG_DIGITS = 8;            // far below a printed pixel at any sane size

struct Fit {
  double min_x = 0.0;
  double min_y = 0.0;
  double scale = 1.0;
  double width = SVG_CANVAS_WIDTH;
  double height = SVG_CANVAS_WIDTH;
};

void widen(const PlanarPoint& p, bool& first, double box[4]) {
  if (first) {
    box[0] = box[2] = p.x;
    box[1] = box[3] = p.y;
    first = false;
  }
  box[0] = std::min(box[0], p.x);
  box[1] = std::min(box[1], p.y);
  box[2] = std::max(box[2], p.x);
  box[3] = std::max(box[3], p.y);
}

// Scales the larger side of the bounding box to the canvas less its margins;
// a single point (no extent) keeps scale 1 and sits at the margin.
Fit fit_to_canvas(const std::vector<SvgStrip>& strips, const std::vector<PlanarPoint>& markers) {
  double box[4] = {0.0, 0.0, 0.0, 0.0};  // min x, min y, max x, max y
  bool first = true;
  for (const SvgStrip& strip : strips) {
    for (const PlanarPoint& p : strip.points) widen(p, first, box);
  }
  for (const PlanarPoint& p : markers) widen(p, first, box);
  const double extent = std::max(box[2] - box[0], box[3] - box[1]);
  Fit fit;
  fit.min_x = box[0];
  fit.min_y = box[1];
  fit.scale = extent > 0.0 ? (SVG_CANVAS_WIDTH - 2.0 * SVG_MARGIN) / extent : 1.0;
  fit.height = (box[3] - box[1]) * fit.scale + 2.0 * SVG_MARGIN;
  return fit;
}

double canvas_x(const Fit& fit, double x) {
  return SVG_MARGIN + (x - fit.min_x) * fit.scale;
}
double canvas_y(const Fit& fit, double y) {
  return SVG_MARGIN + (y - fit.min_y) * fit.scale;
}

std::string polyline(const Fit& fit, const SvgStrip& strip) {
  std::string points;
  for (const PlanarPoint& p : strip.points) {
    points += (points.empty() ? "" : " ") + svg_number(canvas_x(fit, p.x)) + "," +
              svg_number(canvas_y(fit, p.y));
  }
  return "<polyline fill=\"none\" stroke=\"" + svg_rgb(strip.colour) + "\" stroke-width=\"" +
         svg_number(SVG_LINE_WIDTH) + "\" points=\"" + points + "\"/>\n";
}

std::string marker(const Fit& fit, const PlanarPoint& p) {
  const double side = 2.0 * SVG_MARKER_HALF_SIZE;
  return "<rect x=\"" + svg_number(canvas_x(fit, p.x) - SVG_MARKER_HALF_SIZE) + "\" y=\"" +
         svg_number(canvas_y(fit, p.y) - SVG_MARKER_HALF_SIZE) + "\" width=\"" + svg_number(side) +
         "\" height=\"" + svg_number(side) + "\"/>\n";
}

}  // namespace

std::string svg_picture(const std::vector<SvgStrip>& strips,
                        const std::vector<PlanarPoint>& markers) {
  const Fit fit = fit_to_canvas(strips, markers);
  const Colour background{BACKGROUND_GREY, BACKGROUND_GREY, BACKGROUND_GREY};
  const std::string size = svg_number(fit.width) + "\" height=\"" + svg_number(fit.height);
  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " +
      svg_number(fit.width) + " " + svg_number(fit.height) + "\" width=\"" + size + "\">\n";
  svg += "<rect width=\"100%\" height=\"100%\" fill=\"" + svg_rgb(background) + "\"/>\n";
  svg += "<g fill=\"" + svg_rgb(INK_COLOUR) + "\">\n";
  for (const PlanarPoint& p : markers) svg += marker(fit, p);
  svg += "</g>\n";
  for (const SvgStrip& strip : strips) svg += polyline(fit, strip);
  return svg + "</svg>\n";
}

std::string svg_number(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*g", SVG_DIGITS, value);
  return buffer;
}

std::string svg_rgb(const Colour& colour) {
  auto channel = [](float component) {
    return std::to_string(std::lround(static_cast<double>(component) * COLOUR_LEVELS));
  };
  return "rgb(" + channel(colour.red) + "," + channel(colour.green) + "," + channel(colour.blue) +
         ")";
}

}  // namespace curvix
