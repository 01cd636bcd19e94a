// The bay drawn to scale in SVG: columns, crossing diagonals, top member,
// the load at the top right and the dimensions H and B.
#ifndef BRACING_REPORT_HTML_SHEET_SKETCH_H
#define BRACING_REPORT_HTML_SHEET_SKETCH_H

#include "calc/bracing.h"

#include <string>

// Appends a <figure> with the sketch of the bay `inputs` describes. A bay
// more than 30 times as wide as tall (or the other way) is drawn at that
// ratio and says it is not to scale.
// `eitherWay`: the design's load, |T| + |W| (wind and braking each act
// either way); otherwise the dialog's T + W.
void AppendBaySketch(std::string& html, const BracingInputs& inputs, bool eitherWay);

#endif
