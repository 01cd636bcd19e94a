#include "cli/run_check.h"

#include "bracing_version.h"
#include "io/byte_streams.h"
#include "batch/check_bays.h"
#include "cli/command_line.h"
#include "cli/help_text.h"
#include "cli/replacing_file.h"
#include "cli/run_date.h"
#include "report/html/sheet_sink.h"
#include "batch/section_table_text.h"

#include <cerrno>
#include <cstring>

namespace {

// --sections: the angle table to standard output or -o FILE.
int WriteSections(const CommandLine& line, std::FILE* out, std::FILE* err) {
    ReplacingFile file(line.outputPath);
    const bool toFile = !line.outputPath.empty();
    std::string error;
    if (toFile && !file.Open(error)) {
        std::fprintf(err, "%s\n", error.c_str());
        return kCheckFailed;
    }
    {
        TextOutput output(toFile ? file.Stream() : out);
        if (line.byteOrderMark == ByteOrderMarkChoice::Always) {
            output.Line() += "\xEF\xBB\xBF";
        }
        if (!WriteSectionTable(output)) {
            std::fprintf(err, "%s: cannot write: %s\n", toFile ? line.outputPath.c_str() : "<stdout>",
                         std::strerror(output.ErrorNumber()));
            return kCheckFailed;
        }
    }
    if (toFile && !file.Commit(error)) {
        std::fprintf(err, "%s\n", error.c_str());
        return kCheckFailed;
    }
    return kCheckDone;
}

}  // namespace

int RunBracingCheck(const std::vector<std::string>& arguments, std::FILE* in, std::FILE* out,
                    std::FILE* err) {
    CommandLine line;
    std::string error;
    if (!ParseCommandLine(arguments, line, error)) {
        std::fprintf(err, "bracing-check: %s (try --help)\n", error.c_str());
        return kCheckFailed;
    }
    if (line.help) {
        std::fputs(kHelpText, out);
        return std::fflush(out) == 0 ? kCheckDone : kCheckFailed;
    }
    if (line.sections) {
        return WriteSections(line, out, err);
    }
    CheckOptions options;
    options.byteOrderMark = line.byteOrderMark;
    options.separatorGiven = line.separator != 0;
    options.design = line.design;
    std::FILE* input = in;
    if (!line.path.empty()) {
        input = OpenForReading(line.path);
        if (input == nullptr) {
            std::fprintf(err, "%s: cannot open: %s\n", line.path.c_str(), std::strerror(errno));
            return kCheckFailed;
        }
        options.inputName = line.path;
    }
    // -o and --report: new files put in place when the run got through; the
    // sheet's pages wait in a scratch file beside it.
    ReplacingFile file(line.outputPath);
    ReplacingFile report(line.reportPath);
    ReplacingFile pages(line.reportPath + ".pages");
    const bool toFile = !line.outputPath.empty();
    const bool toReport = !line.reportPath.empty();
    if ((toFile && !file.Open(error)) ||
        (toReport && (!report.Open(error) || !pages.Open(error)))) {
        std::fprintf(err, "%s\n", error.c_str());
        if (input != in) {
            std::fclose(input);
        }
        return kCheckFailed;
    }
    if (toFile) {
        options.outputName = line.outputPath;
    }
    const std::string date = RunDate();
    SheetHeading heading;
    heading.project = line.project;
    heading.inputName = options.inputName;
    heading.date = date;
    heading.version = BRACING_VERSION_TEXT;
    SheetSink sheet(report.Stream(), pages.Stream(), heading);
    if (toReport) {
        options.sheet = &sheet;
        options.sheetName = line.reportPath;
    }
    CheckOutcome outcome{kCheckDone, false};
    {
        FileSource source(input);
        InputDecoder decoder(source, line.encoding);
        CsvReader reader(decoder, line.separator != 0 ? line.separator : ',');
        TextOutput output(toFile ? file.Stream() : out);
        TextOutput problems(err);
        outcome = CheckBays(reader, options, output, problems);
    }
    // Closed before the rename: Windows renames over no file that is open.
    if (input != in) {
        std::fclose(input);
    }
    bool gotThrough = outcome.headerWritten && outcome.exit != kCheckFailed;
    if (gotThrough && toFile && !file.Commit(error)) {
        std::fprintf(err, "%s\n", error.c_str());
        outcome.exit = kCheckFailed;
        gotThrough = false;
    } else if (gotThrough && toReport && !report.Commit(error)) {
        std::fprintf(err, "%s\n", error.c_str());
        return kCheckFailed;
    }
    // A failed Commit has said what became of the -o file.
    if (!gotThrough && toFile && file.Stream() != nullptr) {
        std::fprintf(err, "%s: left as it was\n", line.outputPath.c_str());
    }
    if (!gotThrough && toReport) {
        std::fprintf(err, "%s: left as it was\n", line.reportPath.c_str());
    }
    return outcome.exit;
}
