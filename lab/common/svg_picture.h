#pragma once
// An SVG picture of points and strips, in the program's colours, for slides
// and papers. Stored coordinates have y growing downward, as SVG does, so the
// points are only scaled and shifted, never flipped: the picture shows what
// the window shows. The drawing is fitted, aspect kept, into a canvas of
// SVG_CANVAS_WIDTH units with a margin, and the viewBox is that canvas.

#include <string>
#include <vector>

#include "curves/colours.h"
#include "curves/planar_point.h"

namespace curvix {

constexpr double SVG_CANVAS_WIDTH = 800.0;    // viewBox units; also the default width in pixels
constexpr double SVG_MARGIN = 24.0;           // viewBox units around the drawing
constexpr double SVG_LINE_WIDTH = 1.5;        // viewBox units
constexpr double SVG_MARKER_HALF_SIZE = 3.0;  // viewBox units; half the side of a point's square

// An open polyline, as the window draws its strips.
struct SvgStrip {
  std::vector<PlanarPoint> points;
  Colour colour;
};

// The whole SVG document: the background, a filled square at every marker
// point in INK_COLOUR, then the strips in order, later ones on top, as the
// window paints them.
std::string svg_picture(const std::vector<SvgStrip>& strips,
                        const std::vector<PlanarPoint>& markers);

// A coordinate or length as SVG text, to a precision far below a pixel.
std::string svg_number(double value);

// A colour as SVG's rgb(r,g,b), 8 bits a channel.
std::string svg_rgb(const Colour& colour);

}  // namespace curvix
