#include "command_line.h"

bool ParseCommandLine(const std::vector<std::string>& arguments, CommandLine& line,
                      std::string& error) {
    line = CommandLine();
    bool optionsEnded = false;
    bool inputNamed = false;
    for (const std::string& argument : arguments) {
        const bool isOption = !optionsEnded && argument.size() > 1 && argument[0] == '-';
        if (isOption && argument == "--") {
            optionsEnded = true;
        } else if (isOption && (argument == "--help" || argument == "-h")) {
            line.help = true;
        } else if (isOption && argument == "--bom") {
            line.byteOrderMark = true;
        } else if (isOption) {
            error = "unknown option " + argument;
            return false;
        } else if (inputNamed) {
            error = "one input at most, and " + argument + " is a second";
            return false;
        } else {
            inputNamed = true;
            line.path = (argument == "-" && !optionsEnded) ? std::string() : argument;
            if (argument.empty()) {
                error = "an empty file name";
                return false;
            }
        }
    }
    return true;
}
