// The sketch of a bay as a Word drawing: one group of shapes (lines, the
// arrow's head, text boxes) that the engineer can edit in Word.
#ifndef BRACING_REPORT_DOCX_DOCX_SKETCH_H
#define BRACING_REPORT_DOCX_DOCX_SKETCH_H

#include "report/report_model.h"

#include <string>

// A run holding the drawing, inline, 80 mm wide.
// `serial` numbers the drawing and its shapes, each once in the document.
void AppendSketch(std::string& xml, const Sketch& sketch, int& serial);

#endif
