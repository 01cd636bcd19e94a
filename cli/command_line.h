// bracing-check [--bom] [FILE | -], --help.
#ifndef BRACING_CLI_COMMAND_LINE_H
#define BRACING_CLI_COMMAND_LINE_H

#include <string>
#include <vector>

struct CommandLine {
    bool help = false;
    bool byteOrderMark = false;
    std::string path;  // empty: standard input
};

// Reads the arguments that follow the program name. On a mistake returns
// false and says what is wrong in `error`.
bool ParseCommandLine(const std::vector<std::string>& arguments, CommandLine& line,
                      std::string& error);

#endif
