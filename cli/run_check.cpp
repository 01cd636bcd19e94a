#include "cli/run_check.h"

#include "bracing_version.h"
#include "batch/check_bays.h"
#include "batch/section_table_text.h"
#include "cli/catalogue_file.h"
#include "cli/command_line.h"
#include "cli/file_identity.h"
#include "cli/help_text.h"
#include "cli/replacing_file.h"
#include "cli/run_date.h"
#include "io/byte_streams.h"
#include "report/csv/csv_sink.h"
#include "report/csv/problem_lines.h"
#include "report/html/html_sheet.h"
#include "report/report_sink.h"

#include <cerrno>
#include <cstring>

namespace {

// Puts `file` in place; says what went wrong and what became of it.
bool CommitOrSay(ReplacingFile& file, std::FILE* err) {
    std::string error;
    std::string note;
    const bool done = file.Commit(error, note);
    if (!done || !note.empty()) {
        std::fprintf(err, "%s\n", done ? note.c_str() : error.c_str());
    }
    return done;
}

// --sections: the angle table to standard output or -o FILE.
int WriteSections(const CommandLine& line, std::FILE* out, std::FILE* err) {
    const bool toFile = !line.outputPath.empty();
    ReplacingFile file(line.outputPath, toFile ? LookAt(line.outputPath) : FileFacts());
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
        if (!WriteSectionTable(output, line.design.gusset_mm)) {
            std::fprintf(err, "%s: cannot write: %s\n", toFile ? line.outputPath.c_str() : "<stdout>",
                         std::strerror(output.ErrorNumber()));
            return kCheckFailed;
        }
    }
    return !toFile || CommitOrSay(file, err) ? kCheckDone : kCheckFailed;
}

// Files named twice: --report over -o or the input is a mistake; -o over
// the input is a check of results in place. Empty when all is well.
std::string NamedTwice(const CommandLine& line, const FileFacts& input, const FileFacts& output,
                       const FileFacts& report) {
    if (line.reportPath.empty()) {
        return std::string();
    }
    if (!line.outputPath.empty() && SameFile(report, output)) {
        return "--report and -o name the same file, " + line.reportPath;
    }
    if (!line.path.empty() && SameFile(report, input)) {
        return "--report names the input, " + line.reportPath;
    }
    return std::string();
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
    const bool toFile = !line.outputPath.empty();
    const bool toReport = !line.reportPath.empty();
    const FileFacts inputFacts = line.path.empty() ? LookAtStream(in) : LookAt(line.path);
    const FileFacts outputFacts = toFile ? LookAt(line.outputPath) : FileFacts();
    const FileFacts reportFacts = toReport ? LookAt(line.reportPath) : FileFacts();
    error = NamedTwice(line, inputFacts, outputFacts, reportFacts);
    if (!error.empty()) {
        std::fprintf(err, "bracing-check: %s (try --help)\n", error.c_str());
        return kCheckFailed;
    }
    const bool inPlace = toFile && outputFacts.kind == FileKind::Regular && SameFile(outputFacts, inputFacts);

    CheckOptions options;
    options.byteOrderMark = line.byteOrderMark;
    options.separatorGiven = line.separator != 0;
    options.design = line.design;
    // Read before any output is opened: a bad catalogue changes no file.
    SectionCatalogue catalogue;
    if (!line.cataloguePath.empty()) {
        if (!LoadCatalogue(line.cataloguePath, catalogue, err)) {
            return kCheckFailed;
        }
        options.design.catalogue = &catalogue;
    }
    ProblemFileNames names;  // how standard error names the files
    std::FILE* input = in;
    if (!line.path.empty()) {
        input = OpenForReading(line.path);
        if (input == nullptr) {
            std::fprintf(err, "%s: cannot open: %s\n", line.path.c_str(), std::strerror(errno));
            return kCheckFailed;
        }
        names.input = line.path;
    }
    // -o and --report: put in place when the run got through; the sheet's
    // pages wait in a scratch file beside it.
    ReplacingFile file(line.outputPath, outputFacts);
    ReplacingFile report(line.reportPath, reportFacts);
    ScratchFile pages;
    if ((toFile && !file.Open(error)) ||
        (toReport && (!report.Open(error) || !report.CreateBeside(pages, ".pages", error)))) {
        std::fprintf(err, "%s\n", error.c_str());
        if (input != in) {
            std::fclose(input);
        }
        return kCheckFailed;
    }
    if (toFile) {
        names.output = line.outputPath;
    }
    const std::string date = RunDate();
    ReportHeading heading;
    heading.project = line.project;
    heading.inputName = names.input;
    heading.date = date;
    heading.version = BRACING_VERSION_TEXT;
    HtmlSheet html(report.Stream(), pages.Stream());
    ReportSink sheet(html, heading);
    if (toReport) {
        options.sheet = &sheet;
        names.sheet = line.reportPath;
    }
    CheckOutcome outcome{kCheckDone, false, false};
    {
        FileSource source(input);
        InputDecoder decoder(source, line.encoding);
        CsvReader reader(decoder, line.separator != 0 ? line.separator : ',');
        TextOutput output(toFile ? file.Stream() : out);
        TextOutput problems(err);
        CsvSink rows(output);
        ProblemLines problemLines(problems, names);
        outcome = CheckBays(reader, options, rows, problemLines);
    }
    // Closed before the rename: Windows renames over no file that is open.
    if (input != in) {
        std::fclose(input);
    }
    pages.Remove();
    const bool gotThrough = outcome.headerWritten && outcome.exit != kCheckFailed;
    bool keepNew = false;  // the finished outputs wait under their .new names
    if (gotThrough && toFile && inPlace && !outcome.everyLineCarried) {
        std::string where;
        keepNew = true;
        outcome.exit = kCheckFailed;
        if (file.Keep(where)) {
            std::fprintf(err, "%s: is the input, and not every line of it is in the output (see above); "
                         "it is left as it was, and the new output is in %s\n", line.outputPath.c_str(),
                         where.c_str());
        } else {
            std::fprintf(err, "%s\n", where.c_str());
        }
    } else if (gotThrough && toFile && !CommitOrSay(file, err)) {
        keepNew = true;
        outcome.exit = kCheckFailed;
    }
    if (gotThrough && toReport && keepNew && !report.WritesDirectly()) {
        std::string where;
        const bool kept = report.Keep(where);
        std::fprintf(err, kept ? "%s: left as it was, beside the output; the new sheet is in %s\n" : "%.0s%s\n",
                     line.reportPath.c_str(), where.c_str());
    } else if (gotThrough && toReport && !keepNew && !CommitOrSay(report, err)) {
        outcome.exit = kCheckFailed;
    }
    for (const ReplacingFile* left : {&file, &report}) {
        if (!gotThrough && left->Stream() != nullptr && !left->WritesDirectly()) {
            std::fprintf(err, "%s: left as it was\n", (left == &file ? line.outputPath : line.reportPath).c_str());
        }
    }
    return outcome.exit;
}
