// Fuzzes the path a typed text takes: seven field texts to seven inputs,
// the calculation, and the fifteen result texts. Every step is checked
// against a reference built here from the C library alone, so a wrong
// digit or a cut-short text stops the run, not only a crash.
//
// The fuzz data is split at NUL bytes; the first seven pieces are the
// texts of the seven input fields, in dialog order. Every piece is also
// read as a number on its own, and each number is shown with 0 to 4
// decimals.
#include "calc/bracing.h"
#include "ui/input_fields.h"
#include "ui/number_text.h"
#include "ui/result_rows.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

[[noreturn]] void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "MISMATCH: %s\n  %s\n", what, detail.c_str());
    std::abort();
}

// Printable form of a (possibly long, possibly binary) text for reports.
std::string Quoted(const std::string& text) {
    std::string out = "\"";
    const std::size_t shown = text.size() < 120 ? text.size() : 120;
    for (std::size_t k = 0; k < shown; ++k) {
        const unsigned char c = static_cast<unsigned char>(text[k]);
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            out += escaped;
        }
    }
    out += "\"";
    if (shown < text.size()) {
        out += "... (" + std::to_string(text.size()) + " bytes)";
    }
    return out;
}

std::string Hex(double x) {
    char text[64];
    std::snprintf(text, sizeof text, "%a", x);
    return text;
}

bool SameBits(double a, double b) {
    std::uint64_t bitsA = 0;
    std::uint64_t bitsB = 0;
    std::memcpy(&bitsA, &a, sizeof a);
    std::memcpy(&bitsB, &b, sizeof b);
    return bitsA == bitsB;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

// The accepted number, scanned step by step: blanks, [sign], digits,
// [point digits], [e [sign] digits]. No digit before the exponent: zero.
double ReferenceNumber(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at])) {
        ++at;
    }
    const std::size_t start = at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        ++at;
    }
    std::size_t digits = 0;
    while (at < text.size() && IsDecimalDigit(text[at])) {
        ++at;
        ++digits;
    }
    if (at < text.size() && text[at] == '.') {
        ++at;
        while (at < text.size() && IsDecimalDigit(text[at])) {
            ++at;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0.0;
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t exponent = at + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        if (exponent < text.size() && IsDecimalDigit(text[exponent])) {
            while (exponent < text.size() && IsDecimalDigit(text[exponent])) {
                ++exponent;
            }
            at = exponent;
        }
    }
    // Only the prefix goes to strtod, so whatever follows cannot change it.
    const std::string prefix = text.substr(start, at - start);
    char* end = nullptr;
    const double value = std::strtod(prefix.c_str(), &end);
    if (end != prefix.c_str() + prefix.size()) {
        Fail("strtod did not read the whole accepted prefix", Quoted(prefix));
    }
    return value;
}

double CheckedNumber(const std::string& text) {
    const double expected = ReferenceNumber(text);
    const double actual = TextToNumber(text.c_str());
    if (std::isnan(actual)) {
        Fail("a text read as NaN", Quoted(text));
    }
    if (!SameBits(actual, expected)) {
        Fail("text to number", Quoted(text) + " gave " + Hex(actual) + ", expected " + Hex(expected));
    }
    return actual;
}

// The text for `value`, printed into a buffer far larger than any result.
std::string ReferenceText(double value, int decimals) {
    char text[1024];
    int length = 0;
    if (std::isnan(value)) {
        length = std::snprintf(text, sizeof text, "%6s", "nan");
    } else if (std::isinf(value)) {
        length = std::snprintf(text, sizeof text, "%6s", value < 0 ? "-inf" : "inf");
    } else {
        length = std::snprintf(text, sizeof text, "%6.*f", decimals, value);
    }
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof text) {
        Fail("reference buffer too small", Hex(value));
    }
    return std::string(text, static_cast<std::size_t>(length));
}

void CheckText(const ResultText& shown, double value, int decimals, const char* what) {
    const void* end = std::memchr(shown.chars, '\0', sizeof shown.chars);
    if (end == nullptr) {
        Fail("result text not terminated", std::string(what) + " " + Hex(value));
    }
    const std::string expected = ReferenceText(value, decimals);
    if (expected.size() >= kResultTextSize) {
        Fail("result text does not fit its buffer", std::string(what) + " " + Hex(value));
    }
    if (expected != shown.chars) {
        Fail("number to text", std::string(what) + " " + Hex(value) + " with " +
                                   std::to_string(decimals) + " decimals shows " +
                                   Quoted(shown.chars) + ", expected " + Quoted(expected));
    }
}

std::vector<std::string> SplitAtNul(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> pieces(1);
    for (std::size_t k = 0; k < size; ++k) {
        if (data[k] == 0) {
            pieces.emplace_back();
        } else {
            pieces.back() += static_cast<char>(data[k]);
        }
    }
    return pieces;
}

void CheckCalculation(const BracingInputs& in) {
    BracingResults out;
    std::memset(&out, 0x5a, sizeof out);
    BracingResults untouched;
    std::memcpy(&untouched, &out, sizeof out);

    const bool accepted = ComputeBracing(in, out);
    const bool expectAccepted = !(in.H <= 0.0 || in.B <= 0.0 || in.n <= 0.0);
    if (accepted != expectAccepted) {
        Fail("accepted the wrong bay", "H " + Hex(in.H) + " B " + Hex(in.B) + " n " + Hex(in.n));
    }
    if (!accepted) {
        if (std::memcmp(&out, &untouched, sizeof out) != 0) {
            Fail("a rejected calculation changed the results", "H " + Hex(in.H));
        }
        return;
    }
    for (const ResultRow& row : kResultRows) {
        if (row.decimals < 0 || row.decimals > kMaxResultDecimals) {
            Fail("row decimals out of range", row.symbol);
        }
        CheckText(FormatResultRow(row, out), out.*(row.value), row.decimals, row.symbol);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> pieces = SplitAtNul(data, size);

    BracingInputs in;
    for (std::size_t k = 0; k < static_cast<std::size_t>(kInputFieldCount); ++k) {
        const InputField& field = kInputFields[k];
        const std::string text = k < pieces.size() ? pieces[k] : std::string();
        const double expected = CheckedNumber(text);
        if (!StoreFieldText(in, field.id, text.c_str())) {
            Fail("input field not found", field.symbol);
        }
        if (!SameBits(in.*(field.value), expected)) {
            Fail("field stored another number", std::string(field.symbol) + " " + Quoted(text));
        }
    }
    for (std::size_t k = static_cast<std::size_t>(kInputFieldCount); k < pieces.size(); ++k) {
        CheckedNumber(pieces[k]);
    }

    // Every typed number straight to text too: reaches the extremes
    // (-1.7976931348623157e308, subnormals, -0) that a calculation rarely
    // produces.
    const double typed[] = {in.H, in.B, in.n, in.T, in.W, in.A, in.i};
    for (double value : typed) {
        for (int decimals = 0; decimals <= kMaxResultDecimals; ++decimals) {
            CheckText(FormatResult(value, decimals), value, decimals, "typed");
        }
    }

    CheckCalculation(in);
    return 0;
}
