#include "report/html/html_text.h"

#include "report/shown_text.h"

void AppendEscaped(std::string& html, std::string_view text) {
    std::string shown;
    AppendShown(shown, text);
    AppendReferences(html, shown);
}

void AppendIsolated(std::string& html, std::string_view text) {
    html += "<bdi>";
    AppendEscaped(html, text);
    html += "</bdi>";
}

void AppendPlain(std::string& html, std::string_view text) {
    for (const char c : text) {
        if (c == '&') {
            html += "&amp;";
        } else if (c == '<') {
            html += "&lt;";
        } else {
            html += c;
        }
    }
}

void AppendText(std::string& html, const Text& text) {
    if (text.typed) {
        AppendIsolated(html, text.text);
    } else {
        AppendPlain(html, text.text);
    }
}
