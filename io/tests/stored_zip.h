// A ZIP archive of stored entries read back by its central directory, as
// an unzipper reads it: the test fails where an entry's local header
// disagrees with its record there, or its bytes are not those of its CRC-32.
#ifndef BRACING_IO_TESTS_STORED_ZIP_H
#define BRACING_IO_TESTS_STORED_ZIP_H

#include "io/zip_writer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

inline std::uint32_t ZipNumber(const std::string& zip, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int k = bytes - 1; k >= 0; --k) {
        value = (value << 8) | static_cast<unsigned char>(zip.at(at + static_cast<std::size_t>(k)));
    }
    return value;
}

// Names and bytes, in the directory's order.
inline std::vector<std::pair<std::string, std::string>> StoredEntries(const std::string& zip) {
    std::vector<std::pair<std::string, std::string>> entries;
    const std::size_t end = zip.size() - 22;  // no archive comment
    if (zip.size() < 22 || ZipNumber(zip, end, 4) != 0x06054B50u) {
        ADD_FAILURE() << "no end of central directory";
        return entries;
    }
    const std::uint32_t count = ZipNumber(zip, end + 10, 2);
    std::size_t record = ZipNumber(zip, end + 16, 4);
    EXPECT_EQ(record + ZipNumber(zip, end + 12, 4), end) << "the directory runs up to its end";
    for (std::uint32_t k = 0; k < count; ++k) {
        EXPECT_EQ(ZipNumber(zip, record, 4), 0x02014B50u) << "record " << k;
        const std::uint32_t nameLength = ZipNumber(zip, record + 28, 2);
        const std::string name = zip.substr(record + 46, nameLength);
        const std::size_t local = ZipNumber(zip, record + 42, 4);
        EXPECT_EQ(ZipNumber(zip, local, 4), 0x04034B50u) << name;
        // From the version needed to the name's length, the two agree.
        EXPECT_EQ(zip.substr(local + 4, 26 - 2), zip.substr(record + 6, 26 - 2)) << name;
        EXPECT_EQ(zip.substr(local + 30, nameLength), name);
        EXPECT_EQ(ZipNumber(zip, record + 10, 2), 0u) << name << " is stored";
        const std::string bytes =
            zip.substr(local + 30 + nameLength + ZipNumber(zip, local + 28, 2), ZipNumber(zip, record + 24, 4));
        EXPECT_EQ(UpdateCrc32(0, bytes), ZipNumber(zip, record + 16, 4)) << name;
        entries.emplace_back(name, bytes);
        record += 46 + nameLength + ZipNumber(zip, record + 30, 2) + ZipNumber(zip, record + 32, 2);
    }
    return entries;
}

#endif
