#include "cli/command_line.h"
#include "cli/run_language.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The mistake in the words a user reads, in English.
std::string Words(const CommandLineMistake& mistake) {
    return MessageText(Language::English, mistake.id, {mistake.first, mistake.second});
}

}  // namespace

TEST(CommandLine, InputOptionsAndMistakes) {
    const ByteOrderMarkChoice like = ByteOrderMarkChoice::LikeInput;
    const EncodingChoice detect = EncodingChoice::Detect;
    struct Case {
        std::vector<std::string> arguments;
        std::string path;   // empty: standard input
        std::string outputPath;
        ByteOrderMarkChoice byteOrderMark;
        EncodingChoice encoding;
        char separator;
        bool help;
    };
    const Case cases[] = {
        {{}, "", "", like, detect, 0, false},
        {{"-"}, "", "", like, detect, 0, false},
        {{"-h"}, "", "", like, detect, 0, true},
        {{"bays.csv", "--help"}, "bays.csv", "", like, detect, 0, true},
        {{"bays.csv", "--bom"}, "bays.csv", "", ByteOrderMarkChoice::Always, detect, 0, false},
        {{"--no-bom", "-o", "out.csv"}, "", "out.csv", ByteOrderMarkChoice::Never, detect, 0, false},
        {{"--encoding", "GBK", "--separator", "tab"}, "", "", like, EncodingChoice::Gbk, '\t', false},
        {{"--encoding=utf-16", "--separator=;"}, "", "", like, EncodingChoice::Utf16, ';', false},
        {{"--encoding=utf8", "--separator", ","}, "", "", like, EncodingChoice::Utf8, ',', false},
        {{"--", "-"}, "-", "", like, detect, 0, false},  // a file named -
        {{"--", "--bom"}, "--bom", "", like, detect, 0, false},
    };
    for (const Case& c : cases) {
        CommandLine line;
        CommandLineMistake mistake;
        const std::string what = c.arguments.empty() ? "(none)" : c.arguments[0];
        ASSERT_TRUE(ParseCommandLine(c.arguments, line, mistake)) << what << ": " << Words(mistake);
        EXPECT_EQ(line.path, c.path) << what;
        EXPECT_EQ(line.outputPath, c.outputPath) << what;
        EXPECT_EQ(line.byteOrderMark, c.byteOrderMark) << what;
        EXPECT_EQ(line.encoding, c.encoding) << what;
        EXPECT_EQ(line.separator, c.separator) << what;
        EXPECT_EQ(line.help, c.help) << what;
    }
    const struct {
        std::vector<std::string> arguments;
        std::string error;
    } mistakes[] = {
        {{"--bmo"}, "unknown option --bmo"},
        {{"-o"}, "-o needs a value"},
        {{"-o", ""}, "-o: an empty file name"},
        {{"--report", "-"}, "--report -: the calc sheet is written to a file; name one"},
        {{"--report", "a.html", "--report", "b.txt"},
         "--report: one HTML sheet and one Word sheet (.docx) at most, and b.txt is a second"},
        {{"--report=a.docx", "--report", "b.DOCX"},
         "--report: one HTML sheet and one Word sheet (.docx) at most, and b.DOCX is a second"},
        {{"--encoding", "latin1"}, "--encoding takes utf-8, gbk or utf-16, not latin1"},
        {{"--separator", "|"}, "--separator takes , or ; or tab, not |"},
        {{"a.csv", "b.csv"}, "one input at most, and b.csv is a second"},
        {{""}, "an empty file name"},
        {{"--lang", "fr"}, "--lang takes zh or en, not fr"},
        {{"--header=chinese"}, "--header takes zh or en, not chinese"},
        {{"--project-file", ""}, "--project-file: an empty file name"},
        {{"--project", "", "--project-file", "project.txt"}, "--project and --project-file cannot go together"},
        {{"--bmo", "a.csv", "b.csv"}, "unknown option --bmo"},  // the first mistake is the one said
    };
    for (const auto& m : mistakes) {
        CommandLine line;
        CommandLineMistake mistake;
        EXPECT_FALSE(ParseCommandLine(m.arguments, line, mistake)) << m.error;
        EXPECT_EQ(Words(mistake), m.error);
    }
}

TEST(CommandLine, LanguageHeadingAndProjectFile) {
    // --lang decides the words of a mistake, wherever it stands.
    const struct {
        std::vector<std::string> arguments;
        std::optional<Language> language;
        ColumnHeading heading;
        std::string projectFile;
    } cases[] = {
        {{}, std::nullopt, ColumnHeading::Names, ""},
        {{"--lang", "ZH", "--header=zh"}, Language::Chinese, ColumnHeading::Chinese, ""},
        {{"--header", "en", "--lang=en", "--project-file", "工程.txt"}, Language::English, ColumnHeading::Names,
         "工程.txt"},
        {{"--bmo", "--lang", "zh"}, Language::Chinese, ColumnHeading::Names, ""},
    };
    for (const auto& c : cases) {
        CommandLine line;
        CommandLineMistake mistake;
        ParseCommandLine(c.arguments, line, mistake);
        EXPECT_EQ(line.language, c.language);
        EXPECT_EQ(line.heading, c.heading);
        EXPECT_EQ(line.projectFile, c.projectFile);
    }
}

TEST(CommandLine, TheSheetsFormatIsItsExtension) {
    // Word only for .docx; any other name keeps the HTML sheet it always had.
    const struct {
        std::vector<std::string> arguments;
        std::string html, word;
    } cases[] = {
        {{"--report", "sheet.html"}, "sheet.html", ""},
        {{"--report", "sheet.txt"}, "sheet.txt", ""},
        {{"--report", ".docx"}, ".docx", ""},  // a name with no extension
        {{"--report", "计算书.DOCX"}, "", "计算书.DOCX"},
        {{"--report", "a.docx", "--report=a.htm"}, "a.htm", "a.docx"},
    };
    for (const auto& c : cases) {
        CommandLine line;
        CommandLineMistake mistake;
        ASSERT_TRUE(ParseCommandLine(c.arguments, line, mistake)) << static_cast<int>(mistake.id);
        EXPECT_EQ(line.reportPaths[static_cast<int>(SheetFormat::Html)], c.html) << c.arguments[1];
        EXPECT_EQ(line.reportPaths[static_cast<int>(SheetFormat::Word)], c.word) << c.arguments[1];
    }
}

TEST(CommandLine, DesignOptions) {
    struct Case {
        std::vector<std::string> arguments;
        bool sections;
        SteelGrade grade;
        double leg_mm;
        double thickness_mm;
    } const cases[] = {
        {{}, false, SteelGrade::Q235, 45, 4},
        {{"--sections", "-o", "angles.csv"}, true, SteelGrade::Q235, 45, 4},
        {{"--grade", "q355b", "--min-leg=63", "--min-thickness", "0"}, false, SteelGrade::Q355, 63, 0},
    };
    for (const Case& c : cases) {
        CommandLine line;
        CommandLineMistake mistake;
        ASSERT_TRUE(ParseCommandLine(c.arguments, line, mistake)) << Words(mistake);
        EXPECT_EQ(line.sections, c.sections);
        EXPECT_EQ(line.design.grade, c.grade);
        EXPECT_EQ(line.design.minimum.leg_mm, c.leg_mm);
        EXPECT_EQ(line.design.minimum.thickness_mm, c.thickness_mm);
    }
    const struct {
        std::vector<std::string> arguments;
        std::string error;
    } mistakes[] = {
        {{"--grade", "Q390"}, "--grade takes Q235, Q345 or Q355, not Q390"},
        {{"--grade", " "}, "--grade takes Q235, Q345 or Q355, not  "},
        {{"--min-leg", "-1"}, "--min-leg takes millimetres, 0 or more, not -1"},
        {{"--min-thickness=4mm"}, "--min-thickness takes millimetres, 0 or more, not 4mm"},
        {{"--sections", "bays.csv"}, "--sections writes the section list and reads no input"},
    };
    for (const auto& m : mistakes) {
        CommandLine line;
        CommandLineMistake mistake;
        EXPECT_FALSE(ParseCommandLine(m.arguments, line, mistake)) << m.error;
        EXPECT_EQ(Words(mistake), m.error);
    }
}

TEST(CommandLine, TheSystemsLanguageWithoutLang) {
    // The first of LC_ALL, LC_MESSAGES and LANG that is set and not empty.
    const struct {
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        Language language;
    } cases[] = {
        {nullptr, nullptr, nullptr, Language::English},
        {nullptr, nullptr, "zh_CN.UTF-8", Language::Chinese},
        {"", "", "zh_TW.Big5", Language::Chinese},    // empty is unset
        {"C", nullptr, "zh_CN.UTF-8", Language::English},  // LC_ALL first
        {nullptr, "zh_CN.GBK", "en_US.UTF-8", Language::Chinese},
        {"POSIX", nullptr, nullptr, Language::English},
        {"en_US.UTF-8", "zh_CN.UTF-8", nullptr, Language::English},
        {"zh", nullptr, nullptr, Language::Chinese},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LanguageOfLocale(c.lcAll, c.lcMessages, c.lang), c.language)
            << (c.lcAll ? c.lcAll : "-") << " " << (c.lcMessages ? c.lcMessages : "-") << " " << (c.lang ? c.lang : "-");
    }
}
