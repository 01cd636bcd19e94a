// Text into WordprocessingML: the program's own words escaped for XML,
// text from the input shown as every renderer shows it and isolated, and
// the runs and paragraphs that carry them.
#ifndef BRACING_REPORT_DOCX_DOCX_TEXT_H
#define BRACING_REPORT_DOCX_DOCX_TEXT_H

#include "report/report_model.h"
#include "report/shown_text.h"

#include <initializer_list>
#include <string>
#include <string_view>

// How a run is set beyond its paragraph's style; 0 half-points: the style's size.
struct RunLook {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 0;
    int fitTwips = 0;  // above 0: the text fitted into this width
    int fitId = 0;     // of the fitted run, once in the document
};

// Appends each piece in turn: markup pieced together without temporaries.
void AppendAll(std::string& xml, std::initializer_list<std::string_view> pieces);

// A run of the program's own text; none when it is empty.
void AppendRun(std::string& xml, std::string_view text, const RunLook& look = RunLook());
// A run of text from the input or the command line: shown as
// report/shown_text.h says, between FSI and PDI so that its direction
// cannot reorder the text around it. None when it is empty.
void AppendTypedRun(std::string& xml, std::string_view text, const RunLook& look = RunLook());
// Either, as the text says where it came from.
void AppendTextRun(std::string& xml, const Text& text, const RunLook& look = RunLook());

// <w:p> of the paragraph style `style` (its id; empty: Normal), with
// `properties` after it in the schema's order.
void BeginParagraph(std::string& xml, std::string_view style, std::string_view properties = {});
inline void EndParagraph(std::string& xml) { xml += "</w:p>"; }
void AppendParagraph(std::string& xml, std::string_view style, std::string_view text,
                     const RunLook& look = RunLook());

// A bookmark's name as Word takes it (letters, digits and _), from an anchor.
std::string BookmarkName(std::string_view anchor);

#endif
