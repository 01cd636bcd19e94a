// Where checked bays go besides the CSV rows: the calc sheet. The checker
// knows only this, so it writes no report format itself.
#ifndef BRACING_BATCH_BAY_SINK_H
#define BRACING_BATCH_BAY_SINK_H

#include "batch/checked_row.h"

#include <string_view>

class BaySink {
public:
    virtual ~BaySink() = default;
    // Once, after a usable header: whether the bays name sections.
    virtual void Begin(bool designCheck) = 0;
    // Every row written, refused ones included.
    virtual void Add(const CheckedRow& bay) = 0;
    // Input lines that made no row, with the reason standard error gives.
    virtual void LeaveOut(long fromLine, long toLine, std::string_view reason) = 0;
    // After the last row. False when any write failed.
    virtual bool Finish() = 0;
    // The errno of the first failure.
    virtual int ErrorNumber() const = 0;
};

#endif
