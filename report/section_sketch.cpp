#include "report/section_sketch.h"

#include "batch/section_text.h"
#include "report/report_numbers.h"
#include "report/sketch_marks.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace {

// Drawing units: the section, gusset and all, fits a 240 x 160 box, with
// room at the top left for its designation and around for the axes' labels.
constexpr double kWidth = 440.0;
constexpr double kHeight = 260.0;
constexpr double kCentreX = 220.0;
constexpr double kCentreY = 140.0;
constexpr double kBoxWidth = 240.0;
constexpr double kBoxHeight = 160.0;
constexpr double kOverhang = 18.0;  // of an axis past the section
constexpr double kEdge = 8.0;       // an axis's room to the sketch's edge
// How far the gusset runs past the angles' legs, in leg widths.
constexpr double kGussetPast = 0.3;

struct Box {
    double left, right, bottom, top;  // mm, y upwards
};

// The section in mm about its centroid's frame, y upwards.
struct SectionShape {
    std::vector<std::vector<SketchPoint>> angles;
    std::vector<std::pair<const char*, double>> circles;  // style and radius, about the origin
    bool gusset = false;
    Box plate{};
    SketchPoint centroid{0.0, 0.0};
    bool principal = false;  // the x0 and y0 axes too
};

// An equal angle b x t, its heel at (x, y), its legs running the ways sx and sy (1 or -1).
std::vector<SketchPoint> Angle(double b, double t, double x, double y, double sx, double sy) {
    const SketchPoint corners[] = {{0, 0}, {b, 0}, {b, t}, {t, t}, {t, b}, {0, b}};
    std::vector<SketchPoint> points;
    for (const SketchPoint& p : corners) points.push_back({x + sx * p.x, y + sy * p.y});
    return points;
}

SectionShape ShapeOf(const Section& s, double g) {
    SectionShape shape;
    const double b = s.b_mm;
    const double t = s.t_mm;
    const double z0 = 10.0 * s.z0_cm;  // cm to mm
    const double past = kGussetPast * b;
    switch (s.family) {
        case SectionFamilyId::EqualAngle:
            // One leg on the gusset.
            shape.angles = {Angle(b, t, 0, 0, 1, 1)};
            shape.gusset = true;
            shape.plate = {-g, 0, -past, b + past};
            shape.centroid = {z0, z0};
            shape.principal = true;
            break;
        case SectionFamilyId::DoubleAngleT:
            // Back to back, the gusset between the backs of the hanging legs.
            shape.angles = {Angle(b, t, g / 2, 0, 1, -1), Angle(b, t, -g / 2, 0, -1, -1)};
            shape.gusset = true;
            shape.plate = {-g / 2, g / 2, -b - past, past / 3};
            shape.centroid = {0, -z0};
            break;
        case SectionFamilyId::DoubleAngleCross:
            // Heel to heel across the gusset, a gap of g each way.
            shape.angles = {Angle(b, t, g / 2, g / 2, 1, 1), Angle(b, t, -g / 2, -g / 2, -1, -1)};
            shape.gusset = true;
            shape.plate = {-g / 2, g / 2, -g / 2 - b - past, g / 2 + b + past};
            shape.principal = true;
            break;
        case SectionFamilyId::Tube:
            shape.circles = {{"section", b / 2}, {"bore", b / 2 - t}};
            break;
        case SectionFamilyId::RoundBar:
            shape.circles = {{"section", b / 2}};
            break;
    }
    return shape;
}

Box Grow(Box box, double x, double y) {
    return {std::min(box.left, x), std::max(box.right, x), std::min(box.bottom, y), std::max(box.top, y)};
}

// The steel alone, then the gusset too.
Box SteelBox(const SectionShape& shape) {
    Box box{0, 0, 0, 0};
    for (const auto& angle : shape.angles) {
        for (const SketchPoint& p : angle) box = Grow(box, p.x, p.y);
    }
    for (const auto& circle : shape.circles) box = Grow(Grow(box, -circle.second, -circle.second), circle.second, circle.second);
    return box;
}

Box WholeBox(const SectionShape& shape) {
    const Box steel = SteelBox(shape);
    return shape.gusset ? Grow(Grow(steel, shape.plate.left, shape.plate.bottom), shape.plate.right, shape.plate.top)
                        : steel;
}

// mm, y upwards, to drawing units, y downwards, the whole box centred.
struct Frame {
    double scale;
    double midX, midY;
    double X(double x) const { return kCentreX + scale * (x - midX); }
    double Y(double y) const { return kCentreY - scale * (y - midY); }
    SketchPoint At(const SketchPoint& p) const { return {X(p.x), Y(p.y)}; }
};

Frame FrameOf(const Box& box) {
    const double scale = std::min(kBoxWidth / (box.right - box.left), kBoxHeight / (box.top - box.bottom));
    return {scale, (box.left + box.right) / 2.0, (box.bottom + box.top) / 2.0};
}

// An axis through `c` (drawing units) along (dx, dy), `reach` each way but
// never closer than kEdge to the sketch's edge (and kOverhang more at the
// top, for a label); labelled at its (dx, dy) end.
void Axis(Sketch& sketch, SketchPoint c, double dx, double dy, double reach, const char* name, double lx, double ly,
          const char* anchor) {
    for (const double limit : {(c.x - kEdge) / std::fabs(dx), (kWidth - kEdge - c.x) / std::fabs(dx),
                               (c.y - kEdge - kOverhang) / std::fabs(dy), (kHeight - kEdge - c.y) / std::fabs(dy)}) {
        reach = std::min(reach, limit);
    }
    AddLine(sketch, "axis", c.x - reach * dx, c.y - reach * dy, c.x + reach * dx, c.y + reach * dy);
    AddLabel(sketch, c.x + reach * dx + lx, c.y + reach * dy + ly, anchor, name);
}

void AddAxes(Sketch& sketch, const SectionShape& shape, const Frame& frame) {
    const Box steel = SteelBox(shape);
    const Box whole = WholeBox(shape);
    const SketchPoint c = frame.At(shape.centroid);
    const double halfWidth = frame.scale * std::max(whole.right - shape.centroid.x, shape.centroid.x - whole.left);
    const double halfHeight = frame.scale * std::max(whole.top - shape.centroid.y, shape.centroid.y - whole.bottom);
    Axis(sketch, c, 1, 0, halfWidth + kOverhang, "x", 4, 5, "start");
    Axis(sketch, c, 0, -1, halfHeight + kOverhang, "y", 0, -4, "middle");
    if (!shape.principal) return;
    // x0 through the heel and the centroid, y0 across it.
    const double half = std::sqrt(0.5);
    const double reach = frame.scale * std::hypot(steel.right - steel.left, steel.top - steel.bottom) / 2.0;
    Axis(sketch, c, half, -half, reach, "x0", 4, 0, "start");
    Axis(sketch, c, -half, -half, reach, "y0", -4, 0, "end");
}

const Section* Drawn(const BayDesign& design) {
    if (const DesignCase* adopted = design.Adopted()) return adopted->section;
    for (const DesignCase* c : {&design.tension, &design.compression}) {
        if (c->section != nullptr) return c->section;
    }
    for (const DesignCase* c : {&design.tension, &design.compression}) {
        if (c->before != nullptr) return c->before;
    }
    return nullptr;
}

}  // namespace

void BuildSectionSketch(const BayDesign& design, Sketch& sketch) {
    sketch.width = kWidth;
    sketch.height = kHeight;
    sketch.description = "截面示意图";
    sketch.caption = "截面示意图（按比例）";
    sketch.marks.clear();
    const Section* s = Drawn(design);
    if (s == nullptr) return;
    const SectionShape shape = ShapeOf(*s, design.gusset_mm);
    const Frame frame = FrameOf(WholeBox(shape));
    if (shape.gusset) {
        const Box& p = shape.plate;
        AddPath(sketch, "gusset",
                {frame.At({p.left, p.bottom}), frame.At({p.right, p.bottom}), frame.At({p.right, p.top}),
                 frame.At({p.left, p.top})});
    }
    for (const auto& angle : shape.angles) {
        std::vector<SketchPoint> points;
        for (const SketchPoint& p : angle) points.push_back(frame.At(p));
        AddPath(sketch, "section", std::move(points));
    }
    for (const auto& circle : shape.circles) {
        AddCircle(sketch, circle.first, frame.X(0), frame.Y(0), frame.scale * circle.second);
    }
    AddAxes(sketch, shape, frame);
    std::string name;
    AppendDesignation(*s, name);
    AddLabel(sketch, kEdge, 24.0, "start", std::move(name));
    if (shape.gusset) {
        // Beside the gusset's lower end, with a leader to it.
        const double x = frame.X(shape.plate.right);
        const double y = frame.Y(shape.plate.bottom);
        AddLine(sketch, "leader", x, y - 6.0, x + 30.0, y + 10.0);
        AddLabel(sketch, x + 34.0, y + 15.0, "start", "节点板 t = " + TableNumber(design.gusset_mm, 2) + " mm");
    }
}
