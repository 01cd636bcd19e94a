// The parts of the Word package around the document: their names, content
// types and relationships, the styles, the numbering of the lists, the
// settings, and the page header and footer.
#ifndef BRACING_REPORT_DOCX_DOCX_PARTS_H
#define BRACING_REPORT_DOCX_DOCX_PARTS_H

#include <string>
#include <string_view>

struct PackagePart {
    const char* name;  // in the package, without the leading /
    const char* text;  // null: made for each sheet (the header and the document)
};

// In the order they are written; the document last.
extern const PackagePart kPackageParts[];
extern const int kPackagePartCount;
extern const char* const kDocumentPart;

// The document's root and body start, with every namespace it uses.
extern const char* const kDocumentStart;
// The last section's page: A4 portrait, the HTML sheet's margins, the
// header and footer; and the document's end.
extern const char* const kDocumentEnd;

// The numbering of the lists: each starts at 1.
enum ListNumbering { kBasisList = 1, kScopeList = 2 };

// The page header: the project (from the command line), the bay of the
// page (the last Heading2 above it, as Word finds it), the sheet's title.
std::string PageHeader(std::string_view project, std::string_view title);

#endif
