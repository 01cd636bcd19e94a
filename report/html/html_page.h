// An accepted bay's page in HTML, and the numbered lists the sheet shares
// between its front, its pages and its end.
#ifndef BRACING_REPORT_HTML_HTML_PAGE_H
#define BRACING_REPORT_HTML_HTML_PAGE_H

#include "report/report_model.h"

#include <string>

// What every printed page says above its own text: the project, what the
// page is of (markup, as the other two) and the sheet's title.
struct RunningHead {
    std::string project;
    std::string title;
};

// A block whose pages all carry the running head: a table's head is
// printed again on each page the table takes, the one running head a
// browser prints per page.
void OpenRunning(std::string& html, const RunningHead& head, const std::string& what);
void CloseRunning(std::string& html);

void AppendPage(std::string& html, const BayPage& page, const RunningHead& head);

// The list's items; with its heading first.
void AppendItems(std::string& html, const TextList& list);
void AppendList(std::string& html, const TextList& list);

#endif
