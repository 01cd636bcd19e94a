#include "command_line.h"

#include <algorithm>
#include <cctype>

namespace {

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    return text;
}

// Sets what `option` (-o, --encoding or --separator) gives from its value.
bool TakeValue(const std::string& option, const std::string& value, CommandLine& line,
               std::string& error) {
    if (option == "-o") {
        line.outputPath = value;
        if (value.empty()) {
            error = "-o: an empty file name";
        }
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

bool ParseCommandLine(const std::vector<std::string>& arguments, CommandLine& line,
                      std::string& error) {
    line = CommandLine();
    bool optionsEnded = false;
    bool inputNamed = false;
    for (std::size_t k = 0; k < arguments.size(); ++k) {
        const std::string& argument = arguments[k];
        const bool isOption = !optionsEnded && argument.size() > 1 && argument[0] == '-';
        const std::string option = argument.substr(0, argument.find('='));
        const bool takesValue = option == "-o" || option == "--encoding" || option == "--separator";
        if (isOption && argument == "--") {
            optionsEnded = true;
        } else if (isOption && (argument == "--help" || argument == "-h")) {
            line.help = true;
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
    return true;
}
