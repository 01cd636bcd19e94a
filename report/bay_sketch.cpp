#include "report/bay_sketch.h"

#include "report/report_numbers.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Drawing units: the bay fits a 220 x 220 box, with room for the
// dimensions on the left and below and for the load on the right.
constexpr double kBox = 220.0;
constexpr double kLeft = 80.0;
constexpr double kTop = 40.0;
// Thinner than this and the diagonals merge with the columns.
constexpr double kMaxAspect = 30.0;

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

void Line(Sketch& sketch, const char* kind, double x1, double y1, double x2, double y2) {
    SketchMark mark;
    mark.kind = MarkKind::Line;
    mark.style = kind;
    mark.x[0] = x1;
    mark.y[0] = y1;
    mark.x[1] = x2;
    mark.y[1] = y2;
    sketch.marks.push_back(mark);
}

// A dimension line with the slashes that mark its ends.
void Dimension(Sketch& sketch, double x1, double y1, double x2, double y2) {
    Line(sketch, "dim", x1, y1, x2, y2);
    Line(sketch, "tick", x1 - 4.0, y1 + 4.0, x1 + 4.0, y1 - 4.0);
    Line(sketch, "tick", x2 - 4.0, y2 + 4.0, x2 + 4.0, y2 - 4.0);
}

// `upwards`: along a vertical dimension. A label longer than the room up
// to the sketch's edge is squeezed into it, so that a long number never
// spills out of the drawing.
void Label(Sketch& sketch, double x, double y, const char* anchor, std::string text,
           bool upwards = false) {
    const double along = upwards ? y : x;  // where the text runs from
    const double edge = upwards ? kHeight : kWidth;
    const bool middle = std::strcmp(anchor, "middle") == 0;
    const double room = middle ? 2.0 * std::min(along, edge - along) : edge - along;
    SketchMark mark;
    mark.kind = MarkKind::Label;
    mark.x[0] = x;
    mark.y[0] = y;
    mark.anchor = anchor;
    mark.upwards = upwards;
    mark.squeezed = TextWidth(text) > room;
    mark.fitLength = room;
    mark.text = std::move(text);
    sketch.marks.push_back(std::move(mark));
}

std::string Quantity(const char* symbol, double value, const char* unit) {
    return std::string(symbol) + " = " + Number(value, 3) + " " + unit;
}

}  // namespace

void BuildBaySketch(const BracingInputs& inputs, bool eitherWay, Sketch& sketch) {
    const double ratio = inputs.B / inputs.H;  // width over height
    const bool toScale = ratio >= 1.0 / kMaxAspect && ratio <= kMaxAspect;
    const double aspect = std::isnan(ratio) ? 1.0 : std::clamp(ratio, 1.0 / kMaxAspect, kMaxAspect);
    const double w = aspect >= 1.0 ? kBox : kBox * aspect;
    const double h = aspect >= 1.0 ? kBox / aspect : kBox;
    const double x0 = kLeft + (kBox - w) / 2.0;
    const double x1 = x0 + w;
    const double yBase = kTop + kBox;
    const double yTop = yBase - h;

    sketch.width = kWidth;
    sketch.height = kHeight;
    sketch.description = "柱撑示意图";
    sketch.marks.clear();
    Line(sketch, "ground", x0 - 20.0, yBase, x1 + 20.0, yBase);
    Line(sketch, "column", x0, yBase, x0, yTop - 12.0);
    Line(sketch, "column", x1, yBase, x1, yTop - 12.0);
    Line(sketch, "strut", x0, yTop, x1, yTop);
    Line(sketch, "diagonal", x0, yBase, x1, yTop);
    Line(sketch, "diagonal", x0, yTop, x1, yBase);

    // The load, pushing on the top right node.
    Line(sketch, "load", x1 + 80.0, yTop, x1 + 14.0, yTop);
    SketchMark head;
    head.kind = MarkKind::Polygon;
    head.style = "load";
    const double xs[3] = {x1 + 4.0, x1 + 16.0, x1 + 16.0};
    const double ys[3] = {yTop, yTop - 5.0, yTop + 5.0};
    std::copy(xs, xs + 3, head.x);
    std::copy(ys, ys + 3, head.y);
    sketch.marks.push_back(head);
    Label(sketch, x1 + 8.0, yTop - 9.0, "start",
          eitherWay ? Quantity("|T|+|W|", std::fabs(inputs.W) + std::fabs(inputs.T), "kN")
                    : Quantity("T+W", inputs.W + inputs.T, "kN"));

    // H on the left, B below.
    const double xDim = x0 - 40.0;
    Line(sketch, "dim", x0 - 24.0, yBase, xDim - 6.0, yBase);
    Line(sketch, "dim", x0 - 6.0, yTop, xDim - 6.0, yTop);
    Dimension(sketch, xDim, yBase, xDim, yTop);
    Label(sketch, xDim - 6.0, (yBase + yTop) / 2.0, "middle", Quantity("H", inputs.H, "m"), true);
    const double yDim = yBase + 30.0;
    Line(sketch, "dim", x0, yBase + 4.0, x0, yDim + 6.0);
    Line(sketch, "dim", x1, yBase + 4.0, x1, yDim + 6.0);
    Dimension(sketch, x0, yDim, x1, yDim);
    Label(sketch, (x0 + x1) / 2.0, yDim + 18.0, "middle", Quantity("B", inputs.B, "m"));

    sketch.caption = toScale ? "柱撑示意图（按比例）" : "柱撑示意图（过于细长，未按比例）";
}
