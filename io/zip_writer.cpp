#include "io/zip_writer.h"

#include <array>
#include <cerrno>

namespace {

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) {
            c = (c & 1u) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        table[n] = c;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kCrcTable = MakeCrcTable();

constexpr std::uint64_t kMost = 0xFFFFFFFFu;  // sizes and offsets without ZIP64
// Version 2.0 made and needed; no flags, stored, 1980-01-01 00:00 so that
// the same sheet is the same bytes on every run.
constexpr std::uint16_t kVersion = 20;
constexpr std::uint16_t kStored = 0;
constexpr std::uint16_t kDosTime = 0;
constexpr std::uint16_t kDosDate = (1u << 5) | 1u;

void Append16(std::string& out, std::uint64_t value) {
    out += static_cast<char>(value & 0xFFu);
    out += static_cast<char>((value >> 8) & 0xFFu);
}

void Append32(std::string& out, std::uint64_t value) {
    Append16(out, value & 0xFFFFu);
    Append16(out, (value >> 16) & 0xFFFFu);
}

// What the local header and the central directory's record share, from
// the version needed to the extra field's length.
std::string CommonFields(std::string_view name, std::uint32_t crc, std::uint64_t size) {
    std::string fields;
    Append16(fields, kVersion);
    Append16(fields, 0);  // flags
    Append16(fields, kStored);
    Append16(fields, kDosTime);
    Append16(fields, kDosDate);
    Append32(fields, crc);
    Append32(fields, size);  // compressed
    Append32(fields, size);
    Append16(fields, name.size());
    Append16(fields, 0);  // extra field
    return fields;
}

}  // namespace

std::uint32_t UpdateCrc32(std::uint32_t crc, std::string_view bytes) {
    crc = ~crc;
    for (const char byte : bytes) {
        crc = kCrcTable[(crc ^ static_cast<unsigned char>(byte)) & 0xFFu] ^ (crc >> 8);
    }
    return ~crc;
}

void ZipWriter::Add(std::string_view name, std::string_view bytes) {
    Begin(name, bytes.size(), UpdateCrc32(0, bytes));
    Write(bytes);
}

void ZipWriter::Begin(std::string_view name, std::uint64_t size, std::uint32_t crc) {
    if (!EntryComplete()) {
        return;
    }
    if (size > kMost || written_ > kMost) {
        Fail(EFBIG);
        return;
    }
    entries_.push_back({std::string(name), crc, size, written_});
    entryWritten_ = 0;
    entryCrc_ = 0;
    std::string header;
    Append32(header, 0x04034B50u);
    header += CommonFields(name, crc, size);
    header += name;
    Put(header.data(), header.size());
}

void ZipWriter::Write(std::string_view bytes) {
    entryWritten_ += bytes.size();
    entryCrc_ = UpdateCrc32(entryCrc_, bytes);
    Put(bytes.data(), bytes.size());
}

bool ZipWriter::Finish() {
    if (!EntryComplete()) {
        return false;
    }
    const std::uint64_t start = written_;
    std::string directory;
    for (const Entry& entry : entries_) {
        Append32(directory, 0x02014B50u);
        Append16(directory, kVersion);  // made by: MS-DOS, 2.0
        directory += CommonFields(entry.name, entry.crc, entry.size);
        Append16(directory, 0);  // comment
        Append16(directory, 0);  // disk
        Append16(directory, 0);  // internal attributes
        Append32(directory, 0);  // external attributes
        Append32(directory, entry.offset);
        directory += entry.name;
    }
    const std::uint64_t records = directory.size();
    Append32(directory, 0x06054B50u);
    Append16(directory, 0);  // this disk
    Append16(directory, 0);  // the directory's disk
    Append16(directory, entries_.size());
    Append16(directory, entries_.size());
    Append32(directory, records);
    Append32(directory, start);
    Append16(directory, 0);  // comment
    if (start + directory.size() > kMost) {
        Fail(EFBIG);
    }
    Put(directory.data(), directory.size());
    return !failed_;
}

bool ZipWriter::EntryComplete() {
    if (!entries_.empty() && (entryWritten_ != entries_.back().size || entryCrc_ != entries_.back().crc)) {
        Fail(EINVAL);
    }
    return !failed_;
}

void ZipWriter::Put(const char* bytes, std::size_t size) {
    if (!failed_ && size > 0 && std::fwrite(bytes, 1, size, file_) != size) {
        Fail(errno);
    }
    written_ += size;
}

void ZipWriter::Fail(int errorNumber) {
    if (!failed_) {
        failed_ = true;
        errorNumber_ = errorNumber;
    }
}
