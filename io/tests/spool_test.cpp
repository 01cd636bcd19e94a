#include "io/spool.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

TEST(Spool, GivesBackWhatWasWrittenFromItsStartAndStopsWhenTold) {
    const std::size_t kBlock = std::size_t{1} << 16;
    const struct {
        const char* why;
        std::size_t size;
        int blocksWanted;  // 0: all
        std::size_t expected;
    } cases[] = {
        {"nothing written", 0, 0, 0},
        {"less than a block", 10, 0, 10},
        {"a block exactly: the read after it finds the end", kBlock, 0, kBlock},
        {"over two blocks, in order", 2 * kBlock + 7, 0, 2 * kBlock + 7},
        {"the taker stops after the first block", 2 * kBlock + 7, 1, kBlock},
    };
    for (const auto& c : cases) {
        std::FILE* spool = std::tmpfile();
        ASSERT_NE(spool, nullptr);
        std::string written(c.size, '\0');
        for (std::size_t k = 0; k < c.size; ++k) {
            written[k] = static_cast<char>('a' + k % 23);
        }
        // Left at its end, unflushed, as a renderer leaves it.
        std::fwrite(written.data(), 1, written.size(), spool);
        std::string taken;
        int blocks = 0;
        const bool read = ReadSpool(spool, [&](std::string_view block) {
            taken.append(block);
            return ++blocks != c.blocksWanted;
        });
        EXPECT_TRUE(read) << c.why;
        EXPECT_EQ(taken, written.substr(0, c.expected)) << c.why;
        std::fclose(spool);
    }
}
