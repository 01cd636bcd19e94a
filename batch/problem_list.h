// Problems go to their own output, each naming the input and its line.
// Those about single rows are listed while there are few: a file with a
// wrong header length would otherwise repeat the same complaint for every
// row. The checker counts them all for its summary.
#ifndef BRACING_BATCH_PROBLEM_LIST_H
#define BRACING_BATCH_PROBLEM_LIST_H

#include "io/text_output.h"

#include <string>

class ProblemList {
public:
    ProblemList(const std::string& inputName, TextOutput& out) : inputName_(inputName), out_(out) {}

    // A problem at `line` of the input, always said.
    void At(long line, const std::string& text);
    // A problem with one row (or line), listed while there are few.
    void Row(long line, const std::string& text);
    // A line of its own, always said.
    void Say(const std::string& text);

private:
    const std::string& inputName_;
    TextOutput& out_;
    long rows_ = 0;
};

#endif
