// The words are pinned by the whole runs (report/csv/tests); here what they do not reach.
#include "messages/problem_text.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace {

// The {k} a text puts data in, as a set of bits.
unsigned Fields(std::string_view text) {
    unsigned fields = 0;
    for (std::size_t k = 0; k + 2 < text.size(); ++k) {
        if (text[k] == '{' && text[k + 2] == '}' && text[k + 1] >= '0' && text[k + 1] <= '9') {
            fields |= 1u << (text[k + 1] - '0');
        }
    }
    return fields;
}

}  // namespace

TEST(Messages, EveryLanguageSaysTheSameData) {
    // A translation that drops {1} would drop the cell it names.
    for (int id = 0; id < kMessageCount; ++id) {
        const char* english = MessageTable(Language::English)[id].text;
        EXPECT_EQ(Fields(MessageTable(Language::Chinese)[id].text), Fields(english)) << english;
    }
}

TEST(Messages, WritesThatFailNameWhatIsIncomplete) {
    Problem problem;
    problem.text = TextProblem::CannotWrite;
    problem.errorNumber = EIO;
    const std::string error = std::strerror(EIO);
    EXPECT_EQ(ProblemText(problem), "cannot write: " + error + "; the output is incomplete");
    EXPECT_EQ(ProblemText(problem, Language::Chinese), "无法写入：" + error + "；输出不完整");
    problem.file = ProblemFile::Sheet;
    EXPECT_EQ(ProblemText(problem), "cannot write: " + error + "; the sheet is incomplete");
}
