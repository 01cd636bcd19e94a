#include "report/html/sheet_sketch.h"

#include "format/fixed_text.h"

#include <algorithm>
#include <cmath>

namespace {

// Drawing units: the bay fits a 220 x 220 box, with room for the
// dimensions on the left and below and for the load on the right.
constexpr double kBox = 220.0;
constexpr double kLeft = 80.0;
constexpr double kTop = 40.0;
// Thinner than this and the diagonals merge with the columns.
constexpr double kMaxAspect = 30.0;

std::string Coordinate(double value) { return ToFixed(value, 1).String(); }

std::string Point(double x, double y) { return Coordinate(x) + "," + Coordinate(y); }

void Line(std::string& svg, const char* kind, double x1, double y1, double x2, double y2) {
    svg += "<line class=\"";
    svg += kind;
    svg += "\" x1=\"" + Coordinate(x1) + "\" y1=\"" + Coordinate(y1) + "\" x2=\"" +
           Coordinate(x2) + "\" y2=\"" + Coordinate(y2) + "\"/>\n";
}

// A dimension line with the slashes that mark its ends.
void Dimension(std::string& svg, double x1, double y1, double x2, double y2) {
    Line(svg, "dim", x1, y1, x2, y2);
    Line(svg, "tick", x1 - 4.0, y1 + 4.0, x1 + 4.0, y1 - 4.0);
    Line(svg, "tick", x2 - 4.0, y2 + 4.0, x2 + 4.0, y2 - 4.0);
}

// Drawing units of the whole sketch, labels included.
constexpr double kWidth = 440.0;
constexpr double kHeight = 330.0;
constexpr double kFontSize = 14.0;  // as the style sheet sets svg text
// Widths of a character, in font sizes: Latin digits and letters are
// narrower than Chinese ones.
constexpr double kNarrowWidth = 0.6;
constexpr double kWideWidth = 1.0;

double TextWidth(const std::string& text) {
    double width = 0.0;
    for (const char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            width += kNarrowWidth * kFontSize;
        } else if ((u & 0xC0) != 0x80) {
            width += kWideWidth * kFontSize;
        }
    }
    return width;
}

// `rotate`: written upwards, along a vertical dimension. A label longer
// than the room up to the sketch's edge is squeezed into it, so that a
// long number never spills out of the drawing.
void Label(std::string& svg, double x, double y, const char* anchor, const std::string& text,
           bool rotate = false) {
    const double along = rotate ? y : x;       // where the text runs from
    const double edge = rotate ? kHeight : kWidth;
    const bool middle = std::string(anchor) == "middle";
    const double room = middle ? 2.0 * std::min(along, edge - along) : edge - along;
    svg += "<text x=\"" + Coordinate(x) + "\" y=\"" + Coordinate(y) + "\" text-anchor=\"" +
           anchor + "\"";
    if (rotate) {
        svg += " transform=\"rotate(-90 " + Coordinate(x) + " " + Coordinate(y) + ")\"";
    }
    if (TextWidth(text) > room) {
        svg += " textLength=\"" + Coordinate(room) + "\" lengthAdjust=\"spacingAndGlyphs\"";
    }
    svg += ">" + text + "</text>\n";
}

std::string Quantity(const char* symbol, double value, const char* unit) {
    return std::string(symbol) + " = " + ToFixed(value, 3).chars + " " + unit;
}

}  // namespace

void AppendBaySketch(std::string& svg, const BracingInputs& inputs, bool eitherWay) {
    const double ratio = inputs.B / inputs.H;  // width over height
    const bool toScale = ratio >= 1.0 / kMaxAspect && ratio <= kMaxAspect;
    const double aspect = std::isnan(ratio) ? 1.0 : std::clamp(ratio, 1.0 / kMaxAspect, kMaxAspect);
    const double w = aspect >= 1.0 ? kBox : kBox * aspect;
    const double h = aspect >= 1.0 ? kBox / aspect : kBox;
    const double x0 = kLeft + (kBox - w) / 2.0;
    const double x1 = x0 + w;
    const double yBase = kTop + kBox;
    const double yTop = yBase - h;

    svg += "<figure>\n<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " + Coordinate(kWidth) +
           " " + Coordinate(kHeight) + "\" "
           "role=\"img\" aria-label=\"柱撑示意图\">\n";
    Line(svg, "ground", x0 - 20.0, yBase, x1 + 20.0, yBase);
    Line(svg, "column", x0, yBase, x0, yTop - 12.0);
    Line(svg, "column", x1, yBase, x1, yTop - 12.0);
    Line(svg, "strut", x0, yTop, x1, yTop);
    Line(svg, "diagonal", x0, yBase, x1, yTop);
    Line(svg, "diagonal", x0, yTop, x1, yBase);

    // The load, pushing on the top right node.
    Line(svg, "load", x1 + 80.0, yTop, x1 + 14.0, yTop);
    svg += "<polygon class=\"load\" points=\"" + Point(x1 + 4.0, yTop) + " " +
           Point(x1 + 16.0, yTop - 5.0) + " " + Point(x1 + 16.0, yTop + 5.0) + "\"/>\n";
    Label(svg, x1 + 8.0, yTop - 9.0, "start",
          eitherWay ? Quantity("|T|+|W|", std::fabs(inputs.W) + std::fabs(inputs.T), "kN")
                    : Quantity("T+W", inputs.W + inputs.T, "kN"));

    // H on the left, B below.
    const double xDim = x0 - 40.0;
    Line(svg, "dim", x0 - 24.0, yBase, xDim - 6.0, yBase);
    Line(svg, "dim", x0 - 6.0, yTop, xDim - 6.0, yTop);
    Dimension(svg, xDim, yBase, xDim, yTop);
    Label(svg, xDim - 6.0, (yBase + yTop) / 2.0, "middle", Quantity("H", inputs.H, "m"), true);
    const double yDim = yBase + 30.0;
    Line(svg, "dim", x0, yBase + 4.0, x0, yDim + 6.0);
    Line(svg, "dim", x1, yBase + 4.0, x1, yDim + 6.0);
    Dimension(svg, x0, yDim, x1, yDim);
    Label(svg, (x0 + x1) / 2.0, yDim + 18.0, "middle", Quantity("B", inputs.B, "m"));

    svg += "</svg>\n<figcaption>";
    svg += toScale ? "柱撑示意图（按比例）" : "柱撑示意图（过于细长，未按比例）";
    svg += "</figcaption>\n</figure>\n";
}
