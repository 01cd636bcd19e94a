#include "command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(CommandLine, InputOptionsAndMistakes) {
    struct Case {
        std::vector<std::string> arguments;
        bool ok;
        std::string path;  // empty: standard input
        bool byteOrderMark;
        std::string error;
    };
    const Case cases[] = {
        {{}, true, "", false, ""},
        {{"-"}, true, "", false, ""},
        {{"bays.csv", "--bom"}, true, "bays.csv", true, ""},
        {{"--", "-"}, true, "-", false, ""},  // a file named -
        {{"--", "--bom"}, true, "--bom", false, ""},
        {{"--bmo"}, false, "", false, "unknown option --bmo"},
        {{"a.csv", "b.csv"}, false, "", false, "one input at most, and b.csv is a second"},
        {{""}, false, "", false, "an empty file name"},
    };
    for (const Case& c : cases) {
        CommandLine line;
        std::string error;
        const bool ok = ParseCommandLine(c.arguments, line, error);
        const std::string what = c.arguments.empty() ? "(none)" : c.arguments[0];
        EXPECT_EQ(ok, c.ok) << what;
        EXPECT_EQ(error, c.error) << what;
        if (ok) {
            EXPECT_EQ(line.path, c.path) << what;
            EXPECT_EQ(line.byteOrderMark, c.byteOrderMark) << what;
        }
    }
}
