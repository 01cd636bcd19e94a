#include "messages/problem_text.h"
#include "messages/refusal_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(Messages, EveryRefusalInEnglish) {
    // Each code with its column and cell; the texts the error column and
    // standard error show, byte for byte.
    struct Case { RefusalCode code; const char* column; const char* cell; const char* text; } const cases[] = {
        {RefusalCode::CellEmpty, "H", " ", "H: empty (write 0 for none)"},
        {RefusalCode::CellNotANumber, "W", "1,000", "W: \"1,000\" is not a number"},
        {RefusalCode::CellOutOfRange, "T", "1e309", "T: \"1e309\" is out of range"},
        {RefusalCode::LimitNotAboveZero, "lambda_t", "0", "lambda_t: \"0\" is not above 0"},
        {RefusalCode::SectionNotStandard, "section", "L63x9", "section: \"L63x9\" is not a size of GB/T 706-2016"},
        {RefusalCode::SectionUnequal, "section", "L75x50x6",
         "section: \"L75x50x6\" is an unequal angle: only equal angles are checked"},
        {RefusalCode::SectionDouble, "section", "2L63x6",
         "section: \"2L63x6\" is a double angle: double angles are not supported yet"},
        {RefusalCode::SectionNotDesignation, "section", "HW100",
         "section: \"HW100\" is not an equal-angle designation such as L63x6"},
        {RefusalCode::GradeUnknown, "grade", "Q390",
         "grade: \"Q390\" is not a grade: Q235 (A to D), Q345 (A to E), Q355 (B to D), Q355N or Q355M (B to F)"},
        {RefusalCode::ResultOutOfRange, nullptr, "", "a result is out of range"},
        {RefusalCode::Rejected, nullptr, "", "参数不能为负数和零"},  // the dialog's words in every language
    };
    static_assert(sizeof cases / sizeof cases[0] == kRefusalCodeCount, "every code");
    RowRefusal all;
    std::string joined;
    for (const Case& c : cases) {
        RowRefusal one;
        one.Add(c.code, c.column, c.cell);
        EXPECT_EQ(RefusalText(one), c.text);
        all.Add(c.code, c.column, c.cell);
        joined += (joined.empty() ? "" : "; ") + std::string(c.text);
    }
    EXPECT_EQ(RefusalText(all), joined) << "all of a row's reasons, in the order found";
}

TEST(Messages, ErrorColumnOfABayCheckedThrough) {
    SheetDesign design;
    design.tension.sized = design.compression.sized = true;  // and no angle found for either
    SheetBay bay;
    bay.design = &design;
    std::string text;
    AppendErrorText(text, bay, Language::English);
    EXPECT_EQ(text, "no angle passes the tension design; no angle passes the compression design");
    bay.refusal.Add(RefusalCode::ResultOutOfRange);
    text.clear();
    AppendErrorText(text, bay, Language::English);
    EXPECT_EQ(text, "a result is out of range") << "a refusal says only why";
}

TEST(Messages, WritesThatFailNameWhatIsIncomplete) {
    Problem problem;
    problem.text = TextProblem::CannotWrite;
    problem.errorNumber = 0;
    const std::string error = std::strerror(0);
    EXPECT_EQ(ProblemText(problem), "cannot write: " + error + "; the output is incomplete");
    problem.file = ProblemFile::Sheet;
    EXPECT_EQ(ProblemText(problem), "cannot write: " + error + "; the sheet is incomplete");
}
