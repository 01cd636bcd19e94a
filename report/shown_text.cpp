#include "report/shown_text.h"

#include "io/utf8_sequence.h"

#include <cstdio>

namespace {

// Direction controls, UTF-8 E2 80 AA-AE and E2 81 A6-A9.
enum class Direction { None, Opens, ClosesEmbedding, OpensIsolate, ClosesIsolate };

Direction DirectionOf(std::string_view character) {
    if (character.size() != 3 || character[0] != '\xE2') {
        return Direction::None;
    }
    const unsigned char last = static_cast<unsigned char>(character[2]);
    if (character[1] == '\x80' && last >= 0xAA && last <= 0xAE) {
        return last == 0xAC ? Direction::ClosesEmbedding : Direction::Opens;  // PDF; LRE RLE LRO RLO
    }
    if (character[1] == '\x81' && last >= 0xA6 && last <= 0xA9) {
        return last == 0xA9 ? Direction::ClosesIsolate : Direction::OpensIsolate;  // PDI; LRI RLI FSI
    }
    return Direction::None;
}

const char* const kCloseEmbedding = "\xE2\x80\xAC";  // U+202C
const char* const kCloseIsolate = "\xE2\x81\xA9";    // U+2069
const char* const kReplacement = "\xEF\xBF\xBD";     // U+FFFD

// The code point of a well-formed sequence of 1 or 2 bytes; else above C1.
unsigned ShortCodePoint(std::string_view character) {
    const unsigned char lead = static_cast<unsigned char>(character[0]);
    if (character.size() == 1) {
        return lead;
    }
    return character.size() == 2 ? ((lead & 0x1Fu) << 6) | (character[1] & 0x3Fu) : 0x100;
}

// U+FFFE and U+FFFF, EF BF BE and EF BF BF.
bool IsNoncharacter(std::string_view character) {
    return character.size() == 3 && character[0] == '\xEF' && character[1] == '\xBF' &&
           (character[2] == '\xBE' || character[2] == '\xBF');
}

// Bytes of the character at `k`; 0 when they are not well-formed UTF-8.
std::size_t CharacterSize(std::string_view text, std::size_t k) {
    const int size = Utf8SequenceSize(text.data() + k, text.data() + text.size());
    return size > 0 ? static_cast<std::size_t>(size) : 0;
}

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t k = 0; k < text.size(); ++count) {
        const std::size_t size = CharacterSize(text, k);
        k += size == 0 ? 1 : size;
    }
    return count;
}

void AppendCharacter(std::string& shown, std::string_view character) {
    const unsigned code = ShortCodePoint(character);
    if (code < 0x20 || (code >= 0x7F && code <= 0x9F)) {  // C0, DEL and C1
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", code);
        shown += escaped;
    } else {
        shown += IsNoncharacter(character) ? std::string_view(kReplacement) : character;
    }
}

}  // namespace

void AppendShown(std::string& shown, std::string_view text) {
    const bool cut = CharacterCount(text) > kLongTextCharacters;
    std::string open;  // the direction controls still open: 'e' embedding, 'i' isolate
    std::size_t characters = 0;
    for (std::size_t k = 0; k < text.size() && !(cut && characters == kShownCharacters);
         ++characters) {
        const std::size_t size = CharacterSize(text, k);
        if (size == 0) {
            shown += kReplacement;
            ++k;
            continue;
        }
        const std::string_view character = text.substr(k, size);
        k += size;
        switch (DirectionOf(character)) {
        case Direction::None:
            AppendCharacter(shown, character);
            continue;
        case Direction::Opens:
        case Direction::OpensIsolate:
            open += DirectionOf(character) == Direction::Opens ? 'e' : 'i';
            break;
        case Direction::ClosesEmbedding:
            if (open.empty() || open.back() != 'e') {
                continue;
            }
            open.pop_back();
            break;
        case Direction::ClosesIsolate: {
            // It closes the embeddings inside its isolate too.
            const std::size_t isolate = open.rfind('i');
            if (isolate == std::string::npos) {
                continue;
            }
            open.resize(isolate);
            break;
        }
        }
        shown += character;
    }
    for (auto it = open.rbegin(); it != open.rend(); ++it) {
        shown += *it == 'e' ? kCloseEmbedding : kCloseIsolate;
    }
    if (cut) {
        shown += "…";
    }
}

void AppendReferences(std::string& markup, std::string_view text) {
    for (const char c : text) {
        switch (c) {
        case '&':
            markup += "&amp;";
            break;
        case '<':
            markup += "&lt;";
            break;
        case '>':
            markup += "&gt;";
            break;
        case '"':
            markup += "&quot;";
            break;
        case '\'':
            markup += "&#39;";
            break;
        default:
            markup += c;
        }
    }
}
