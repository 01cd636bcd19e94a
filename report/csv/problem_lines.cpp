#include "report/csv/problem_lines.h"

#include "messages/problem_text.h"

void ProblemLines::Say(const Problem& problem) {
    const std::string* names[] = {&names_.input, &names_.output, &names_.sheet};
    std::string& line = out_.Line();
    line += *names[static_cast<int>(problem.file)];
    // A range of lines left out names its first.
    if (problem.line > 0) {
        line += ":" + std::to_string(problem.line);
    }
    line += ": ";
    AppendProblemText(line, problem, language_);
    out_.EndLine();
    out_.Flush();  // at once, between the rows around it
}
