// The bay to scale: columns, crossing diagonals, top member, the load at
// the top right and the dimensions H and B, as geometry in drawing units.
#ifndef BRACING_REPORT_BAY_SKETCH_H
#define BRACING_REPORT_BAY_SKETCH_H

#include "calc/bracing.h"
#include "report/report_model.h"

// A bay more than 30 times as wide as tall (or the other way) is drawn at
// that ratio and its caption says it is not to scale. `eitherWay`: the
// load is |T| + |W|, as the design takes it; otherwise T + W as typed.
void BuildBaySketch(const BracingInputs& inputs, bool eitherWay, Sketch& sketch);

#endif
