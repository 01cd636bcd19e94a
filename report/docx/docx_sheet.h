// The calc sheet (柱间支撑计算书) of a run as a Word document (Office Open
// XML, WordprocessingML in a ZIP): the same content as the HTML sheet, in
// Word's own tables, headings, fields and shapes, for the engineer to edit
// and merge into a project's calculation book.
//
// Memory stays flat with the number of bays: the document's text goes to
// two spool files as it comes, the front and summary to one and the pages
// to the other; Finish() joins them and writes the package.
#ifndef BRACING_REPORT_DOCX_DOCX_SHEET_H
#define BRACING_REPORT_DOCX_DOCX_SHEET_H

#include "report/docx/docx_table.h"
#include "report/report_renderer.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

class DocxSheet : public ReportRenderer {
public:
    // `sheet` receives the document; `body` and `pages` must be empty files
    // open for reading and writing. All stay the caller's to close.
    DocxSheet(std::FILE* sheet, std::FILE* body, std::FILE* pages) : sheet_(sheet), body_(body), pages_(pages) {}
    DocxSheet(const DocxSheet&) = delete;
    DocxSheet& operator=(const DocxSheet&) = delete;

    void Begin(const TitleBlock& title) override;
    void AddSummaryRow(const SummaryRow& row) override;
    void AddPage(const BayPage& page) override;
    void EndSummary(const SummaryEnd& end) override;
    // Joins the pages to the summary and writes the package; false when
    // any write or a spool's read-back failed.
    bool Finish(const TextList& scope) override;
    int ErrorNumber() const override { return errorNumber_; }

private:
    void Write(std::FILE* file);  // xml_, then empties it
    // Hands `from`'s bytes, from its start, to `to` a block at a time.
    void Copy(std::FILE* from, const std::function<void(std::string_view)>& to);
    void Fail(int errorNumber);

    std::FILE* sheet_;
    std::FILE* body_;
    std::FILE* pages_;
    std::string xml_;
    std::string header_;  // the page header's part
    TableWriter summary_{xml_};
    std::uint64_t bodySize_ = 0;  // the document's bytes in `body_`, and their CRC
    std::uint32_t bodyCrc_ = 0;
    int serial_ = 0;  // of bookmarks and drawings
    bool failed_ = false;
    int errorNumber_ = 0;
};

#endif
