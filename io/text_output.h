// Bytes out through one buffer: to a stream in large blocks, or into a
// string (for the tests). A failed write is remembered, not lost.
#ifndef BRACING_IO_TEXT_OUTPUT_H
#define BRACING_IO_TEXT_OUTPUT_H

#include <cstdio>
#include <string>

class TextOutput {
public:
    explicit TextOutput(std::FILE* file);
    explicit TextOutput(std::string& text);
    ~TextOutput();
    TextOutput(const TextOutput&) = delete;
    TextOutput& operator=(const TextOutput&) = delete;

    // The line being written; EndLine() ends it.
    std::string& Line() { return *buffer_; }
    void EndLine();

    // Hands everything written so far to the stream. Returns false once any
    // write has failed.
    bool Flush();
    bool Failed() const { return failed_; }
    // After a failed write: its errno.
    int ErrorNumber() const { return errorNumber_; }

private:
    std::FILE* file_ = nullptr;  // null: writing into a string
    std::string ownBuffer_;
    std::string* buffer_;
    bool failed_ = false;
    int errorNumber_ = 0;
};

#endif
