// Where checked bays go: the CSV rows, the calc sheet. The checker knows
// only this, so it writes no output format and no words itself.
#ifndef BRACING_BATCH_BAY_SINK_H
#define BRACING_BATCH_BAY_SINK_H

#include "batch/problem.h"
#include "batch/checked_row.h"
#include "io/csv_reader.h"

#include "ui/result_rows.h"

#include <vector>

// What every row of a run holds, known once the header is read.
struct BayLayout {
    const CsvRecord* header = nullptr;          // as read
    const std::vector<bool>* dropped = nullptr;  // columns an earlier run wrote, not carried
    const ResultRow* const* results = nullptr;   // the dialog's results given
    int resultCount = 0;
    bool designCheck = false;  // the bays name sections
    bool byteOrderMark = false;
};

class BaySink {
public:
    virtual ~BaySink() = default;
    // Once, after a usable header. False when a write failed.
    virtual bool Begin(const BayLayout& layout) = 0;
    // Every row, refused ones included. False when a write failed.
    virtual bool Add(const CheckedRow& bay) = 0;
    // Input lines that made no row (line to toLine), with their reason.
    virtual void LeaveOut(const Problem& problem) = 0;
    // After the last row. False when any write failed.
    virtual bool Finish() = 0;
    // The errno of the first failure.
    virtual int ErrorNumber() const = 0;
};

#endif
