// Problems as lines of text, each led by the file it is about and the
// line there ("bays.csv:3: ..."), said at once between the rows around it
// (standard error).
#ifndef BRACING_REPORT_CSV_PROBLEM_LINES_H
#define BRACING_REPORT_CSV_PROBLEM_LINES_H

#include "batch/problem.h"
#include "io/text_output.h"
#include "messages/messages.h"

#include <string>

struct ProblemFileNames {
    std::string input = "<stdin>";
    std::string output = "<stdout>";
    std::string sheet;
};

class ProblemLines : public ProblemSink {
public:
    ProblemLines(TextOutput& out, const ProblemFileNames& names, Language language = Language::English)
        : out_(out), names_(names), language_(language) {}

    void Say(const Problem& problem) override;

private:
    TextOutput& out_;
    const ProblemFileNames& names_;
    Language language_;
};

#endif
