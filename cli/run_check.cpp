#include "cli/run_check.h"

#include "bracing_version.h"
#include "batch/check_bays.h"
#include "batch/section_table_text.h"
#include "cli/catalogue_file.h"
#include "cli/command_line.h"
#include "cli/file_identity.h"
#include "cli/project_file.h"
#include "cli/replacing_file.h"
#include "cli/run_date.h"
#include "cli/run_language.h"
#include "io/byte_streams.h"
#include "report/csv/csv_sink.h"
#include "report/csv/problem_lines.h"
#include "report/html/html_sheet.h"
#include "report/report_sink.h"

#include <cerrno>
#include <cstring>
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

// Files named twice: --report over -o or the input is a mistake; -o over
// the input is a check of results in place. Empty when all is well.
std::string NamedTwice(const CommandLine& line, Language language, const FileFacts& input, const FileFacts& output,
                       const FileFacts& report) {
    if (line.reportPath.empty()) {
        return std::string();
    }
    if (!line.outputPath.empty() && SameFile(report, output)) {
        return MessageText(language, MessageId::ReportIsOutput, {line.reportPath});
    }
    if (!line.path.empty() && SameFile(report, input)) {
        return MessageText(language, MessageId::ReportIsInput, {line.reportPath});
    }
    return std::string();
}

// The run itself once the options are good: the input checked into -o and
// --report.
// -o and --report are put in place when the run got through; the sheet's
// pages wait in a scratch file beside it.
int CheckFiles(const CommandLine& line, Language language, bool inPlace, ReplacingFile& file, ReplacingFile& report,
               std::FILE* in, std::FILE* out, std::FILE* err, OutputFates& fates) {
    const bool toFile = !line.outputPath.empty();
    const bool toReport = !line.reportPath.empty();

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
    ScratchFile pages;
    std::string error;
    if ((toFile && !file.Open(error)) ||
        (toReport && (!report.Open(error) || !report.CreateBeside(pages, ".pages", error)))) {
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
        CsvSink rows(output, language, line.heading);
        ProblemLines problemLines(problems, names, language);
        outcome = CheckBays(reader, options, rows, problemLines);
    }
    // Closed before the rename: Windows renames over no file that is open.
    if (input != in) {
        std::fclose(input);
    }
    pages.Remove();
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
    if (gotThrough && toReport && keepNew && !report.WritesDirectly()) {
        std::string where;
        SayLine(err, report.Keep(where) ? MessageText(language, MessageId::SheetKept, {line.reportPath, where}) : where);
    } else if (gotThrough && toReport && !keepNew && !CommitOrSay(report, fates, err)) {
        outcome.exit = kCheckFailed;
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
    const FileFacts reportFacts = line.reportPath.empty() ? FileFacts() : LookAt(line.reportPath);
    ReplacingFile file(line.outputPath, outputFacts, language);
    ReplacingFile report(line.reportPath, reportFacts, language);
    OutputFates fates(language);
    fates.Track(line.outputPath, file);
    fates.Track(line.reportPath, report);
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
        exit = CheckFiles(line, language, inPlace, file, report, in, out, err, fates);
    }
    fates.Say(err);
    return exit;
}
