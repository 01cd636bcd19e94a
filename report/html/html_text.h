// Text from the input into HTML: whatever its bytes, the sheet stays valid
// UTF-8, nothing a name holds can open a tag, hide itself or turn the text
// around it.
#ifndef BRACING_REPORT_HTML_HTML_TEXT_H
#define BRACING_REPORT_HTML_HTML_TEXT_H

#include "report/report_model.h"

#include <cstddef>
#include <string>
#include <string_view>

// A text longer than this many characters is shown cut to kShownCharacters
// and "…": one cell must not fill pages.
constexpr std::size_t kLongTextCharacters = 1000;
constexpr std::size_t kShownCharacters = 200;

// Appends `text` with &, <, >, " and ' as character references, bytes not
// valid UTF-8 as U+FFFD, and C0 and C1 controls as \xNN, as messages write
// them. Its direction controls stay, but close at its end: one it leaves
// open is closed, one that closes nothing of its own is dropped.
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
