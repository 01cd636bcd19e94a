// The sketch of a bay as an SVG <figure>.
#ifndef BRACING_REPORT_HTML_HTML_SKETCH_H
#define BRACING_REPORT_HTML_HTML_SKETCH_H

#include "report/report_model.h"

#include <string>

void AppendSketch(std::string& html, const Sketch& sketch);

#endif
