#include "format/message_text.h"

#include <cstdio>

std::string QuotedText(std::string_view text, std::size_t maxCharacters) {
    std::string quoted = "\"";
    std::size_t characters = 0;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const unsigned char c = static_cast<unsigned char>(text[k]);
        const bool startsCharacter = (c & 0xC0) != 0x80;  // not a UTF-8 continuation byte
        if (startsCharacter && characters++ == maxCharacters) {
            return quoted + "…\"";
        }
        // C1 controls (U+0080 to U+009F, C2 80 to C2 9F) by their code, as the sheet shows them.
        const bool c1 = c == 0xC2 && k + 1 < text.size() && (static_cast<unsigned char>(text[k + 1]) & 0xE0) == 0x80;
        if (c < 0x20 || c == 0x7F || c1) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c1 ? static_cast<unsigned char>(text[++k]) : c);
            quoted += escaped;
        } else {
            quoted.push_back(text[k]);
        }
    }
    return quoted + "\"";
}
