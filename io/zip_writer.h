// A ZIP archive (PKWARE APPNOTE 6.3) of stored entries, written in order
// to a stream: each entry's local header and bytes, then the central
// directory. Entries are not compressed, so the program needs no library;
// the CRC-32 and the sizes are the caller's to give before the bytes, so
// nothing is ever sought back. No ZIP64: an archive over 4 GiB fails.
#ifndef BRACING_IO_ZIP_WRITER_H
#define BRACING_IO_ZIP_WRITER_H

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// CRC-32 as ZIP takes it (reflected, polynomial 0xEDB88320), carried over
// pieces: UpdateCrc32(UpdateCrc32(0, a), b) is the CRC of a then b.
std::uint32_t UpdateCrc32(std::uint32_t crc, std::string_view bytes);

class ZipWriter {
public:
    // `file` stays the caller's to flush and close.
    explicit ZipWriter(std::FILE* file) : file_(file) {}

    // An entry whose bytes are all here.
    void Add(std::string_view name, std::string_view bytes);
    // An entry of `size` bytes with CRC `crc`, given by Write() calls next.
    void Begin(std::string_view name, std::uint64_t size, std::uint32_t crc);
    void Write(std::string_view bytes);

    // Writes the central directory. False when a write failed, an entry got
    // other than the bytes it was begun with, or the archive is over 4 GiB.
    bool Finish();
    // The errno of the first failure (EFBIG when too large, EINVAL when an
    // entry's bytes were not as begun).
    int ErrorNumber() const { return errorNumber_; }

private:
    struct Entry {
        std::string name;
        std::uint32_t crc;
        std::uint64_t size;
        std::uint64_t offset;  // of its local header
    };

    bool EntryComplete();
    void Put(const char* bytes, std::size_t size);
    void Fail(int errorNumber);

    std::FILE* file_;
    std::vector<Entry> entries_;
    std::uint64_t written_ = 0;       // bytes so far
    std::uint64_t entryWritten_ = 0;  // of the last entry's bytes
    std::uint32_t entryCrc_ = 0;
    bool failed_ = false;
    int errorNumber_ = 0;
};

#endif
