// The calc sheet's style sheet.
#ifndef BRACING_REPORT_HTML_SHEET_STYLE_H
#define BRACING_REPORT_HTML_SHEET_STYLE_H

// The <style> element: A4 portrait, rows and sketches kept whole, each bay
// on a page of its own, page numbers in the bottom margin.
extern const char* const kSheetStyle;

#endif
