// bracing-check: the dialog's calculation for many bays, CSV in, CSV out.
#include "byte_streams.h"
#include "check_bays.h"
#include "command_line.h"
#include "help_text.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

int CheckFromArguments(const std::vector<std::string>& arguments) {
    ByteStreams streams;
    CommandLine line;
    std::string error;
    if (!ParseCommandLine(arguments, line, error)) {
        std::fprintf(stderr, "bracing-check: %s (try --help)\n", error.c_str());
        return kCheckFailed;
    }
    if (line.help) {
        std::fputs(kHelpText, stdout);
        return std::fflush(stdout) == 0 ? kCheckDone : kCheckFailed;
    }
    std::FILE* input = stdin;
    std::string inputName = "<stdin>";
    if (!line.path.empty()) {
        input = OpenForReading(line.path);
        if (input == nullptr) {
            std::fprintf(stderr, "%s: cannot open: %s\n", line.path.c_str(), std::strerror(errno));
            return kCheckFailed;
        }
        inputName = line.path;
    }
    CheckExit exit = kCheckDone;
    {
        CsvReader reader(input);
        TextOutput out(stdout);
        TextOutput problems(stderr);
        exit = CheckBays(reader, inputName, line.byteOrderMark, out, problems);
    }
    if (input != stdin) {
        std::fclose(input);
    }
    return exit;
}

}  // namespace

#ifdef _WIN32
// Wide arguments: a file name outside the ANSI code page still opens.
int wmain(int argc, wchar_t** argv) { return CheckFromArguments(Utf8Arguments(argc, argv)); }
#else
int main(int argc, char** argv) {
    return CheckFromArguments(std::vector<std::string>(argv + 1, argv + argc));
}
#endif
