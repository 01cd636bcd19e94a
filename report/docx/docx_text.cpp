#include "report/docx/docx_text.h"

#include "report/shown_text.h"

#include <cctype>

namespace {

void AppendRunProperties(std::string& xml, const RunLook& look) {
    if (!look.bold && !look.italic && !look.underline && look.halfPoints == 0 && look.fitTwips == 0) {
        return;
    }
    xml += "<w:rPr>";
    if (look.bold) {
        xml += "<w:b/>";
    }
    if (look.italic) {
        xml += "<w:i/>";
    }
    if (look.halfPoints > 0) {
        AppendAll(xml, {"<w:sz w:val=\"", std::to_string(look.halfPoints), "\"/>"});
    }
    if (look.underline) {
        xml += "<w:u w:val=\"single\"/>";
    }
    if (look.fitTwips > 0) {
        AppendAll(xml, {"<w:fitText w:val=\"", std::to_string(look.fitTwips), "\" w:id=\"", std::to_string(look.fitId),
                        "\"/>"});
    }
    xml += "</w:rPr>";
}

// XML drops a text's white space at its ends unless told to keep it.
void BeginRun(std::string& xml, const RunLook& look, std::string_view text) {
    xml += "<w:r>";
    AppendRunProperties(xml, look);
    const bool spaced = text.front() == ' ' || text.back() == ' ' || text.find("  ") != std::string_view::npos;
    xml += spaced ? "<w:t xml:space=\"preserve\">" : "<w:t>";
}

const char* const kEndRun = "</w:t></w:r>";

}  // namespace

void AppendAll(std::string& xml, std::initializer_list<std::string_view> pieces) {
    for (const std::string_view piece : pieces) {
        xml += piece;
    }
}

void AppendRun(std::string& xml, std::string_view text, const RunLook& look) {
    if (text.empty()) {
        return;
    }
    BeginRun(xml, look, text);
    AppendReferences(xml, text);
    xml += kEndRun;
}

void AppendTypedRun(std::string& xml, std::string_view text, const RunLook& look) {
    if (text.empty()) {
        return;
    }
    std::string shown = "\u2068";  // FSI ... PDI
    AppendShown(shown, text);
    shown += "\u2069";
    BeginRun(xml, look, shown);
    AppendReferences(xml, shown);
    xml += kEndRun;
}

void AppendTextRun(std::string& xml, const Text& text, const RunLook& look) {
    if (text.typed) {
        AppendTypedRun(xml, text.text, look);
    } else {
        AppendRun(xml, text.text, look);
    }
}

void BeginParagraph(std::string& xml, std::string_view style, std::string_view properties) {
    xml += "<w:p>";
    if (style.empty() && properties.empty()) {
        return;
    }
    xml += "<w:pPr>";
    if (!style.empty()) {
        xml += "<w:pStyle w:val=\"";
        xml += style;
        xml += "\"/>";
    }
    xml += properties;
    xml += "</w:pPr>";
}

void AppendParagraph(std::string& xml, std::string_view style, std::string_view text, const RunLook& look) {
    BeginParagraph(xml, style);
    AppendRun(xml, text, look);
    EndParagraph(xml);
}

std::string BookmarkName(std::string_view anchor) {
    std::string name;
    for (const char c : anchor) {
        name += std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
    }
    return name;
}
