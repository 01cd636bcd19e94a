#include "batch/problem_list.h"

namespace {

constexpr long kListedRowProblems = 20;

}  // namespace

void ProblemList::Row(const Problem& problem) {
    ++rows_;
    if (rows_ <= kListedRowProblems) {
        sink_.Say(problem);
    } else if (rows_ == kListedRowProblems + 1) {
        Problem more;
        more.code = ProblemCode::MoreRowProblems;
        more.count = kListedRowProblems;
        sink_.Say(more);
    }
}
