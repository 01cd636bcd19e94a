// Lines as an editor shows them: LF, CRLF and a lone CR each end one. The
// reader and the decoder count the same text with it, so the problems they
// find name the same lines.
#ifndef BRACING_IO_LINE_COUNTER_H
#define BRACING_IO_LINE_COUNTER_H

#include <climits>

class LineCounter {
public:
    // Counts the line ends in [from, to), the text after what came before.
    void Pass(const char* from, const char* to) {
        for (; from != to; ++from) {
            const char c = *from;
            if (c == '\r' || (c == '\n' && !afterCr_)) {
                Advance();
            }
            afterCr_ = c == '\r';
            atLineStart_ = c == '\r' || c == '\n';
        }
    }

    // The line the next character is on, counting from 1.
    long Line() const { return line_; }
    // The last line that has text or a line end: Line() less one after a
    // final line end.
    long LastLine() const { return atLineStart_ && line_ > 1 ? line_ - 1 : line_; }

private:
    void Advance() {
        if (line_ < LONG_MAX) {
            ++line_;
        }
    }

    long line_ = 1;
    bool afterCr_ = false;
    bool atLineStart_ = true;
};

#endif
