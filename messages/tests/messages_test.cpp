// The words are pinned by the whole runs (report/csv/tests); here what they do not reach.
#include "messages/problem_text.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

TEST(Messages, WritesThatFailNameWhatIsIncomplete) {
    Problem problem;
    problem.text = TextProblem::CannotWrite;
    problem.errorNumber = EIO;
    const std::string error = std::strerror(EIO);
    EXPECT_EQ(ProblemText(problem), "cannot write: " + error + "; the output is incomplete");
    problem.file = ProblemFile::Sheet;
    EXPECT_EQ(ProblemText(problem), "cannot write: " + error + "; the sheet is incomplete");
}
