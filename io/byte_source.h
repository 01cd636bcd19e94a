// Where the input's bytes come from: a stream, or text in memory.
#ifndef BRACING_IO_BYTE_SOURCE_H
#define BRACING_IO_BYTE_SOURCE_H

#include <cstddef>
#include <cstdio>

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to `size` bytes into `to`. Returns 0 at the end, or when
    // reading failed: then ErrorNumber() is the errno, otherwise 0.
    virtual std::size_t Read(char* to, std::size_t size) = 0;
    int ErrorNumber() const { return errorNumber_; }

protected:
    int errorNumber_ = 0;
};

class FileSource final : public ByteSource {
public:
    explicit FileSource(std::FILE* file) : file_(file) {}
    std::size_t Read(char* to, std::size_t size) override;

private:
    std::FILE* file_;
    bool ended_ = false;  // a terminal would wait for more after the end
};

// `size` bytes at `text`, which must outlive the source, handed over
// `pieceSize` bytes at a time as a pipe would.
class MemorySource final : public ByteSource {
public:
    MemorySource(const char* text, std::size_t size, std::size_t pieceSize = static_cast<std::size_t>(-1))
        : next_(text), end_(text + size), pieceSize_(pieceSize == 0 ? 1 : pieceSize) {}
    std::size_t Read(char* to, std::size_t size) override;

private:
    const char* next_;
    const char* end_;
    std::size_t pieceSize_;
};

#endif
