#include "cli/command_line.h"

#include "batch/cell_number.h"
#include "io/cell_space.h"
#include "batch/grade_text.h"
#include "batch/method_text.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace {

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    return text;
}

const char* const kValueOptions[] = {"-o",        "--encoding", "--separator",
                                     "--grade",   "--min-leg",  "--min-thickness",
                                     "--report",  "--project",  "--method"};

// A size in millimetres, 0 or more; `error` says when it is not.
void ReadMillimetres(const std::string& option, const std::string& value, double& mm,
                     std::string& error) {
    const CellNumber number = ReadCellNumber(value);
    if (number.status != CellStatus::Number || number.value < 0.0) {
        error = option + " takes millimetres, 0 or more, not " + value;
    } else {
        mm = number.value;
    }
}

// Sets what `option` (one of kValueOptions) gives from its value.
bool TakeValue(const std::string& option, const std::string& value, CommandLine& line,
               std::string& error) {
    if (option == "--grade") {
        SteelGrade& grade = line.design.grade;
        if (TrimCellSpace(value).empty() || !ReadGrade(value, grade, grade)) {
            error = "--grade takes Q235, Q345 or Q355, not " + value;
        }
    } else if (option == "--method") {
        DesignMethod& method = line.design.method;
        if (TrimCellSpace(value).empty() || !ReadMethod(value, method, method)) {
            error = "--method takes tension, compression or auto, not " + value;
        }
    } else if (option == "--min-leg") {
        ReadMillimetres(option, value, line.design.minimum.leg_mm, error);
    } else if (option == "--min-thickness") {
        ReadMillimetres(option, value, line.design.minimum.thickness_mm, error);
    } else if (option == "-o") {
        line.outputPath = value == "-" ? std::string() : value;  // -o -: standard output
        if (value.empty()) {
            error = "-o: an empty file name";
        }
    } else if (option == "--report") {
        std::string& path = line.reportPaths[static_cast<int>(FormatOfSheet(value))];
        if (!path.empty()) {
            error = "--report: one HTML sheet and one Word sheet (.docx) at most, and " + value + " is a second";
        }
        path = value;
        if (value.empty()) {
            error = "--report: an empty file name";
        } else if (value == "-") {
            // Standard output carries the CSV; a sheet mixed into it would be neither.
            error = "--report -: the calc sheet is written to a file; name one";
        }
    } else if (option == "--project") {
        line.project = value;
    } else if (option == "--encoding") {
        const std::string name = LowerCase(value);
        if (name == "utf-8" || name == "utf8") {
            line.encoding = EncodingChoice::Utf8;
        } else if (name == "gbk" || name == "cp936") {
            line.encoding = EncodingChoice::Gbk;
        } else if (name == "utf-16" || name == "utf16") {
            line.encoding = EncodingChoice::Utf16;
        } else {
            error = "--encoding takes utf-8, gbk or utf-16, not " + value;
        }
    } else if (value == "," || value == ";") {
        line.separator = value[0];
    } else if (LowerCase(value) == "tab" || value == "\t") {
        line.separator = '\t';
    } else {
        error = "--separator takes , or ; or tab, not " + value;
    }
    return error.empty();
}

}  // namespace

SheetFormat FormatOfSheet(const std::string& path) {
    const std::string docx = ".docx";
    const bool word = path.size() > docx.size() && LowerCase(path.substr(path.size() - docx.size())) == docx;
    return word ? SheetFormat::Word : SheetFormat::Html;
}

bool AnySheet(const CommandLine& line) {
    return std::any_of(std::begin(line.reportPaths), std::end(line.reportPaths),
                       [](const std::string& path) { return !path.empty(); });
}

bool ParseCommandLine(const std::vector<std::string>& arguments, CommandLine& line,
                      std::string& error) {
    line = CommandLine();
    bool optionsEnded = false;
    bool inputNamed = false;
    for (std::size_t k = 0; k < arguments.size(); ++k) {
        const std::string& argument = arguments[k];
        const bool isOption = !optionsEnded && argument.size() > 1 && argument[0] == '-';
        const std::string option = argument.substr(0, argument.find('='));
        const bool takesValue = std::find(std::begin(kValueOptions), std::end(kValueOptions), option) !=
                                std::end(kValueOptions);
        if (isOption && argument == "--") {
            optionsEnded = true;
        } else if (isOption && (argument == "--help" || argument == "-h")) {
            line.help = true;
        } else if (isOption && argument == "--sections") {
            line.sections = true;
        } else if (isOption && argument == "--heavy-cranes") {
            line.design.heavyCranes = true;
        } else if (isOption && argument == "--strict-slenderness") {
            line.design.strictSlenderness = true;
        } else if (isOption && argument == "--bom") {
            line.byteOrderMark = ByteOrderMarkChoice::Always;
        } else if (isOption && argument == "--no-bom") {
            line.byteOrderMark = ByteOrderMarkChoice::Never;
        } else if (isOption && takesValue) {
            const bool attached = option.size() < argument.size();  // --encoding=gbk
            if (!attached && k + 1 == arguments.size()) {
                error = option + " needs a value";
                return false;
            }
            const std::string value = attached ? argument.substr(option.size() + 1) : arguments[++k];
            if (!TakeValue(option, value, line, error)) {
                return false;
            }
        } else if (isOption) {
            error = "unknown option " + argument;
            return false;
        } else if (inputNamed) {
            error = "one input at most, and " + argument + " is a second";
            return false;
        } else if (argument.empty()) {
            error = "an empty file name";
            return false;
        } else {
            inputNamed = true;
            line.path = (argument == "-" && !optionsEnded) ? std::string() : argument;
        }
    }
    if (line.sections && (inputNamed || AnySheet(line))) {
        error = "--sections writes the angle table and reads no input";
        return false;
    }
    return true;
}
