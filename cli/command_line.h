// bracing-check [options] [FILE | -]; see help_text.cpp.
#ifndef BRACING_CLI_COMMAND_LINE_H
#define BRACING_CLI_COMMAND_LINE_H

#include "batch/check_bays.h"
#include "io/input_decoder.h"

#include <string>
#include <vector>

// The calc sheet's formats, by the --report file's extension: .docx is
// Word's; any other, .html among them, HTML.
enum class SheetFormat { Html, Word };
constexpr int kSheetFormatCount = 2;

SheetFormat FormatOfSheet(const std::string& path);

struct CommandLine {
    bool help = false;
    bool sections = false;    // --sections: write the angle table, read no input
    ByteOrderMarkChoice byteOrderMark = ByteOrderMarkChoice::LikeInput;
    EncodingChoice encoding = EncodingChoice::Detect;
    char separator = 0;       // 0: commas, unless the header is split otherwise
    std::string path;         // empty: standard input
    std::string outputPath;   // empty: standard output (also -o -)
    // --report, once for each format: the calc sheet; empty: none
    std::string reportPaths[kSheetFormatCount];
    std::string project;      // --project: the project the sheet names
    // --grade, --min-leg, --min-thickness, --method, --heavy-cranes,
    // --strict-slenderness
    DesignDefaults design;
};

bool AnySheet(const CommandLine& line);

// Reads the arguments that follow the program name. On a mistake returns
// false and says what is wrong in `error`.
bool ParseCommandLine(const std::vector<std::string>& arguments, CommandLine& line,
                      std::string& error);

#endif
