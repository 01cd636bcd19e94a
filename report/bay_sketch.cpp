#include "report/bay_sketch.h"

#include "report/core_steps.h"
#include "report/report_numbers.h"
#include "report/sketch_marks.h"

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

// Drawing units of the whole sketch, labels included.
constexpr double kWidth = 440.0;
constexpr double kHeight = 330.0;

// A dimension line with the slashes that mark its ends.
void Dimension(Sketch& sketch, double x1, double y1, double x2, double y2) {
    AddLine(sketch, "dim", x1, y1, x2, y2);
    AddLine(sketch, "tick", x1 - 4.0, y1 + 4.0, x1 + 4.0, y1 - 4.0);
    AddLine(sketch, "tick", x2 - 4.0, y2 + 4.0, x2 + 4.0, y2 - 4.0);
}

// An arrow head, its tip at `xTip` and `length` long towards its line.
void Head(Sketch& sketch, double xTip, double length, double y) {
    SketchMark head;
    head.kind = MarkKind::Polygon;
    head.style = "load";
    const double xs[3] = {xTip, xTip + length, xTip + length};
    const double ys[3] = {y, y - 5.0, y + 5.0};
    std::copy(xs, xs + 3, head.x);
    std::copy(ys, ys + 3, head.y);
    sketch.marks.push_back(head);
}

std::string Quantity(const char* symbol, double value, const char* unit) {
    return std::string(symbol) + " = " + Number(value, 3) + " " + unit;
}

}  // namespace

void BuildBaySketch(const BracingInputs& inputs, const BracingResults& results, bool eitherWay, Sketch& sketch) {
    const double ratio = inputs.B / inputs.H;  // width over height
    const bool toScale = ratio >= 1.0 / kMaxAspect && ratio <= kMaxAspect;
    const double aspect = std::isnan(ratio) ? 1.0 : std::clamp(ratio, 1.0 / kMaxAspect, kMaxAspect);
    const double w = aspect >= 1.0 ? kBox : kBox * aspect;
    const double h = aspect >= 1.0 ? kBox / aspect : kBox;
    const double x0 = kLeft + (kBox - w) / 2.0;
    const double x1 = x0 + w;
    // A wide bay's sketch is only as tall as its frame needs.
    const double yBase = kTop + h;
    const double yTop = yBase - h;

    sketch.width = kWidth;
    sketch.height = kHeight - (kBox - h);
    sketch.description = "柱撑示意图";
    sketch.marks.clear();
    AddLine(sketch, "ground", x0 - 20.0, yBase, x1 + 20.0, yBase);
    AddLine(sketch, "column", x0, yBase, x0, yTop - 12.0);
    AddLine(sketch, "column", x1, yBase, x1, yTop - 12.0);
    AddLine(sketch, "strut", x0, yTop, x1, yTop);
    AddLine(sketch, "diagonal", x0, yBase, x1, yTop);
    AddLine(sketch, "diagonal", x0, yTop, x1, yBase);

    // The load, pushing on the top right node; pulling too where it reverses.
    const double xFar = x1 + 80.0;
    AddLine(sketch, "load", eitherWay ? xFar - 2.0 : xFar, yTop, x1 + 14.0, yTop);
    Head(sketch, x1 + 4.0, 12.0, yTop);
    if (eitherWay) {
        Head(sketch, xFar + 10.0, -12.0, yTop);
    }
    // Above the arrow, ending at its far end: the formula is long.
    AddLabel(sketch, xFar + 10.0, yTop - 16.0, "end", LoadText(results, !eitherWay));

    // H on the left, B below.
    const double xDim = x0 - 40.0;
    AddLine(sketch, "dim", x0 - 24.0, yBase, xDim - 6.0, yBase);
    AddLine(sketch, "dim", x0 - 6.0, yTop, xDim - 6.0, yTop);
    Dimension(sketch, xDim, yBase, xDim, yTop);
    AddLabel(sketch, xDim - 6.0, (yBase + yTop) / 2.0, "middle", Quantity("H", inputs.H, "m"), true);
    const double yDim = yBase + 30.0;
    AddLine(sketch, "dim", x0, yBase + 4.0, x0, yDim + 6.0);
    AddLine(sketch, "dim", x1, yBase + 4.0, x1, yDim + 6.0);
    Dimension(sketch, x0, yDim, x1, yDim);
    AddLabel(sketch, (x0 + x1) / 2.0, yDim + 18.0, "middle", Quantity("B", inputs.B, "m"));

    sketch.caption = toScale ? "柱撑示意图（按比例）" : "柱撑示意图（过于细长，未按比例）";
}
