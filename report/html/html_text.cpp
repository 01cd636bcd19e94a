#include "report/html/html_text.h"

void AppendEscaped(std::string& html, std::string_view text) {
    for (const char c : text) {
        switch (c) {
        case '&':
            html += "&amp;";
            break;
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        case '"':
            html += "&quot;";
            break;
        case '\'':
            html += "&#39;";
            break;
        case '\t':
        case '\n':
        case '\r':
            html += c;
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                html += "\xEF\xBF\xBD";
            } else {
                html += c;
            }
            break;
        }
    }
}
