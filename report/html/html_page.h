// An accepted bay's page in HTML, and the numbered lists the sheet shares
// between its front, its pages and its end.
#ifndef BRACING_REPORT_HTML_HTML_PAGE_H
#define BRACING_REPORT_HTML_HTML_PAGE_H

#include "report/report_model.h"

#include <string>

void AppendPage(std::string& html, const BayPage& page);

// The list's items; with its heading first.
void AppendItems(std::string& html, const TextList& list);
void AppendList(std::string& html, const TextList& list);

#endif
