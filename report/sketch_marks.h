// The marks a sketch is drawn with, added in drawing order: what the bay's
// and the section's sketches share.
#ifndef BRACING_REPORT_SKETCH_MARKS_H
#define BRACING_REPORT_SKETCH_MARKS_H

#include "report/report_model.h"

#include <string>
#include <vector>

// The labels' size in drawing units: every renderer sets its text so, and
// the room a label needs is reckoned with it.
constexpr double kSketchFontSize = 17.0;

void AddLine(Sketch& sketch, const char* style, double x1, double y1, double x2, double y2);

// `upwards`: along a vertical dimension. A label longer than the room up
// to the sketch's edge (its width and height set before) is squeezed into
// it, so that a long number never spills out of the drawing.
void AddLabel(Sketch& sketch, double x, double y, const char* anchor, std::string text,
              bool upwards = false);

void AddPath(Sketch& sketch, const char* style, std::vector<SketchPoint> points);
void AddCircle(Sketch& sketch, const char* style, double x, double y, double radius);

#endif
