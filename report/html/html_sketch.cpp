#include "report/html/html_sketch.h"

#include "report/html/html_text.h"
#include "report/report_numbers.h"
#include "report/sketch_marks.h"

namespace {

// Drawing units to a tenth.
std::string Coordinate(double value) { return Number(value, 1); }

std::string Point(double x, double y) { return Coordinate(x) + "," + Coordinate(y); }

void AppendMark(std::string& svg, const SketchMark& mark) {
    switch (mark.kind) {
    case MarkKind::Line:
        svg += std::string("<line class=\"") + mark.style + "\" x1=\"" + Coordinate(mark.x[0]) + "\" y1=\"" +
               Coordinate(mark.y[0]) + "\" x2=\"" + Coordinate(mark.x[1]) + "\" y2=\"" + Coordinate(mark.y[1]) +
               "\"/>\n";
        return;
    case MarkKind::Polygon:
        svg += std::string("<polygon class=\"") + mark.style + "\" points=\"" + Point(mark.x[0], mark.y[0]) + " " +
               Point(mark.x[1], mark.y[1]) + " " + Point(mark.x[2], mark.y[2]) + "\"/>\n";
        return;
    case MarkKind::Path:
        svg += std::string("<polygon class=\"") + mark.style + "\" points=\"";
        for (std::size_t k = 0; k < mark.points.size(); ++k) {
            svg += (k == 0 ? "" : " ") + Point(mark.points[k].x, mark.points[k].y);
        }
        svg += "\"/>\n";
        return;
    case MarkKind::Circle:
        svg += std::string("<circle class=\"") + mark.style + "\" cx=\"" + Coordinate(mark.x[0]) + "\" cy=\"" +
               Coordinate(mark.y[0]) + "\" r=\"" + Coordinate(mark.radius) + "\"/>\n";
        return;
    case MarkKind::Label:
        break;
    }
    const std::string x = Coordinate(mark.x[0]);
    const std::string y = Coordinate(mark.y[0]);
    svg += "<text x=\"" + x + "\" y=\"" + y + "\" text-anchor=\"" + mark.anchor + "\"";
    if (mark.upwards) {
        svg += " transform=\"rotate(-90 " + x + " " + y + ")\"";
    }
    if (mark.squeezed) {
        svg += " textLength=\"" + Coordinate(mark.fitLength) + "\" lengthAdjust=\"spacingAndGlyphs\"";
    }
    svg += ">";
    AppendPlain(svg, mark.text);
    svg += "</text>\n";
}

}  // namespace

void AppendSketch(std::string& html, const Sketch& sketch) {
    html += "<figure>\n<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " + Coordinate(sketch.width) + " " +
            Coordinate(sketch.height) + "\" font-size=\"" + Coordinate(kSketchFontSize) + "\" role=\"img\" aria-label=\"";
    AppendPlain(html, sketch.description);
    html += "\">\n";
    for (const SketchMark& mark : sketch.marks) {
        AppendMark(html, mark);
    }
    html += "</svg>\n<figcaption>";
    AppendPlain(html, sketch.caption);
    html += "</figcaption>\n</figure>\n";
}
