// The fixed parts of the calc sheet: its style, the design basis and the
// statement of scope.
#ifndef BRACING_REPORT_HTML_SHEET_TEXTS_H
#define BRACING_REPORT_HTML_SHEET_TEXTS_H

// The <style> element: A4 portrait, rows and sketches kept whole, each bay
// on a page of its own, page numbers in the bottom margin.
extern const char* const kSheetStyle;

// The design basis as a list, for a run that checks sections and for one
// that takes A and i as the dialog does.
extern const char* const kDesignBasis;
extern const char* const kDialogBasis;

// What the sheet does not check: one line on every bay's page, in full at
// the end.
extern const char* const kScopeLine;
extern const char* const kScopeInFull;

#endif
