#include "batch/cell_number.h"

#include "ui/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

// The same double, to the bit: the batch reads exactly as the dialog does.
void ExpectDialogsDouble(const std::string& cell, const char* dialogText) {
    const CellNumber read = ReadCellNumber(cell);
    ASSERT_EQ(read.status, CellStatus::Number) << cell;
    const double dialog = TextToNumber(dialogText);
    EXPECT_EQ(std::memcmp(&read.value, &dialog, sizeof dialog), 0) << cell;
}

}  // namespace

TEST(CellNumber, WhollyANumberReadAsTheDialogReadsIt) {
    struct Case {
        const char* cell;
        CellStatus status;
        const char* dialogText;  // for a number: the ASCII text the dialog reads to the same double
    };
    const CellStatus number = CellStatus::Number;
    const CellStatus notNumber = CellStatus::NotANumber;
    const Case cases[] = {
        {"12.5", number, "12.5"},
        {" \t-0.125e+2\r\n", number, "-0.125e+2"},
        {".5", number, ".5"},
        {"5.", number, "5."},
        {"-0", number, "-0"},
        {"0e999", number, "0"},
        {"\xEF\xBC\x91\xEF\xBC\x8E\xEF\xBC\x95\xEF\xBD\x85\xEF\xBC\x8D\xEF\xBC\x93", number, "1.5e-3"},
        {"\xEF\xBC\x8B\xEF\xBC\x92\xEF\xBC\xA5\xEF\xBC\x8B\xEF\xBC\x92", number, "2E2"},  // ＋２Ｅ＋２
        {"\xC2\xA0" "7\xE3\x80\x80", number, "7"},
        {"", CellStatus::Empty, nullptr},
        {"\xE3\x80\x80 ", CellStatus::Empty, nullptr},
        {".", notNumber, nullptr},
        {"+", notNumber, nullptr},
        {"1e", notNumber, nullptr},
        {"1e+", notNumber, nullptr},
        {"e5", notNumber, nullptr},
        {"1 000", notNumber, nullptr},
        {"inf", notNumber, nullptr},
        {"\xEF\xBC\x8C" "5", notNumber, nullptr},  // a full-width comma is no number character
        {"\xEF\xBC", notNumber, nullptr},
        {"1e309", CellStatus::OutOfRange, nullptr},
        {"-1e309", CellStatus::OutOfRange, nullptr},
        {"1e-400", CellStatus::OutOfRange, nullptr},  // would read as 0
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadCellNumber(c.cell).status, c.status) << c.cell;
        if (c.dialogText != nullptr) {
            ExpectDialogsDouble(c.cell, c.dialogText);
        }
    }
}

TEST(CellNumber, HardRoundingReadsAsTheDialogsStrtod) {
    const std::string zeros(400, '0');
    const std::string numbers[] = {
        "1" + zeros + "e-400",            // digits far past the 17 that count
        "0." + zeros + "1e401",           // an exponent that undoes the zeros
        "123456789012345678901234567890",
        "9007199254740993",               // 2^53 + 1, halfway: to even
        "9007199254740993.000000000000000000001",  // just past halfway: up
        "0.1000000000000000055511151231257827021181583404541015625",
        "1.00000000000000011102230246251565404236316680908203125",  // halfway at 1
        "4.9406564584124654e-324",        // the least subnormal
        "2.4703282292062328e-324",        // just past half of it: rounds up to it
        "2.2250738585072011e-308",        // the subnormal edge
        "2.2250738585072014e-308",
        "1.7976931348623158e308",         // still the largest double
        "0e99999999999999999999",
        "-0.0e-5",
        "+.5e+1",
    };
    for (const std::string& number : numbers) {
        ExpectDialogsDouble(number, number.c_str());
    }
    // Full-width digits, however many, read as their ASCII forms.
    std::string wide;
    for (char c : std::string("98765432109876543210.5")) {
        wide += c == '.' ? "\xEF\xBC\x8E" : std::string("\xEF\xBC") + static_cast<char>('\x90' + (c - '0'));
    }
    ExpectDialogsDouble(wide, "98765432109876543210.5");
    for (const char* far : {"1.7976931348623159e308", "2.4703282292062327e-324",
                            "1e-99999999999999999999", "1e99999999999999999999"}) {
        EXPECT_EQ(ReadCellNumber(far).status, CellStatus::OutOfRange) << far;
    }
}

TEST(CellNumber, FuzzCorporaReadAsTheDialogsStrtod) {
    // Every piece of every seed the fuzzers start from, cut where a cell or
    // a typed field ends; those in ASCII that are wholly a number.
    int numbers = 0;
    for (const char* corpus : {BRACING_FUZZ_DIR "/corpus", BRACING_FUZZ_DIR "/csv_corpus"}) {
        for (const auto& seed : std::filesystem::directory_iterator(corpus)) {
            std::ifstream file(seed.path(), std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(file), {}};
            std::size_t from = 0;
            for (std::size_t to; from <= bytes.size(); from = to + 1) {
                to = std::min(bytes.find_first_of(std::string(",;\t\r\n\0", 6), from), bytes.size());
                const std::string piece = bytes.substr(from, to - from);
                const bool ascii = std::all_of(piece.begin(), piece.end(),
                                               [](char c) { return (c & 0x80) == 0; });
                const CellNumber read = ReadCellNumber(piece);
                if (ascii && read.status == CellStatus::Number) {
                    ExpectDialogsDouble(piece, piece.c_str());
                    ++numbers;
                } else if (ascii && read.status == CellStatus::OutOfRange) {
                    const double dialog = TextToNumber(piece.c_str());
                    EXPECT_TRUE(std::isinf(dialog) || dialog == 0.0) << piece;
                }
            }
        }
    }
    EXPECT_GT(numbers, 100);
}
