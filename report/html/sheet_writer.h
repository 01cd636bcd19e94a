// The calc sheet (柱间支撑计算书) of a run, as one self-contained HTML
// file: title, summary, a page for every accepted bay, scope.
//
// Memory stays flat with the number of bays: summary lines go to the
// sheet as the bays come, their pages to a spool file that Finish() copies
// in behind the summary.
#ifndef BRACING_REPORT_HTML_SHEET_WRITER_H
#define BRACING_REPORT_HTML_SHEET_WRITER_H

#include "batch/checked_row.h"

#include <cstdio>
#include <string>
#include <string_view>

struct SheetHeading {
    std::string_view project;    // --project; may be empty
    std::string_view inputName;  // the input file as named, or how standard input is called
    std::string_view date;       // of the run, e.g. 2024-05-31
    std::string_view version;    // of the program, e.g. 0.01
    bool designCheck = false;    // the input names sections rather than A and i
};

class SheetWriter {
public:
    // `sheet` receives the sheet; `spool` must be an empty file open for
    // reading and writing. Both stay the caller's to close. Writes the
    // title and opens the summary.
    SheetWriter(std::FILE* sheet, std::FILE* spool, const SheetHeading& heading);
    SheetWriter(const SheetWriter&) = delete;
    SheetWriter& operator=(const SheetWriter&) = delete;

    // The bay's summary line, and its page unless it was refused.
    void Add(const CheckedRow& bay);
    // Input lines `fromLine` to `toLine` that were not read, and why: a
    // line in the summary, and counted.
    void LeaveOut(long fromLine, long toLine, std::string_view reason);

    // Closes the summary, copies the pages in and ends the sheet. Returns
    // false when any write or the spool's read-back failed.
    bool Finish();
    // The errno of the first failure.
    int ErrorNumber() const { return errorNumber_; }

private:
    void Write(std::FILE* file);  // html_, then empties it
    void Fail();                  // keeps errno

    std::FILE* sheet_;
    std::FILE* spool_;
    bool designCheck_;
    std::string html_;
    long counts_[4] = {};  // by BayOutcome
    long unreadLines_ = 0;
    bool failed_ = false;
    int errorNumber_ = 0;
};

#endif
