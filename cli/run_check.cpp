#include "cli/run_check.h"

#include "bracing_version.h"
#include "batch/check_bays.h"
#include "batch/section_table_text.h"
#include "cli/catalogue_file.h"
#include "cli/command_line.h"
#include "cli/sheet_formats.h"
#include "cli/file_identity.h"
#include "cli/file_name.h"
#include "cli/project_file.h"
#include "cli/replacing_file.h"
#include "cli/run_date.h"
#include "cli/run_language.h"
#include "io/byte_streams.h"
#include "report/csv/csv_sink.h"
#include "report/csv/problem_lines.h"
#include "report/docx/docx_sheet.h"
#include "report/html/html_sheet.h"
#include "report/report_sink.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// `text` as a line of its own, at once: between the problem lines around it.
void SayLine(std::FILE* stream, std::string text) {
    text.push_back('\n');
    WriteText(stream, text.data(), text.size());
    std::fflush(stream);
}

// What became of each output file the command line names, said last, one
// line each, so that a user (or bracing-check.bat) need not guess it from
// the exit status. Standard output gets no line.
class OutputFates {
    struct Fate {
        const std::string* path;
        const ReplacingFile* file;
        bool written;
    };

public:
    explicit OutputFates(Language language) : language_(language) {}

    // `file`, named `path` on the command line; both must outlive Say().
    void Track(const std::string& path, const ReplacingFile& file) {
        if (!path.empty()) {
            fates_.push_back({&path, &file, false});
        }
    }
    // Why the outputs not written were not; until the run is through,
    // nothing was checked.
    void Because(MessageId why) { why_ = why; }
    void Written(const ReplacingFile& file) {
        for (Fate& fate : fates_) {
            fate.written = fate.written || fate.file == &file;
        }
    }

    void Say(std::FILE* err) const {
        for (const Fate& fate : fates_) {
            const std::string& kept = fate.file->LeftUnder();
            const std::string why =
                kept.empty() ? MessageText(language_, why_) : MessageText(language_, MessageId::KeptAs, {kept});
            SayLine(err, fate.written ? MessageText(language_, MessageId::Written, {*fate.path})
                                      : MessageText(language_, MessageId::NotWritten, {*fate.path, why}));
        }
    }

private:
    Language language_;
    MessageId why_ = MessageId::NothingChecked;
    std::vector<Fate> fates_;
};

// Puts `file` in place; says what went wrong and what became of it.
bool CommitOrSay(ReplacingFile& file, OutputFates& fates, std::FILE* err) {
    std::string error;
    std::string note;
    const bool done = file.Commit(error, note);
    if (!done || !note.empty()) {
        SayLine(err, done ? note : error);
    }
    if (done) {
        fates.Written(file);
    }
    return done;
}

// --sections: the angle table to standard output or -o FILE.
int WriteSections(const CommandLine& line, Language language, ReplacingFile& file, std::FILE* out, std::FILE* err,
                  OutputFates& fates) {
    const bool toFile = !line.outputPath.empty();
    std::string error;
    if (toFile && !file.Open(error)) {
        SayLine(err, error);
        return kCheckFailed;
    }
    {
        TextOutput output(toFile ? file.Stream() : out);
        if (line.byteOrderMark == ByteOrderMarkChoice::Always) {
            output.Line() += "\xEF\xBB\xBF";
        }
        if (!WriteSectionTable(output, line.design.gusset_mm)) {
            SayLine(err, MessageText(language, MessageId::FileNotWritten,
                                     {toFile ? line.outputPath : "<stdout>", std::strerror(output.ErrorNumber())}));
            fates.Because(MessageId::RunUnfinished);
            return kCheckFailed;
        }
    }
    return !toFile || CommitOrSay(file, fates, err) ? kCheckDone : kCheckFailed;
}

// Files named twice: --report over -o, the input or the other sheet is a
// mistake; -o over the input is a check of results in place. Empty when
// all is well.
std::string NamedTwice(const CommandLine& line, Language language, const FileFacts& input, const FileFacts& output,
                       const FileFacts* reports) {
    for (int k = 0; k < kSheetFormatCount; ++k) {
        const std::string& path = line.reportPaths[k];
        if (path.empty()) {
            continue;
        }
        if (!line.outputPath.empty() && SameFile(reports[k], output)) {
            return MessageText(language, MessageId::ReportIsOutput, {path});
        }
        if (!line.path.empty() && SameFile(reports[k], input)) {
            return MessageText(language, MessageId::ReportIsInput, {path});
        }
        if (k > 0 && !line.reportPaths[0].empty() && SameFile(reports[k], reports[0])) {
            return MessageText(language, MessageId::ReportsSame, {path});
        }
    }
    return std::string();
}

// A calc sheet asked for: its file, the scratch files its renderer spools
// to, and the renderer.
struct SheetFile {
    SheetFile(const std::string& path, const FileFacts& facts, Language language) : file(path, facts, language) {}
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

using SheetFiles = std::unique_ptr<SheetFile>[kSheetFormatCount];

// The run itself once the options are good: the input checked into -o and
// --report.
// -o and --report are put in place when the run got through; the sheets'
// pages wait in scratch files beside them.
int CheckFiles(const CommandLine& line, Language language, bool inPlace, ReplacingFile& file, SheetFiles& sheets,
               std::FILE* in, std::FILE* out, std::FILE* err, OutputFates& fates) {
    const bool toFile = !line.outputPath.empty();

    std::string project = line.project;
    if (!line.projectFile.empty()) {
        int errorNumber = 0;
        if (!ReadProjectFile(line.projectFile, project, errorNumber)) {
            SayLine(err, MessageText(language, MessageId::CannotOpen, {line.projectFile, std::strerror(errorNumber)}));
            return kCheckFailed;
        }
    }
    CheckOptions options;
    options.byteOrderMark = line.byteOrderMark;
    options.separatorGiven = line.separator != 0;
    options.design = line.design;
    // Read before any output is opened: a bad catalogue changes no file.
    SectionCatalogue catalogue;
    if (!line.cataloguePath.empty()) {
        if (!LoadCatalogue(line.cataloguePath, catalogue, language, err)) {
            return kCheckFailed;
        }
        options.design.catalogue = &catalogue;
    }
    ProblemFileNames names;  // how standard error names the files
    std::FILE* input = in;
    if (!line.path.empty()) {
        input = OpenForReading(line.path);
        if (input == nullptr) {
            SayLine(err, MessageText(language, MessageId::CannotOpen, {line.path, std::strerror(errno)}));
            return kCheckFailed;
        }
        names.input = line.path;
    }
    std::string error;
    bool opened = !toFile || file.Open(error);
    for (int k = 0; k < kSheetFormatCount && opened; ++k) {
        if (sheets[k] != nullptr) {
            opened = OpenSheet(static_cast<SheetFormat>(k), *sheets[k], error);
        }
    }
    if (!opened) {
        SayLine(err, error);
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
    heading.project = project;
    heading.number = line.number;
    // The folder is the user's machine's, not the project's.
    const std::string inputName = names.input.substr(line.path.empty() ? 0 : FileNameStart(names.input));
    heading.inputName = inputName;
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
        CsvSink rows(output, language, line.heading);
        ProblemLines problemLines(problems, names, language);
        outcome = CheckBays(reader, options, rows, problemLines);
    }
    // Closed before the rename: Windows renames over no file that is open.
    if (input != in) {
        std::fclose(input);
    }
    for (const std::unique_ptr<SheetFile>& sheetFile : sheets) {
        if (sheetFile != nullptr) {
            for (ScratchFile& spool : sheetFile->spools) spool.Remove();
        }
    }
    const bool gotThrough = outcome.headerWritten && outcome.exit != kCheckFailed;
    fates.Because(outcome.headerWritten || outcome.exit == kCheckFailed ? MessageId::RunUnfinished
                                                                        : MessageId::NoUsableHeader);
    bool keepNew = false;  // the finished outputs wait under their .new names
    if (gotThrough && toFile && inPlace && !outcome.everyLineCarried) {
        std::string where;
        keepNew = true;
        outcome.exit = kCheckFailed;
        SayLine(err, file.Keep(where) ? MessageText(language, MessageId::InPlaceKept, {line.outputPath, where}) : where);
    } else if (gotThrough && toFile && !CommitOrSay(file, fates, err)) {
        keepNew = true;
        outcome.exit = kCheckFailed;
    }
    for (int k = 0; k < kSheetFormatCount; ++k) {
        if (sheets[k] == nullptr) continue;
        ReplacingFile& report = sheets[k]->file;
        if (gotThrough && keepNew && !report.WritesDirectly()) {
            std::string where;
            SayLine(err, report.Keep(where) ? MessageText(language, MessageId::SheetKept, {line.reportPaths[k], where})
                                            : where);
        } else if (gotThrough && !keepNew && !CommitOrSay(report, fates, err)) {
            outcome.exit = kCheckFailed;
        }
    }
    return outcome.exit;
}

}  // namespace

int RunBracingCheck(const std::vector<std::string>& arguments, std::FILE* in, std::FILE* out,
                    std::FILE* err) {
    CommandLine line;
    CommandLineMistake mistake;
    const bool parsed = ParseCommandLine(arguments, line, mistake);
    const Language language = line.language.value_or(SystemLanguage());
    const auto badOption = [&](const std::string& what) {
        SayLine(err, MessageText(language, MessageId::CommandLineFault, {what}));
        return kCheckFailed;
    };
    if (!parsed) {
        return badOption(MessageText(language, mistake.id, {mistake.first, mistake.second}));
    }
    if (line.help) {
        const std::string help = MessageText(language, MessageId::Help);
        return WriteText(out, help.data(), help.size()) && std::fflush(out) == 0 ? kCheckDone : kCheckFailed;
    }
    const FileFacts outputFacts = line.outputPath.empty() ? FileFacts() : LookAt(line.outputPath);
    ReplacingFile file(line.outputPath, outputFacts, language);
    OutputFates fates(language);
    fates.Track(line.outputPath, file);
    FileFacts reportFacts[kSheetFormatCount];
    SheetFiles sheets;
    for (int k = 0; k < kSheetFormatCount; ++k) {
        if (line.reportPaths[k].empty()) continue;
        reportFacts[k] = LookAt(line.reportPaths[k]);
        sheets[k] = std::make_unique<SheetFile>(line.reportPaths[k], reportFacts[k], language);
        fates.Track(line.reportPaths[k], sheets[k]->file);
    }
    int exit = kCheckDone;
    if (line.sections) {
        exit = WriteSections(line, language, file, out, err, fates);
    } else {
        const FileFacts inputFacts = line.path.empty() ? LookAtStream(in) : LookAt(line.path);
        const std::string twice = NamedTwice(line, language, inputFacts, outputFacts, reportFacts);
        if (!twice.empty()) {
            return badOption(twice);
        }
        const bool inPlace = !line.outputPath.empty() && outputFacts.kind == FileKind::Regular &&
                             SameFile(outputFacts, inputFacts);
        exit = CheckFiles(line, language, inPlace, file, sheets, in, out, err, fates);
    }
    fates.Say(err);
    return exit;
}
