#include "report/sketch_marks.h"

#include <algorithm>
#include <cstring>

namespace {

// Widths of a character, in font sizes: Latin digits and letters are
// narrower than Chinese ones.
constexpr double kNarrowWidth = 0.6;
constexpr double kWideWidth = 1.0;

double TextWidth(const std::string& text) {
    double width = 0.0;
    for (const char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            width += kNarrowWidth * kSketchFontSize;
        } else if ((u & 0xC0) != 0x80) {
            width += kWideWidth * kSketchFontSize;
        }
    }
    return width;
}

}  // namespace

void AddLine(Sketch& sketch, const char* style, double x1, double y1, double x2, double y2) {
    SketchMark mark;
    mark.kind = MarkKind::Line;
    mark.style = style;
    mark.x[0] = x1;
    mark.y[0] = y1;
    mark.x[1] = x2;
    mark.y[1] = y2;
    sketch.marks.push_back(mark);
}

void AddLabel(Sketch& sketch, double x, double y, const char* anchor, std::string text, bool upwards) {
    const double along = upwards ? y : x;  // where the text runs from
    const double edge = upwards ? sketch.height : sketch.width;
    const bool middle = std::strcmp(anchor, "middle") == 0;
    // An end-anchored label runs back towards the origin.
    const double room = middle                              ? 2.0 * std::min(along, edge - along)
                        : std::strcmp(anchor, "end") == 0 ? along
                                                            : edge - along;
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

void AddPath(Sketch& sketch, const char* style, std::vector<SketchPoint> points) {
    SketchMark mark;
    mark.kind = MarkKind::Path;
    mark.style = style;
    mark.points = std::move(points);
    sketch.marks.push_back(std::move(mark));
}

void AddCircle(Sketch& sketch, const char* style, double x, double y, double radius) {
    SketchMark mark;
    mark.kind = MarkKind::Circle;
    mark.style = style;
    mark.x[0] = x;
    mark.y[0] = y;
    mark.radius = radius;
    sketch.marks.push_back(mark);
}
