// Why a row's inputs cannot be used, as codes with their data; the words
// are the message layer's. Each reader of a column adds its own reason; a
// refused row keeps its inputs, has empty results, names every reason in
// its error column, is listed on standard error, and makes the run end
// with status 1.
#ifndef BRACING_BATCH_ROW_REFUSAL_H
#define BRACING_BATCH_ROW_REFUSAL_H

#include <string_view>

enum class RefusalCode : unsigned char {
    CellEmpty,              // column
    CellNotANumber,         // column, cell
    CellOutOfRange,         // column, cell
    LimitNotAboveZero,      // column, cell
    SectionNotStandard,     // cell: an equal angle the table lacks
    SectionUnequal,         // cell
    TubeWallTooThick,       // cell
    BarNotListed,           // cell
    SectionNotDesignation,  // cell
    FamilyUnknown,          // cell
    FamilyContradicts,      // cell: the family word beside a section of another
    GussetNegative,         // cell
    GradeUnknown,           // cell
    MethodUnknown,          // cell
    CranesUnknown,          // cell
    ResultOutOfRange,
    // The calculation's own answer to inputs it cannot take: no results,
    // but the row is not refused (the dialog says the same).
    Rejected,
};
constexpr int kRefusalCodeCount = static_cast<int>(RefusalCode::Rejected) + 1;

struct RefusalReason {
    RefusalCode code;
    const char* column;     // the column's symbol, e.g. "W"; null where none
    std::string_view cell;  // the cell as typed: a view into the row
};

class RowRefusal {
public:
    // Each of the seven inputs, section, grade, two limits, method, cranes,
    // family, gusset, one result.
    static constexpr int kMaxReasons = 16;

    void Clear() { count_ = 0; }
    void Add(RefusalCode code, const char* column = nullptr, std::string_view cell = std::string_view()) {
        if (count_ < kMaxReasons) {
            reasons_[count_++] = RefusalReason{code, column, cell};
        }
    }
    // Whether the row has no results: refused, or rejected by the calculation.
    bool Any() const { return count_ > 0; }
    // Whether its inputs are refused.
    bool Refused() const { return count_ > 0 && reasons_[0].code != RefusalCode::Rejected; }
    // The reasons in the order they were found.
    const RefusalReason* begin() const { return reasons_; }
    const RefusalReason* end() const { return reasons_ + count_; }

private:
    RefusalReason reasons_[kMaxReasons] = {};
    int count_ = 0;
};

#endif
