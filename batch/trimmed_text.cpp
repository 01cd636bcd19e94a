#include "batch/trimmed_text.h"

const char* TrimmedText(const ResultText& text) {
    const char* c = text.chars;
    while (*c == ' ') {
        ++c;
    }
    return c;
}
