#include "report/docx/docx_sketch.h"

#include "report/docx/docx_text.h"
#include "report/sketch_marks.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// DrawingML counts English Metric Units: 36 000 to the millimetre, 12 700 to the point.
constexpr double kEmuPerMillimetre = 36000.0;
constexpr double kEmuPerPoint = 12700.0;
constexpr double kEmuPerTwip = 635.0;
constexpr double kSketchWidthMm = 62.0;  // as the HTML sheet's

// Line widths in drawing units by the line's kind, as the HTML sheet's style.
struct LineWeight {
    const char* kind;
    // cppcheck-suppress unusedStructMember ; read through find_if's iterator in WeightOf
    double width;
};
const LineWeight kLineWeights[] = {{"column", 4.0}, {"strut", 2.5}, {"diagonal", 1.5}, {"ground", 1.0},
                                   {"dim", 0.6},    {"tick", 0.6},  {"load", 2.0},
                                   {"axis", 0.6},   {"leader", 0.6}, {"gusset", 0.6}};

// Fills of closed marks by their style, as the HTML sheet's style.
struct Fill {
    const char* style;
    // cppcheck-suppress unusedStructMember ; read through find_if's iterator in FillOf
    const char* rgb;
};
const Fill kFills[] = {{"section", "CCCCCC"}, {"bore", "FFFFFF"}, {"gusset", "666666"}};

const char* FillOf(const char* style) {
    const auto end = std::end(kFills);
    const auto found =
        std::find_if(std::begin(kFills), end, [style](const Fill& f) { return std::strcmp(f.style, style) == 0; });
    return found == end ? "000000" : found->rgb;
}

double WeightOf(const char* kind) {
    const auto end = std::end(kLineWeights);
    const auto found =
        std::find_if(std::begin(kLineWeights), end, [kind](const LineWeight& w) { return std::strcmp(w.kind, kind) == 0; });
    return found == end ? 1.0 : found->width;
}

class Drawing {
public:
    Drawing(std::string& xml, const Sketch& sketch, int& serial)
        : xml_(xml), serial_(serial), emu_(kSketchWidthMm * kEmuPerMillimetre / sketch.width) {}

    std::string Emu(double units) const { return std::to_string(std::llround(units * emu_)); }

    // A shape's start: its id and name, its kind, and its box.
    void Open(const char* name, const char* kind, double x, double y, double w, double h, const char* transform) {
        const std::string id = std::to_string(++serial_);
        AppendAll(xml_, {"<wps:wsp><wps:cNvPr id=\"", id, "\" name=\"", name, " ", id, "\"/>", kind, "<wps:spPr><a:xfrm",
                         transform, "><a:off x=\"", Emu(x), "\" y=\"", Emu(y), "\"/><a:ext cx=\"", Emu(w), "\" cy=\"", Emu(h),
                         "\"/></a:xfrm>"});
    }

    void Outline(const char* kind) {
        AppendAll(xml_, {"<a:ln w=\"", Emu(WeightOf(kind)), "\"><a:solidFill><a:srgbClr val=\"000000\"/></a:solidFill>",
                         std::strcmp(kind, "axis") == 0 ? "<a:prstDash val=\"dashDot\"/>" : "", "</a:ln>"});
    }

    void Line(const SketchMark& mark) {
        const double left = std::min(mark.x[0], mark.x[1]);
        const double top = std::min(mark.y[0], mark.y[1]);
        // The preset line runs from the box's top left to its bottom right.
        const bool rising = (mark.x[1] - mark.x[0]) * (mark.y[1] - mark.y[0]) < 0.0;
        Open("Line", "<wps:cNvCnPr/>", left, top, std::fabs(mark.x[1] - mark.x[0]), std::fabs(mark.y[1] - mark.y[0]),
             rising ? " flipV=\"1\"" : "");
        xml_ += "<a:prstGeom prst=\"line\"><a:avLst/></a:prstGeom>";
        Outline(mark.style);
        xml_ += "</wps:spPr><wps:bodyPr/></wps:wsp>";
    }

    // A filled closed outline through `points`, in the box's own units.
    void Closed(const char* name, const SketchPoint* points, std::size_t count, const char* style, const char* rgb) {
        double left = points[0].x, top = points[0].y, right = left, bottom = top;
        for (std::size_t k = 1; k < count; ++k) {
            left = std::min(left, points[k].x);
            right = std::max(right, points[k].x);
            top = std::min(top, points[k].y);
            bottom = std::max(bottom, points[k].y);
        }
        Open(name, "<wps:cNvSpPr/>", left, top, right - left, bottom - top, "");
        AppendAll(xml_, {"<a:custGeom><a:avLst/><a:gdLst/><a:ahLst/><a:cxnLst/><a:rect l=\"0\" t=\"0\" r=\"r\" b=\"b\"/>"
                         "<a:pathLst><a:path w=\"",
                         Emu(right - left), "\" h=\"", Emu(bottom - top), "\">"});
        for (std::size_t k = 0; k < count; ++k) {
            xml_ += k == 0 ? "<a:moveTo>" : "<a:lnTo>";
            AppendAll(xml_, {"<a:pt x=\"", Emu(points[k].x - left), "\" y=\"", Emu(points[k].y - top), "\"/>"});
            xml_ += k == 0 ? "</a:moveTo>" : "</a:lnTo>";
        }
        AppendAll(xml_, {"<a:close/></a:path></a:pathLst></a:custGeom><a:solidFill><a:srgbClr val=\"", rgb,
                         "\"/></a:solidFill>"});
        Outline(style);
        xml_ += "</wps:spPr><wps:bodyPr/></wps:wsp>";
    }

    // The arrow's head: a black triangle.
    void Polygon(const SketchMark& mark) {
        const SketchPoint corners[] = {{mark.x[0], mark.y[0]}, {mark.x[1], mark.y[1]}, {mark.x[2], mark.y[2]}};
        Closed("Arrow", corners, 3, mark.style, "000000");
    }

    // A section's outline, filled by its style.
    void Path(const SketchMark& mark) {
        if (mark.points.empty()) return;
        Closed("Outline", mark.points.data(), mark.points.size(), mark.style, FillOf(mark.style));
    }

    // A circle, filled by its style.
    void Circle(const SketchMark& mark) {
        const double r = mark.radius;
        Open("Circle", "<wps:cNvSpPr/>", mark.x[0] - r, mark.y[0] - r, 2.0 * r, 2.0 * r, "");
        AppendAll(xml_, {"<a:prstGeom prst=\"ellipse\"><a:avLst/></a:prstGeom><a:solidFill><a:srgbClr val=\"",
                         FillOf(mark.style), "\"/></a:solidFill>"});
        Outline(mark.style);
        xml_ += "</wps:spPr><wps:bodyPr/></wps:wsp>";
    }

    // A text box over the room the label has, its text placed in it as the
    // anchor says; upwards, the box turned to read from the bottom. A label
    // longer than its room is fitted into it.
    void Label(const SketchMark& mark) {
        const bool middle = std::strcmp(mark.anchor, "middle") == 0;
        const bool end = std::strcmp(mark.anchor, "end") == 0;
        const double along = mark.upwards ? mark.y[0] : mark.x[0];
        const double from = middle ? along - mark.fitLength / 2.0 : end ? along - mark.fitLength : along;
        // The line of text sits on the anchor's baseline: 1.05 font sizes
        // above it, 0.35 below.
        const double across = mark.upwards ? mark.x[0] - 1.05 * kSketchFontSize : mark.y[0] - 1.05 * kSketchFontSize;
        const double thickness = 1.4 * kSketchFontSize;
        if (mark.upwards) {
            Open("Label", "<wps:cNvSpPr txBox=\"1\"/>", across, from, thickness, mark.fitLength, "");
        } else {
            Open("Label", "<wps:cNvSpPr txBox=\"1\"/>", from, across, mark.fitLength, thickness, "");
        }
        const char* justified = middle ? "<w:jc w:val=\"center\"/>" : end ? "<w:jc w:val=\"right\"/>" : "<w:jc w:val=\"left\"/>";
        xml_ += "<a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom><a:noFill/><a:ln><a:noFill/></a:ln></wps:spPr>"
                "<wps:txbx><w:txbxContent>";
        BeginParagraph(xml_, "", justified);
        RunLook look;
        look.halfPoints = static_cast<int>(std::lround(2.0 * kSketchFontSize * emu_ / kEmuPerPoint));
        if (mark.squeezed) {
            look.fitTwips = static_cast<int>(std::lround(mark.fitLength * emu_ / kEmuPerTwip));
            look.fitId = ++serial_;
        }
        AppendRun(xml_, mark.text, look);
        EndParagraph(xml_);
        AppendAll(xml_, {"</w:txbxContent></wps:txbx><wps:bodyPr rot=\"0\" vert=\"", mark.upwards ? "vert270" : "horz",
                         "\" wrap=\"none\" lIns=\"0\" tIns=\"0\" rIns=\"0\" bIns=\"0\" anchor=\"ctr\" anchorCtr=\"0\"><a:noAutofit/>"
                         "</wps:bodyPr></wps:wsp>"});
    }

private:
    std::string& xml_;
    int& serial_;
    double emu_;  // to a drawing unit
};

}  // namespace

void AppendSketch(std::string& xml, const Sketch& sketch, int& serial) {
    Drawing drawing(xml, sketch, serial);
    const std::string cx = drawing.Emu(sketch.width);
    const std::string cy = drawing.Emu(sketch.height);
    const std::string id = std::to_string(++serial);
    AppendAll(xml, {"<w:r><mc:AlternateContent><mc:Choice Requires=\"wpg\"><w:drawing>"
                    "<wp:inline distT=\"0\" distB=\"0\" distL=\"0\" distR=\"0\"><wp:extent cx=\"",
                    cx, "\" cy=\"", cy, "\"/><wp:effectExtent l=\"0\" t=\"0\" r=\"0\" b=\"0\"/><wp:docPr id=\"", id,
                    "\" name=\"Sketch ", id, "\" descr=\""});
    AppendReferences(xml, sketch.description);
    AppendAll(xml, {"\"/><wp:cNvGraphicFramePr/><a:graphic><a:graphicData "
                    "uri=\"http://schemas.microsoft.com/office/word/2010/wordprocessingGroup\"><wpg:wgp><wpg:cNvGrpSpPr/>"
                    "<wpg:grpSpPr><a:xfrm><a:off x=\"0\" y=\"0\"/><a:ext cx=\"",
                    cx, "\" cy=\"", cy, "\"/><a:chOff x=\"0\" y=\"0\"/><a:chExt cx=\"", cx, "\" cy=\"", cy,
                    "\"/></a:xfrm></wpg:grpSpPr>"});
    for (const SketchMark& mark : sketch.marks) {
        switch (mark.kind) {
        case MarkKind::Line:
            drawing.Line(mark);
            break;
        case MarkKind::Polygon:
            drawing.Polygon(mark);
            break;
        case MarkKind::Label:
            drawing.Label(mark);
            break;
        case MarkKind::Path:
            drawing.Path(mark);
            break;
        case MarkKind::Circle:
            drawing.Circle(mark);
            break;
        }
    }
    xml += "</wpg:wgp></a:graphicData></a:graphic></wp:inline></w:drawing></mc:Choice></mc:AlternateContent></w:r>";
}
