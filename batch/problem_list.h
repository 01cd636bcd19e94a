// Problems go to their own sink, each naming the input and its line.
// Those about single rows are listed while there are few: a file with a
// wrong header length would otherwise repeat the same complaint for every
// row.
#ifndef BRACING_BATCH_PROBLEM_LIST_H
#define BRACING_BATCH_PROBLEM_LIST_H

#include "batch/problem.h"

class ProblemList {
public:
    explicit ProblemList(ProblemSink& sink) : sink_(sink) {}

    // Always said.
    void Say(const Problem& problem) { sink_.Say(problem); }
    // A problem with one row (or line), said while there are few.
    void Row(const Problem& problem);

private:
    ProblemSink& sink_;
    long rows_ = 0;
};

#endif
