// bracing-check: the dialog's calculation for many bays, CSV in, CSV out.
#include "bay_table.h"
#include "csv_reader.h"
#include "help_text.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace {

struct Options {
    bool help = false;
    bool bom = false;
    const char* path = nullptr;  // null: standard input
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int k = 1; k < argc; ++k) {
        const char* arg = argv[k];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            options.help = true;
        } else if (std::strcmp(arg, "--bom") == 0) {
            options.bom = true;
        } else if (std::strcmp(arg, "-") == 0 || arg[0] != '-') {
            if (options.path != nullptr) {
                std::fprintf(stderr, "bracing-check: one input file at most\n");
                return false;
            }
            options.path = std::strcmp(arg, "-") == 0 ? nullptr : arg;
        } else {
            std::fprintf(stderr, "bracing-check: unknown option %s (try --help)\n", arg);
            return false;
        }
    }
    return true;
}

// Bytes as they are: no CRLF translation, and UTF-8 text shown right in a
// console.
void UseBinaryStreams() {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
#endif
}

class Output {
public:
    ~Output() { Flush(); }
    std::string& Line() { return line_; }
    void EndLine() {
        line_.push_back('\n');
        if (line_.size() >= (1u << 16)) {
            Flush();
        }
    }
    void Flush() {
        if (!line_.empty() && std::fwrite(line_.data(), 1, line_.size(), stdout) != line_.size()) {
            failed_ = true;
        }
        line_.clear();
    }
    bool Failed() { return failed_ || std::fflush(stdout) != 0 || std::ferror(stdout) != 0; }

private:
    std::string line_;
    bool failed_ = false;
};

int Run(std::FILE* input, const char* name, bool bom) {
    CsvReader reader(input);
    CsvRecord header;
    CsvStatus status = reader.Next(header);
    if (status != CsvStatus::Record) {
        std::fprintf(stderr, "%s: %s\n", name,
                     status == CsvStatus::End ? "empty input: no header" : "cannot read the header");
        return 1;
    }
    BayTable table;
    std::string error;
    if (!table.ReadHeader(header, error)) {
        std::fprintf(stderr, "%s:%ld: %s\n", name, reader.RecordLine(), error.c_str());
        return 1;
    }
    Output out;
    if (bom) {
        out.Line().append("\xEF\xBB\xBF");
    }
    table.AppendHeader(header, out.Line());
    out.EndLine();

    int exitStatus = 0;
    CsvRecord row;
    while ((status = reader.Next(row)) == CsvStatus::Record) {
        if (row.size() == 1 && row[0].empty()) {
            continue;  // blank line
        }
        if (row.size() != table.ColumnCount()) {
            std::fprintf(stderr, "%s:%ld: %zu fields where the header has %zu; row left out\n",
                         name, reader.RecordLine(), row.size(), table.ColumnCount());
            exitStatus = 1;
            continue;
        }
        table.AppendRow(row, out.Line());
        out.EndLine();
    }
    if (status == CsvStatus::UnterminatedQuote) {
        std::fprintf(stderr, "%s:%ld: quoted field not closed before the end; row left out\n",
                     name, reader.RecordLine());
        exitStatus = 1;
    } else if (status == CsvStatus::ReadError) {
        std::fprintf(stderr, "%s: read error: %s\n", name, std::strerror(errno));
        exitStatus = 2;
    }
    if (out.Failed()) {
        std::fprintf(stderr, "bracing-check: cannot write the output\n");
        exitStatus = 2;
    }
    return exitStatus;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        return 2;
    }
    if (options.help) {
        UseBinaryStreams();
        std::fputs(kHelpText, stdout);
        return 0;
    }
    UseBinaryStreams();
    if (options.path == nullptr) {
        return Run(stdin, "<stdin>", options.bom);
    }
    std::FILE* input = std::fopen(options.path, "rb");
    if (input == nullptr) {
        std::fprintf(stderr, "bracing-check: cannot open %s: %s\n", options.path, std::strerror(errno));
        return 2;
    }
    const int status = Run(input, options.path, options.bom);
    std::fclose(input);
    return status;
}
