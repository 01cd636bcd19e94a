#include "batch/problem_list.h"

namespace {

constexpr long kListedRowProblems = 20;

}  // namespace

void ProblemList::At(long line, const std::string& text) {
    Say(inputName_ + ":" + std::to_string(line) + ": " + text);
}

void ProblemList::Row(long line, const std::string& text) {
    ++rows_;
    if (rows_ <= kListedRowProblems) {
        At(line, text);
    } else if (rows_ == kListedRowProblems + 1) {
        Say(inputName_ + ": more problems with rows; only the first " + std::to_string(kListedRowProblems) +
            " are listed");
    }
}

void ProblemList::Say(const std::string& text) {
    out_.Line() += text;
    out_.EndLine();
    out_.Flush();  // at once, between the rows around it
}
