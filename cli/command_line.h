// bracing-check [options] [FILE | -]; see the help (MessageId::Help).
#ifndef BRACING_CLI_COMMAND_LINE_H
#define BRACING_CLI_COMMAND_LINE_H

#include "batch/check_bays.h"
#include "batch/output_columns.h"
#include "io/input_decoder.h"
#include "messages/messages.h"

#include <optional>
#include <string>
#include <vector>

// The calc sheet's formats, by the --report file's extension: .docx is
// Word's; any other, .html among them, HTML.
enum class SheetFormat { Html, Word };
constexpr int kSheetFormatCount = 2;

SheetFormat FormatOfSheet(const std::string& path);

struct CommandLine {
    bool help = false;
    bool sections = false;    // --sections: write the section list, read no input
    ByteOrderMarkChoice byteOrderMark = ByteOrderMarkChoice::LikeInput;
    EncodingChoice encoding = EncodingChoice::Detect;
    char separator = 0;       // 0: commas, unless the header is split otherwise
    std::string path;         // empty: standard input
    std::string outputPath;   // empty: standard output (also -o -)
    // --report, once for each format: the calc sheet; empty: none
    std::string reportPaths[kSheetFormatCount];
    std::string project;      // --project: the project the sheet names
    std::string number;       // --number: the project's number on the sheet
    std::string cataloguePath;  // --catalogue: the sizes sizing may choose; empty: built-in
    std::string projectFile;  // --project-file: the file whose first line names it
    std::optional<Language> language;  // --lang; none: the system's
    ColumnHeading heading = ColumnHeading::Names;  // --header
    // --grade, --min-leg, --min-thickness, --method, --heavy-cranes,
    // --strict-slenderness, --family, --gusset
    DesignDefaults design;
};

// A mistake on the command line, as its message and the texts it names.
struct CommandLineMistake {
    MessageId id = MessageId::UnknownOption;
    std::string first;
    std::string second;
};

// Whether any --report was given.
bool AnySheet(const CommandLine& line);

// Reads the arguments that follow the program name. On a mistake returns
// false with the first one in `mistake`; the rest is still read, so that
// --lang decides the words wherever it stands.
bool ParseCommandLine(const std::vector<std::string>& arguments, CommandLine& line,
                      CommandLineMistake& mistake);

#endif
