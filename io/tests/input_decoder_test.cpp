#include "io/input_decoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Utf16LE(const std::u16string& text) {
    std::string bytes;
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

const char kFffd[] = "\xEF\xBF\xBD";

}  // namespace

TEST(InputDecoder, EveryEncodingHoweverTheBlocksCutIt) {
    struct Case {
        const char* why;
        std::string bytes;
        EncodingChoice choice;
        std::string text;
        InputEncoding encoding;
        bool mark;
        bool guessed;
        std::vector<long> invalidLines;
    };
    const EncodingChoice detect = EncodingChoice::Detect;
    const Case cases[] = {
        {"ASCII only is UTF-8", "a,b\n", detect, "a,b\n", InputEncoding::Utf8, false, false, {}},
        {"UTF-8 with a BOM", "\xEF\xBB\xBF端跨\n", detect, "端跨\n", InputEncoding::Utf8, true, false, {}},
        {"UTF-16LE, a surrogate pair", "\xFF\xFE" + Utf16LE(u"abc\U0001D11E\n"), detect,
         "abc\xF0\x9D\x84\x9E\n", InputEncoding::Utf16LE, true, false, {}},
        {"UTF-16BE", std::string("\xFE\xFF\x00" "a\x7A\xEF", 6), detect, "a端", InputEncoding::Utf16BE, true,
         false, {}},
        {"GBK, a pair on the eighth byte", "\xB6\xCB" "12345\xBF\xE7\n", detect, "端12345跨\n",
         InputEncoding::Gbk, false, true, {}},
        {"UTF-8 decided, a bad byte blocks later", "端\n12345678\xFF\n", detect,
         "端\n12345678" + std::string(kFffd) + "\n", InputEncoding::Utf8, false, false, {2}},
        {"GBK decided, a byte not in it later", "\xB6\xCB\n\n\xFF" "a", detect, "端\n\n" + std::string(kFffd) + "a",
         InputEncoding::Gbk, false, true, {3}},
        {"GBK after ASCII, a lead byte that could be UTF-8 ending the block", "1234567\xD6\xD0\n", detect,
         "1234567中\n", InputEncoding::Gbk, false, true, {}},
        {"lines as the reader counts them", "\xC0" "a\rb\r\nc\n\r\r\n\xC0", EncodingChoice::Utf8,
         kFffd + std::string("a\rb\r\nc\n\r\r\n") + kFffd, InputEncoding::Utf8, false, false, {1, 6}},
        {"a character cut by the end", "\xE7\xAB", EncodingChoice::Utf8, std::string(kFffd) + kFffd,
         InputEncoding::Utf8, false, false, {1}},
        {"a character cut by the end of the input and of a block", "1234567\xE7", EncodingChoice::Utf8,
         "1234567" + std::string(kFffd), InputEncoding::Utf8, false, false, {1}},
        {"a lone surrogate, then half a unit", "\xFF\xFE" + Utf16LE(u"\xD800" "a") + "b", detect,
         kFffd + std::string("a") + kFffd, InputEncoding::Utf16LE, true, false, {1}},
        {"GBK forced", "\xB6\xCB", EncodingChoice::Gbk, "端", InputEncoding::Gbk, false, false, {}},
        {"UTF-16 forced, no BOM: little-endian", Utf16LE(u"端"), EncodingChoice::Utf16, "端",
         InputEncoding::Utf16LE, false, false, {}},
        {"UTF-16 forced, a little-endian BOM", "\xFF\xFE" + Utf16LE(u"端"), EncodingChoice::Utf16, "端",
         InputEncoding::Utf16LE, true, false, {}},
        {"UTF-8 forced on GBK", "\xB6\xCB", EncodingChoice::Utf8, std::string(kFffd) + kFffd,
         InputEncoding::Utf8, false, false, {1}},
    };
    // Blocks of 8 to 11 bytes cut every pair and surrogate pair somewhere.
    const std::size_t blockSizes[] = {8, 9, 10, 11, std::size_t{1} << 16};
    const std::size_t pieceSizes[] = {static_cast<std::size_t>(-1), 1, 3};
    for (const Case& c : cases) {
        for (std::size_t block : blockSizes) {
            for (std::size_t piece : pieceSizes) {
                MemorySource source(c.bytes.data(), c.bytes.size(), piece);
                InputDecoder decoder(source, c.choice, block);
                std::string text;
                std::vector<long> lines;
                for (const char *begin, *end; decoder.Next(begin, end);) {
                    text.append(begin, end);
                    lines.insert(lines.end(), decoder.InvalidLines().begin(), decoder.InvalidLines().end());
                    decoder.ClearInvalidLines();
                }
                const std::string where = std::string(c.why) + ", blocks of " + std::to_string(block) +
                                          ", pieces of " + std::to_string(piece);
                EXPECT_EQ(text, c.text) << where;
                EXPECT_EQ(decoder.Encoding(), c.encoding) << where;
                EXPECT_EQ(decoder.HadByteOrderMark(), c.mark) << where;
                EXPECT_EQ(decoder.GuessedGbk(), c.guessed) << where;
                EXPECT_EQ(lines, c.invalidLines) << where;
                EXPECT_EQ(decoder.ErrorNumber(), 0) << where;
            }
        }
    }
}
