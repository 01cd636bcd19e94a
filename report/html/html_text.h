// Text from the input into HTML: whatever its bytes, the sheet stays valid
// UTF-8, nothing a name holds can open a tag, hide itself or turn the text
// around it.
#ifndef BRACING_REPORT_HTML_HTML_TEXT_H
#define BRACING_REPORT_HTML_HTML_TEXT_H

#include "report/report_model.h"
#include "report/shown_text.h"

#include <string>
#include <string_view>

// Appends `text` as every renderer shows it (report/shown_text.h), with &,
// <, >, " and ' as character references.
void AppendEscaped(std::string& html, std::string_view text);

// The same in a <bdi> of its own, so that its direction cannot reorder
// the text around it: for every text from the input or the command line.
void AppendIsolated(std::string& html, std::string_view text);

// The program's own words and numbers: only what would open markup or a
// reference is escaped.
void AppendPlain(std::string& html, std::string_view text);

// A text of the sheet: isolated when it came from the input.
void AppendText(std::string& html, const Text& text);

#endif
