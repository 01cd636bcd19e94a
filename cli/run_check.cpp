#include "cli/run_check.h"

#include "bracing_version.h"
#include "batch/check_bays.h"
#include "batch/section_table_text.h"
#include "cli/command_line.h"
#include "cli/file_identity.h"
#include "cli/help_text.h"
#include "cli/replacing_file.h"
#include "cli/run_date.h"
#include "io/byte_streams.h"
#include "report/csv/csv_sink.h"
#include "report/csv/problem_lines.h"
#include "cli/sheet_formats.h"
#include "report/docx/docx_sheet.h"
#include "report/html/html_sheet.h"
#include "report/report_sink.h"

#include <cerrno>
#include <cstring>
#include <memory>

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
        if (!WriteSectionTable(output)) {
            std::fprintf(err, "%s: cannot write: %s\n", toFile ? line.outputPath.c_str() : "<stdout>",
                         std::strerror(output.ErrorNumber()));
            return kCheckFailed;
        }
    }
    return !toFile || CommitOrSay(file, err) ? kCheckDone : kCheckFailed;
}

// Files named twice: --report over -o, the input or the other sheet is a
// mistake; -o over the input is a check of results in place. Empty when
// all is well.
std::string NamedTwice(const CommandLine& line, const FileFacts& input, const FileFacts& output,
                       const FileFacts* reports) {
    for (int k = 0; k < kSheetFormatCount; ++k) {
        const std::string& path = line.reportPaths[k];
        if (path.empty()) {
            continue;
        }
        if (!line.outputPath.empty() && SameFile(reports[k], output)) {
            return "--report and -o name the same file, " + path;
        }
        if (!line.path.empty() && SameFile(reports[k], input)) {
            return "--report names the input, " + path;
        }
        if (k > 0 && !line.reportPaths[0].empty() && SameFile(reports[k], reports[0])) {
            return "the two --report name the same file, " + path;
        }
    }
    return std::string();
}

// A calc sheet asked for: its file, the scratch files its renderer spools
// to, and the renderer.
struct SheetFile {
    SheetFile(const std::string& path, const FileFacts& facts) : file(path, facts) {}
    ReplacingFile file;
    ScratchFile spools[2];
    std::unique_ptr<ReportRenderer> renderer;
};

// Opens the sheet's file and spools and makes its renderer.
bool OpenSheet(SheetFormat format, SheetFile& sheet, std::string& error) {
    if (!sheet.file.Open(error) || !sheet.file.CreateBeside(sheet.spools[0], ".pages", error)) {
        return false;
    }
    if (format == SheetFormat::Html) {
        sheet.renderer = std::make_unique<HtmlSheet>(sheet.file.Stream(), sheet.spools[0].Stream());
        return true;
    }
    if (!sheet.file.CreateBeside(sheet.spools[1], ".body", error)) {
        return false;
    }
    sheet.renderer =
        std::make_unique<DocxSheet>(sheet.file.Stream(), sheet.spools[1].Stream(), sheet.spools[0].Stream());
    return true;
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
    const FileFacts inputFacts = line.path.empty() ? LookAtStream(in) : LookAt(line.path);
    const FileFacts outputFacts = toFile ? LookAt(line.outputPath) : FileFacts();
    FileFacts reportFacts[kSheetFormatCount];
    for (int k = 0; k < kSheetFormatCount; ++k) {
        if (!line.reportPaths[k].empty()) {
            reportFacts[k] = LookAt(line.reportPaths[k]);
        }
    }
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
    // -o and --report: put in place when the run got through; the sheets'
    // pages wait in scratch files beside them.
    ReplacingFile file(line.outputPath, outputFacts);
    std::unique_ptr<SheetFile> sheets[kSheetFormatCount];
    bool opened = !toFile || file.Open(error);
    for (int k = 0; k < kSheetFormatCount && opened; ++k) {
        if (!line.reportPaths[k].empty()) {
            sheets[k] = std::make_unique<SheetFile>(line.reportPaths[k], reportFacts[k]);
            opened = OpenSheet(static_cast<SheetFormat>(k), *sheets[k], error);
        }
    }
    if (!opened) {
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
    SheetFormats formats(names.sheet);
    for (int k = 0; k < kSheetFormatCount; ++k) {
        if (sheets[k] != nullptr) {
            formats.Add(*sheets[k]->renderer, line.reportPaths[k]);
        }
    }
    ReportSink sheet(formats, heading);
    if (AnySheet(line)) {
        options.sheet = &sheet;
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
    for (const std::unique_ptr<SheetFile>& sheetFile : sheets) {
        if (sheetFile != nullptr) {
            for (ScratchFile& spool : sheetFile->spools) {
                spool.Remove();
            }
        }
    }
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
    for (int k = 0; k < kSheetFormatCount; ++k) {
        if (sheets[k] == nullptr) {
            continue;
        }
        ReplacingFile& report = sheets[k]->file;
        if (gotThrough && keepNew && !report.WritesDirectly()) {
            std::string where;
            const bool kept = report.Keep(where);
            std::fprintf(err, kept ? "%s: left as it was, beside the output; the new sheet is in %s\n" : "%.0s%s\n",
                         line.reportPaths[k].c_str(), where.c_str());
        } else if (gotThrough && !keepNew && !CommitOrSay(report, err)) {
            outcome.exit = kCheckFailed;
        }
    }
    if (!gotThrough && file.Stream() != nullptr && !file.WritesDirectly()) {
        std::fprintf(err, "%s: left as it was\n", line.outputPath.c_str());
    }
    for (int k = 0; k < kSheetFormatCount; ++k) {
        if (!gotThrough && sheets[k] != nullptr && !sheets[k]->file.WritesDirectly()) {
            std::fprintf(err, "%s: left as it was\n", line.reportPaths[k].c_str());
        }
    }
    return outcome.exit;
}
