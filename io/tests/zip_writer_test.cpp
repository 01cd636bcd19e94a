#include "io/zip_writer.h"

#include "io/tests/read_back.h"
#include "io/tests/stored_zip.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <string>

TEST(Crc32, CheckValuesAndPieces) {
    // The check value of CRC-32/ISO-HDLC, which ZIP uses, and two more.
    const struct {
        std::string bytes;
        std::uint32_t crc;
    } cases[] = {
        {"", 0},
        {"123456789", 0xCBF43926u},
        {"The quick brown fox jumps over the lazy dog", 0x414FA339u},
        {std::string(1, '\0'), 0xD202EF8Du},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UpdateCrc32(0, c.bytes), c.crc) << c.bytes;
        // Carried over any cut, as a spool is read a block at a time.
        for (std::size_t cut = 0; cut <= c.bytes.size(); ++cut) {
            EXPECT_EQ(UpdateCrc32(UpdateCrc32(0, c.bytes.substr(0, cut)), c.bytes.substr(cut)), c.crc) << cut;
        }
    }
}

TEST(ZipWriter, EntriesReadBackByTheDirectoryAndMistakesFail) {
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    ZipWriter zip(file);
    zip.Add("[Content_Types].xml", "<Types/>");
    zip.Begin("word/document.xml", 9, 0xCBF43926u);  // given in pieces, as from a spool
    zip.Write("1234");
    zip.Write("56789");
    zip.Add("empty", "");
    ASSERT_TRUE(zip.Finish());
    const std::string bytes = ReadBack(file);
    // 3 local headers of 30 bytes and 3 records of 46, with the names twice; the end, 22.
    EXPECT_EQ(bytes.size(), 3 * 30u + 3 * 46u + 2 * (19 + 17 + 5) + 8 + 9 + 22);
    using Entries = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(StoredEntries(bytes),
              (Entries{{"[Content_Types].xml", "<Types/>"}, {"word/document.xml", "123456789"}, {"empty", ""}}));
    EXPECT_EQ(ZipNumber(bytes, 10, 2), 0u) << "00:00";
    EXPECT_EQ(ZipNumber(bytes, 12, 2), 33u) << "1980-01-01: the same sheet is the same bytes";

    const struct {
        const char* why;
        std::uint64_t size;
        std::string bytes;
        int errorNumber;
    } mistakes[] = {
        {"fewer bytes than begun with", 9, "1234", EINVAL},
        {"other bytes than the CRC's", 9, "123456780", EINVAL},
        {"over 4 GiB without ZIP64", std::uint64_t{1} << 32, "", EFBIG},
    };
    for (const auto& m : mistakes) {
        std::FILE* out = std::tmpfile();
        ZipWriter bad(out);
        bad.Begin("x", m.size, 0xCBF43926u);
        bad.Write(m.bytes);
        EXPECT_FALSE(bad.Finish()) << m.why;
        EXPECT_EQ(bad.ErrorNumber(), m.errorNumber) << m.why;
        std::fclose(out);
    }
}
