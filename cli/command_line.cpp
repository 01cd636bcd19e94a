#include "cli/command_line.h"

#include "batch/cell_number.h"
#include "io/cell_space.h"
#include "batch/family_text.h"
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

const char* const kValueOptions[] = {"-o",        "--encoding", "--separator",    "--grade",
                                     "--min-leg", "--min-thickness", "--report",   "--project",
                                     "--method",  "--project-file",  "--lang",     "--header",
                                     "--family",  "--gusset",        "--catalogue",      "--number"};

// A size in millimetres, 0 or more.
bool ReadMillimetres(const std::string& value, double& mm) {
    const CellNumber number = ReadCellNumber(value);
    if (number.status != CellStatus::Number || number.value < 0.0) {
        return false;
    }
    mm = number.value;
    return true;
}

// zh or en, for --lang and --header.
bool ReadChinese(const std::string& value, bool& chinese) {
    const std::string name = LowerCase(value);
    chinese = name == "zh";
    return chinese || name == "en";
}

// Sets what `option` (one of kValueOptions) gives from its value; on a
// mistake returns it, else null.
std::optional<CommandLineMistake> TakeValue(const std::string& option, const std::string& value,
                                            CommandLine& line) {
    const auto mistake = [&](MessageId id) { return CommandLineMistake{id, value, ""}; };
    bool chinese = false;
    if (option == "--grade") {
        SteelGrade& grade = line.design.grade;
        if (TrimCellSpace(value).empty() || !ReadGrade(value, grade, grade)) {
            return mistake(MessageId::GradeTakes);
        }
    } else if (option == "--method") {
        DesignMethod& method = line.design.method;
        if (TrimCellSpace(value).empty() || !ReadMethod(value, method, method)) {
            return mistake(MessageId::MethodTakes);
        }
    } else if (option == "--family") {
        SectionFamilyId& family = line.design.family;
        if (TrimCellSpace(value).empty() || !ReadFamily(value, family, family)) {
            return mistake(MessageId::FamilyTakes);
        }
    } else if (option == "--gusset") {
        if (!ReadMillimetres(value, line.design.gusset_mm)) {
            return CommandLineMistake{MessageId::MillimetresTake, option, value};
        }
    } else if (option == "--min-leg" || option == "--min-thickness") {
        MinimumSize& minimum = line.design.minimum;
        if (!ReadMillimetres(value, option == "--min-leg" ? minimum.leg_mm : minimum.thickness_mm)) {
            return CommandLineMistake{MessageId::MillimetresTake, option, value};
        }
    } else if (option == "-o" || option == "--report" || option == "--project-file" || option == "--catalogue") {
        if (value.empty()) {
            return CommandLineMistake{MessageId::OptionEmptyName, option, ""};
        }
        if (option == "--report" && value == "-") {
            // Standard output carries the CSV; a sheet mixed into it would be neither.
            return mistake(MessageId::ReportToStandardOutput);
        }
        std::string& report = line.reportPaths[static_cast<int>(FormatOfSheet(value))];
        if (option == "--report" && !report.empty()) {
            return mistake(MessageId::ReportTwice);
        }
        std::string& path = option == "-o"          ? line.outputPath
                            : option == "--report"    ? report
                            : option == "--catalogue" ? line.cataloguePath
                                                      : line.projectFile;
        path = option == "-o" && value == "-" ? std::string() : value;  // -o -: standard output
    } else if (option == "--project") {
        line.project = value;
    } else if (option == "--number") {
        line.number = value;
    } else if (option == "--lang") {
        if (!ReadChinese(value, chinese)) {
            return mistake(MessageId::LanguageTakes);
        }
        line.language = chinese ? Language::Chinese : Language::English;
    } else if (option == "--header") {
        if (!ReadChinese(value, chinese)) {
            return mistake(MessageId::HeaderTakes);
        }
        line.heading = chinese ? ColumnHeading::Chinese : ColumnHeading::Names;
    } else if (option == "--encoding") {
        const std::string name = LowerCase(value);
        if (name == "utf-8" || name == "utf8") {
            line.encoding = EncodingChoice::Utf8;
        } else if (name == "gbk" || name == "cp936") {
            line.encoding = EncodingChoice::Gbk;
        } else if (name == "utf-16" || name == "utf16") {
            line.encoding = EncodingChoice::Utf16;
        } else {
            return mistake(MessageId::EncodingTakes);
        }
    } else if (value == "," || value == ";") {
        line.separator = value[0];
    } else if (LowerCase(value) == "tab" || value == "\t") {
        line.separator = '\t';
    } else {
        return mistake(MessageId::SeparatorTakes);
    }
    return std::nullopt;
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
                      CommandLineMistake& mistake) {
    line = CommandLine();
    bool failed = false;
    const auto fail = [&](const CommandLineMistake& found) {
        if (!failed) {
            mistake = found;
            failed = true;
        }
    };
    bool optionsEnded = false;
    bool inputNamed = false;
    bool projectNamed = false;
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
                fail({MessageId::NeedsValue, option, ""});
                break;
            }
            const std::string value = attached ? argument.substr(option.size() + 1) : arguments[++k];
            projectNamed = projectNamed || option == "--project";
            if (const auto wrong = TakeValue(option, value, line)) {
                fail(*wrong);
            }
        } else if (isOption) {
            fail({MessageId::UnknownOption, argument, ""});
        } else if (inputNamed) {
            fail({MessageId::SecondInput, argument, ""});
        } else if (argument.empty()) {
            fail({MessageId::EmptyName, "", ""});
        } else {
            inputNamed = true;
            line.path = (argument == "-" && !optionsEnded) ? std::string() : argument;
        }
    }
    if (line.sections && (inputNamed || AnySheet(line) || !line.cataloguePath.empty())) {
        fail({MessageId::SectionsReadNoInput, "", ""});
    }
    if (projectNamed && !line.projectFile.empty()) {
        fail({MessageId::ProjectTwice, "", ""});
    }
    return !failed;
}
