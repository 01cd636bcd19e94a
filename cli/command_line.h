// bracing-check [options] [FILE | -]; see help_text.cpp.
#ifndef BRACING_CLI_COMMAND_LINE_H
#define BRACING_CLI_COMMAND_LINE_H

#include "batch/check_bays.h"
#include "io/input_decoder.h"

#include <string>
#include <vector>

struct CommandLine {
    bool help = false;
    bool sections = false;    // --sections: write the section list, read no input
    ByteOrderMarkChoice byteOrderMark = ByteOrderMarkChoice::LikeInput;
    EncodingChoice encoding = EncodingChoice::Detect;
    char separator = 0;       // 0: commas, unless the header is split otherwise
    std::string path;         // empty: standard input
    std::string outputPath;   // empty: standard output (also -o -)
    std::string reportPath;   // --report: the calc sheet; empty: none
    std::string project;      // --project: the project the sheet names
    std::string cataloguePath;  // --catalogue: the sizes sizing may choose; empty: built-in
    // --grade, --min-leg, --min-thickness, --method, --heavy-cranes,
    // --strict-slenderness, --family, --gusset
    DesignDefaults design;
};

// Reads the arguments that follow the program name. On a mistake returns
// false and says what is wrong in `error`.
bool ParseCommandLine(const std::vector<std::string>& arguments, CommandLine& line,
                      std::string& error);

#endif
