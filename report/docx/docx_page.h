// An accepted bay's page in WordprocessingML, and the numbered lists the
// sheet shares between its front and its end.
#ifndef BRACING_REPORT_DOCX_DOCX_PAGE_H
#define BRACING_REPORT_DOCX_DOCX_PAGE_H

#include "report/report_model.h"

#include <string>

// The text's width on the page, twips: A4 less the margins, 175 mm.
constexpr int kTextWidth = 9921;

// A new page, its heading a bookmark that the summary links to. `serial`
// numbers bookmarks and drawings, each once in the document.
void AppendPage(std::string& xml, const BayPage& page, int& serial);

// The list under its heading, numbered by `numbering` (docx_parts.h);
// `page`: on a page of its own, whole.
void AppendList(std::string& xml, const TextList& list, int numbering, bool page = false);

#endif
