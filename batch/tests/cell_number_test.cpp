#include "batch/cell_number.h"

#include "ui/number_text.h"

#include <gtest/gtest.h>

#include <cstring>

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
        const CellNumber read = ReadCellNumber(c.cell);
        EXPECT_EQ(read.status, c.status) << c.cell;
        if (c.dialogText != nullptr) {
            const double dialog = TextToNumber(c.dialogText);
            EXPECT_EQ(std::memcmp(&read.value, &dialog, sizeof dialog), 0) << c.cell;
        }
    }
}
