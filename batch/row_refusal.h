// Why a row's inputs cannot be used. Each reader of a column adds its own
// reason; a refused row keeps its inputs, has empty results, names every
// reason in its error column, is listed on standard error, and makes the
// run end with status 1.
#ifndef BRACING_BATCH_ROW_REFUSAL_H
#define BRACING_BATCH_ROW_REFUSAL_H

#include <string>

class RowRefusal {
public:
    void Clear() { reasons_.clear(); }
    void Add(const std::string& reason) {
        if (!reasons_.empty()) {
            reasons_ += "; ";
        }
        reasons_ += reason;
    }
    bool Refused() const { return !reasons_.empty(); }
    // The reasons, one after the other.
    const std::string& Text() const { return reasons_; }

private:
    std::string reasons_;
};

#endif
