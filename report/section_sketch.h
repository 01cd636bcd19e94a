// The bay's member in section, to scale, as geometry in drawing units: the
// angle or angles with the gusset and its thickness, or the tube or bar,
// with the axes the radii are taken about.
#ifndef BRACING_REPORT_SECTION_SKETCH_H
#define BRACING_REPORT_SECTION_SKETCH_H

#include "design/bay_design.h"
#include "report/report_model.h"

// The adopted design's section; without one, the first section the cases
// name. No marks where there is none.
void BuildSectionSketch(const BayDesign& design, Sketch& sketch);

#endif
