// The bay to scale: columns, crossing diagonals, top member, the load at
// the top right and the dimensions H and B, as geometry in drawing units.
#ifndef BRACING_REPORT_BAY_SKETCH_H
#define BRACING_REPORT_BAY_SKETCH_H

#include "calc/bracing.h"
#include "report/report_model.h"

// A bay more than 30 times as wide as tall (or the other way) is drawn at
// that ratio and its caption says it is not to scale. The load is the
// frame's P as its step gives it; `eitherWay`: (|W| + |T|)/n, as the
// design takes it, and the arrow points both ways, for wind and braking
// reverse; otherwise (W + T)/n as typed, one way.
void BuildBaySketch(const BracingInputs& inputs, const BracingResults& results, bool eitherWay, Sketch& sketch);

#endif
