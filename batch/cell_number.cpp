#include "batch/cell_number.h"

#include "io/cell_space.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <cmath>

namespace {

// Full-width forms U+FF01 to U+FF5E are ASCII 0x21 to 0x7E moved up by
// 0xFEE0; only those that can be part of a number are taken.
constexpr unsigned kFullWidthOffset = 0xFEE0;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsNumberCharacter(char c) {
    return IsDigit(c) || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E';
}

// The ASCII form of the full-width number character that `text` starts
// with (three bytes of UTF-8), or 0.
char AsciiOfFullWidth(std::string_view text) {
    if (text.size() < 3 || text[0] != '\xEF') {
        return 0;
    }
    const unsigned code = 0xF000u | (static_cast<unsigned char>(text[1]) & 0x3Fu) << 6 |
                          (static_cast<unsigned char>(text[2]) & 0x3Fu);
    if (code < 0xFF01 || code > 0xFF5E) {
        return 0;
    }
    const char ascii = static_cast<char>(code - kFullWidthOffset);
    return IsNumberCharacter(ascii) ? ascii : 0;
}

// The cell's characters in ASCII; false at a character no number holds.
bool ToAscii(std::string_view text, std::string& ascii) {
    while (!text.empty()) {
        if (IsNumberCharacter(text.front())) {
            ascii.push_back(text.front());
            text.remove_prefix(1);
            continue;
        }
        const char wide = AsciiOfFullWidth(text);
        if (wide == 0) {
            return false;
        }
        ascii.push_back(wide);
        text.remove_prefix(3);
    }
    return true;
}

void SkipSign(std::string_view text, std::size_t& p) {
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
        ++p;
    }
}

// Returns how many digits were passed over; sets `nonZero` at one not 0.
std::size_t SkipDigits(std::string_view text, std::size_t& p, bool& nonZero) {
    const std::size_t from = p;
    for (; p < text.size() && IsDigit(text[p]); ++p) {
        nonZero = nonZero || text[p] != '0';
    }
    return p - from;
}

// Sign, digits with an optional point, optional exponent, and nothing else.
// Sets `nonZero` when a digit before the exponent is not 0.
bool IsWhollyANumber(std::string_view text, bool& nonZero) {
    std::size_t p = 0;
    SkipSign(text, p);
    std::size_t digits = SkipDigits(text, p, nonZero);
    if (p < text.size() && text[p] == '.') {
        ++p;
        digits += SkipDigits(text, p, nonZero);
    }
    if (digits == 0) {
        return false;
    }
    if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
        ++p;
        SkipSign(text, p);
        bool exponentNonZero = false;
        if (SkipDigits(text, p, exponentNonZero) == 0) {
            return false;
        }
    }
    return p == text.size();
}

}  // namespace

CellNumber ReadCellNumber(std::string_view cell) {
    const std::string_view text = TrimCellSpace(cell);
    if (text.empty()) {
        return {CellStatus::Empty, 0.0};
    }
    // Copied only when it holds full-width forms.
    std::string ascii;
    std::string_view number = text;
    if (!std::all_of(text.begin(), text.end(), IsNumberCharacter)) {
        if (!ToAscii(text, ascii)) {
            return {CellStatus::NotANumber, 0.0};
        }
        number = ascii;
    }
    bool nonZero = false;
    if (!IsWhollyANumber(number, nonZero)) {
        return {CellStatus::NotANumber, 0.0};
    }
    // Wholly a number, so from_chars reads all of it, correctly rounded:
    // the double the dialog's strtod gives for the same text. It takes no
    // plus sign.
    if (number.front() == '+') {
        number.remove_prefix(1);
    }
    double value = 0.0;
    const std::from_chars_result read =
        std::from_chars(number.data(), number.data() + number.size(), value);
    // Past the largest double, or so small that it reads as zero.
    if (read.ec != std::errc() || !std::isfinite(value) || (value == 0.0 && nonZero)) {
        return {CellStatus::OutOfRange, 0.0};
    }
    return {CellStatus::Number, value};
}

void RefuseCell(RowRefusal& refusal, const char* column, std::string_view text, CellStatus status) {
    refusal.Add(status == CellStatus::Empty        ? RefusalCode::CellEmpty
                : status == CellStatus::OutOfRange ? RefusalCode::CellOutOfRange
                                                   : RefusalCode::CellNotANumber,
                column, text);
}
