#include "cli/run_check.h"

#include "cli/scratch_cleanup.h"
#include "messages/messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#ifndef _WIN32
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

const std::string kInput = "bay,H,B,n,T,W,A,i\na,6,8,2,20,30,12,3\n";
const std::string kOutput =
    "bay,H,B,n,T,W,A,i,N1,Nt1,Lx1,Rx1,Ly1,Ry1,f1,N2,Nt2,Lx2,Rx2,Ly2,Ry2,u,f2,error\n"
    "a,6,8,2,20,30,12,3,31.250,18.750,5.000,1.25,10.000,2.50,26.04,15.625,9.375,5.000,3.33,"
    "7.000,4.67,0.1403,92.81,\n";

std::string ReadStream(std::FILE* file) {
    std::string text;
    std::rewind(file);
    char block[4096];
    for (std::size_t read; (read = std::fread(block, 1, sizeof block, file)) > 0;) {
        text.append(block, read);
    }
    return text;
}

std::string ReadFile(const std::string& name) {
    std::FILE* file = std::fopen(name.c_str(), "rb");
    if (file == nullptr) {
        return "<none>";
    }
    const std::string text = ReadStream(file);
    std::fclose(file);
    return text;
}

void WriteFile(const std::string& name, const std::string& text) {
    std::FILE* file = std::fopen(name.c_str(), "wb");
    ASSERT_NE(file, nullptr) << name;
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
}

// Leftovers of an earlier run that stopped short would change the names.
void RemoveFiles(const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        std::error_code ignored;
        std::filesystem::remove(name, ignored);
    }
}

// The names in the current folder that start with `prefix`, each followed by a space.
std::string NamesStartingWith(const std::string& prefix) {
    std::string names;
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
        const std::string name = entry.path().filename().u8string();
        if (name.compare(0, prefix.size(), prefix) == 0) {
            names += name + " ";
        }
    }
    return names;
}

// What an earlier run that failed left behind would change the names.
void RemoveStartingWith(const std::string& prefix) {
    for (std::string name; !(name = NamesStartingWith(prefix)).empty();) {
        RemoveFiles({name.substr(0, name.find(' '))});
    }
}

struct ProgramRun {
    int exit;
    std::string out;
    std::string err;
};

// The program on `input` as its standard input, its output into `out` or a
// file; in English unless the arguments say, whatever the machine's language.
ProgramRun RunProgram(std::vector<std::string> arguments, const std::string& input,
               std::FILE* out = nullptr) {
    if (std::none_of(arguments.begin(), arguments.end(),
                     [](const std::string& argument) { return argument.rfind("--lang", 0) == 0; })) {
        arguments.insert(arguments.begin(), "--lang=en");
    }
    std::FILE* in = std::tmpfile();
    std::FILE* err = std::tmpfile();
    std::FILE* ownOut = out == nullptr ? std::tmpfile() : nullptr;
    std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
    ProgramRun run{RunBracingCheck(arguments, in, out != nullptr ? out : ownOut, err), "", ReadStream(err)};
    if (ownOut != nullptr) {
        run.out = ReadStream(ownOut);
        std::fclose(ownOut);
    }
    std::fclose(in);
    std::fclose(err);
    return run;
}

}  // namespace

TEST(RunCheck, HelpAndByteOrderMarkThroughTheProgram) {
    // Each language's help in full, and every option in both.
    const struct {
        const char* lang;
        Language language;
        const char* exitStatus;
    } helps[] = {{"--lang=en", Language::English, "\nExit status:\n"}, {"--lang=zh", Language::Chinese, "\n退出码：\n"}};
    for (const auto& help : helps) {
        const std::string text = MessageText(help.language, MessageId::Help);
        for (const char* option : {"-h", "--help"}) {
            const ProgramRun run = RunProgram({help.lang, option}, "");
            EXPECT_EQ(run.exit, 0) << option;
            EXPECT_EQ(run.out, text) << option;
        }
        for (const char* listed : {" -h,", " --  ", " -o ", "--encoding utf-8|gbk|utf-16", "--separator ,|;|tab",
                                   " --bom ", "--no-bom", "--report ", "--project ", "--number ", "--project-file ", "--lang zh|en",
                                   "--header zh|en", "  2  ", "130", ".docx", "-o - ", "--method ", "--heavy-cranes",
                                   "--strict-slenderness", "lambda_phi2", "adopted_section", "柱撑高度", help.exitStatus}) {
            EXPECT_NE(text.find(listed), std::string::npos) << help.lang << ": " << listed;
        }
    }
    const ProgramRun bom = RunProgram({"--bom"}, kInput);
    EXPECT_EQ(bom.out, "\xEF\xBB\xBF" + kOutput);
    EXPECT_EQ(bom.exit, 0);
}

TEST(RunCheck, SectionsAndDesignOptionsThroughTheProgram) {
    const ProgramRun table = RunProgram({"--sections"}, "");
    EXPECT_EQ(table.exit, 0);
    EXPECT_EQ(table.out.rfind("family,designation,A,ix,ix0,iy0,iy,mass\nL,L20x3,1.132,0.595,0.747,0.387,,0.889\n",
                              0), 0u);
    // 115 angles, as L, 2L and 2L+; 34 tubes; 44 bars.
    EXPECT_EQ(std::count(table.out.begin(), table.out.end(), '\n'), 1 + 3 * 115 + 34 + 44);
    EXPECT_NE(table.out.find("\n2L,2L63x6,14.576,1.929,,,2.909,11.44\n"), std::string::npos);
    EXPECT_NE(RunProgram({"--sections", "--gusset", "12"}, "").out.find("\n2L,2L63x6,14.576,1.929,,,3.062,11.44\n"),
              std::string::npos) << "iy at a 12 mm gap";
    EXPECT_EQ(RunProgram({"--sections", "--bom"}, "").out, "\xEF\xBB\xBF" + table.out);
    const std::string file = "run_check_test_sections.csv";
    EXPECT_EQ(RunProgram({"--sections", "-o", file}, "").exit, 0);
    EXPECT_EQ(ReadFile(file), table.out);
    RemoveFiles({file});
    EXPECT_EQ(RunProgram({"--sections", "-o", "run_check_test_no_folder/angles.csv"}, "").exit, 2);
#ifndef _WIN32
    // A device that takes nothing: the table is not written, and said so.
    if (std::filesystem::exists("/dev/full")) {
        const ProgramRun full = RunProgram({"--sections", "-o", "/dev/full"}, "");
        EXPECT_EQ(full.exit, 2);
        EXPECT_EQ(full.err, std::string("/dev/full: cannot write: ") + std::strerror(ENOSPC) +
                                "\nnot written: /dev/full (the run did not get through)\n");
    }
#endif
    // Q355, nothing under 63 mm: L63x4 in tension; in compression its legs are
    // too slender for Q355 (w/t 13.75 over 15 εk = 12.2), so L63x5.
    const ProgramRun sized = RunProgram({"--grade", "Q355", "--min-leg", "63"}, "H,B,n,T,W,section\n1,1,1,0,1,\n");
    EXPECT_NE(sized.out.find(",L63x4,72.3,400,2.84,0.181,OK,L63x5,56.6,200,56.6,0.841,"), std::string::npos)
        << sized.out;
    EXPECT_NE(sized.out.find(",tension,L63x4,3.910,OK,"), std::string::npos) << "the lighter";
    EXPECT_EQ(sized.exit, 0);
    // The worked bay with L110x7: --heavy-cranes takes 200 in tension, so
    // L110x7 (292.9) fails; --strict-slenderness keeps 150 in compression.
    const std::string worked = "H,B,n,T,W,section\n6,8,2,20,30,L110x7\n";
    const ProgramRun options =
        RunProgram({"--method", "压杆", "--heavy-cranes", "--strict-slenderness"}, worked);
    EXPECT_NE(options.out.find(",L110x7,292.9,200,20.56,1.464,NG,L110x7,227.5,150,227.5,"), std::string::npos)
        << options.out;
    EXPECT_NE(options.out.find(",NG,,,,NG,\n"), std::string::npos) << options.out;
    const ProgramRun wrong = RunProgram({"--method=both"}, worked);
    EXPECT_EQ(wrong.exit, 2);
    EXPECT_NE(wrong.err.find("--method takes tension, compression or auto, not both"), std::string::npos)
        << wrong.err;
}

TEST(RunCheck, ACatalogueBoundsSizingAndAFaultyOneWritesNothing) {
    // The worked bay sized in 2L among two stocked pairs, and as a tube
    // among a tube off the built-in list (D127x4: i 4.35 cm, 1000 / 4.35 =
    // 230 <= 300) and a thin one that is too slender; the catalogue is GBK.
    const std::string catalogue = "run_check_test_stock.csv";
    WriteFile(catalogue, "\xB9\xE6\xB8\xF1,section\n\xB3\xA3\xB1\xB8,2L75x6\n,D127x4\n,D60x3\n,2L110x8\n,\n");
    const std::string bays = "bay,H,B,n,T,W,section,family\na,6,8,2,20,30,,2L\nb,6,8,2,20,30,,tube\n";
    const ProgramRun stocked = RunProgram({"--catalogue", catalogue}, bays);
    EXPECT_EQ(stocked.exit, 0) << stocked.err;
    EXPECT_NE(stocked.out.find(",2L,31.250,18.750,5.000,10.000,15.625,9.375,5.000,7.000,2L75x6,"), std::string::npos)
        << stocked.out;
    EXPECT_NE(stocked.out.find(",tension,2L75x6,13.820,OK,"), std::string::npos) << stocked.out;
    EXPECT_NE(stocked.out.find(",tube,31.250,18.750,5.000,10.000,15.625,9.375,5.000,7.000,D127x4,"),
              std::string::npos) << stocked.out;
    // A catalogue that cannot be used: status 2, the output left as it was.
    const std::string target = "run_check_test_stocked.csv";
    struct Case { const char* what; std::string text; const char* says; } const cases[] = {
        {"no section column", "size\nL63x6\n", ": no column named section: a catalogue lists its sizes under it"},
        {"a cell that is no size", "section\nL63x6\nD89x45\n",
         ":3: section: \"D89x45\" is not a tube: its wall must be thinner than half its diameter"},
        {"no sizes", "section\n\n", ": a catalogue with no sizes"},
    };
    for (const Case& c : cases) {
        WriteFile(catalogue, c.text);
        WriteFile(target, "old");
        const ProgramRun run = RunProgram({"--catalogue", catalogue, "-o", target}, bays);
        EXPECT_EQ(run.exit, 2) << c.what;
        EXPECT_EQ(run.err, catalogue + c.says + "\nnot written: " + target + " (nothing was checked)\n") << c.what;
        EXPECT_EQ(ReadFile(target), "old") << c.what;
    }
    RemoveFiles({catalogue});
    const ProgramRun missing = RunProgram({"--catalogue", catalogue}, bays);
    EXPECT_EQ(missing.exit, 2);
    EXPECT_EQ(missing.err.rfind(catalogue + ": cannot open: ", 0), 0u) << missing.err;
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(RunProgram({"--family", "pipe"}, bays).err,
              "bracing-check: --family takes L, 2L, 2L+, tube or bar, not pipe (try --help)\n");
    RemoveFiles({target});
}

TEST(RunCheck, AnOutputFileIsReplacedOnlyByARunThatGotThrough) {
    RemoveStartingWith("run_check_test_out.");
    const std::string target = "run_check_test_out.csv";
    const std::string newFile = "run_check_test_out.new.csv";
    const std::string kept = ": is the input, and not every line of it is in the output (see above); it is left "
                             "as it was, and the new output is in ";
    RemoveFiles({newFile});
    struct Case {
        const char* why;
        std::vector<std::string> arguments;
        std::string input;   // standard input
        std::string before;  // the target's
        int exit;
        std::string file;     // the target's after
        std::string newFile;  // <none>: no .new file
        std::string err;      // how standard error ends
    };
    const std::string rowLeftOut = kInput + "b,6,8\n";
    const std::string refusedCell = "bay,H,B,n,T,W,A,i\na,6,8,2,20,30,12,x\n";
    const Case cases[] = {
        {"a run that succeeds", {"-o", target}, kInput, "old", 0, kOutput, "<none>", "written: " + target + "\n"},
        {"-o - is standard output", {"-o", "-"}, kInput, "old", 0, "old", "<none>", ""},
        {"a header that cannot be used", {"-o", target}, "H,B\n6,8\n", "old", 1, "old", "<none>",
         "the header's fields: \"H\", \"B\"\nnot written: " + target + " (no usable header)\n"},
        {"an input that does not open", {"-o", target, "run_check_test_missing.csv"}, "", "old", 2, "old", "<none>",
         std::string("run_check_test_missing.csv: cannot open: ") + std::strerror(ENOENT) + "\nnot written: " +
             target + " (nothing was checked)\n"},
        // In place: the input is closed before it is replaced, as Windows needs.
        {"in place", {"-o", target, target}, "", kInput, 0, kOutput, "<none>", "written: " + target + "\n"},
        {"in place, a refused cell keeps its text", {"-o", "./" + target, target}, "", refusedCell, 1,
         RunProgram({}, refusedCell).out, "<none>", "1 row written, 1 of them refused\nwritten: ./" + target + "\n"},
        {"in place, a row left out", {"-o", target, "./" + target}, "", rowLeftOut, 2, rowLeftOut, kOutput,
         "./" + target + ": 1 row written; 1 row left out\n" + target + kept + newFile + "\nnot written: " + target +
             " (the new file is " + newFile + ")\n"},
        {"in place, a quote never closed", {"-o", target, target}, "", kInput + "b,\"6\n", 2, kInput + "b,\"6\n",
         kOutput, kept + newFile + "\nnot written: " + target + " (the new file is " + newFile + ")\n"},
        {"in place, a byte not valid", {"-o", target, target}, "", kInput + "\xFF,6,8,2,20,30,12,3\n", 2,
         kInput + "\xFF,6,8,2,20,30,12,3\n", RunProgram({}, kInput + "\xFF,6,8,2,20,30,12,3\n").out,
         kept + newFile + "\nnot written: " + target + " (the new file is " + newFile + ")\n"},
    };
    for (const Case& c : cases) {
        WriteFile(target, c.before);
        const ProgramRun run = RunProgram(c.arguments, c.input);
        EXPECT_EQ(run.exit, c.exit) << c.why << run.err;
        EXPECT_EQ(run.out, c.file == "old" && c.exit == 0 ? kOutput : "") << c.why;
        EXPECT_EQ(run.err.substr(run.err.size() - std::min(run.err.size(), c.err.size())), c.err) << c.why;
        EXPECT_EQ(ReadFile(target), c.file) << c.why;
        EXPECT_EQ(ReadFile(newFile), c.newFile) << c.why;
        EXPECT_EQ(NamesStartingWith("run_check_test_out.partial-"), "") << c.why;
        RemoveFiles({newFile});
    }
    const ProgramRun noFolder = RunProgram({"-o", "run_check_test_none/out.csv"}, kInput);
    EXPECT_EQ(noFolder.exit, 2);
    EXPECT_EQ(noFolder.err.rfind("run_check_test_none/out.csv: cannot create: ", 0), 0u) << noFolder.err;  // the system's reason
    RemoveFiles({target});
}

TEST(RunCheck, ANameTwiceIsABadOptionAndWritesNothing) {
    RemoveStartingWith("run_check_test_x");
    const std::string input = "run_check_test_twice.csv";
    WriteFile(input, kInput);
    const std::string same = "bracing-check: --report and -o name the same file, ";
    const std::string theInput = "bracing-check: --report names the input, ";
    const struct {
        std::vector<std::string> arguments;
        std::string err;
    } cases[] = {
        {{"--report", "./run_check_test_x.csv", "-o", "run_check_test_x.csv", input}, same + "./run_check_test_x.csv"},
        {{"--report", input, "-o", "run_check_test_x.csv", input}, theInput + input},
        {{"--report", "./" + input, input}, theInput + "./" + input},
        {{"--report", "run_check_test_x.docx", "--report", "./" + input, input}, theInput + "./" + input},
#ifdef _WIN32
        // Names are case-insensitive here; the file exists or does not yet.
        {{"--report", "结果.CSV", "-o", "结果.csv", input}, same + "结果.CSV"},
        {{"--report", ".\\结果.csv", "-o", "结果.csv", input}, same + ".\\结果.csv"},
        {{"--report", "RUN_CHECK_TEST_TWICE.CSV", input}, theInput + "RUN_CHECK_TEST_TWICE.CSV"},
#endif
    };
    for (const auto& c : cases) {
        const ProgramRun run = RunProgram(c.arguments, "");
        EXPECT_EQ(run.exit, 2) << c.err;
        EXPECT_EQ(run.err, c.err + " (try --help)\n");
        EXPECT_EQ(NamesStartingWith("run_check_test_x") + NamesStartingWith("结果"), "") << c.err;
        EXPECT_EQ(ReadFile(input), kInput) << c.err;
    }
#ifndef _WIN32
    // Two names of one file, through a link.
    std::filesystem::create_symlink("run_check_test_x.html", "run_check_test_x.docx");
    const ProgramRun linked =
        RunProgram({"--report", "run_check_test_x.html", "--report", "run_check_test_x.docx", input}, "");
    EXPECT_EQ(linked.err, "bracing-check: the two --report name the same file, run_check_test_x.docx (try --help)\n");
    RemoveFiles({"run_check_test_x.docx"});
#endif
    RemoveFiles({input});
}

TEST(RunCheck, WhatSitsAtTheNameDecidesHowItIsWritten) {
    RemoveStartingWith("run_check_test_kind.");
    RemoveStartingWith("null.");
    namespace fs = std::filesystem;
    const std::string target = "run_check_test_kind.csv";
    const std::string real = "run_check_test_kind.real.csv";
    struct Case {
        const char* why;
        std::function<void()> make;  // what is at the target before
        std::string name;            // -o; the target unless given
        int exit;
        std::string err;
        fs::file_type after;  // at the target
        std::string real;     // the real file after
    };
    [[maybe_unused]] const auto file = [&](const std::string& name, fs::perms perms) {
        WriteFile(name, "old");
        fs::permissions(name, perms);
    };
    const fs::perms usual = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    const Case cases[] = {
        {"a folder", [&] { fs::create_directory(target); }, "", 2,
         target + ": is a directory, not a file to write\n", fs::file_type::directory, "<none>"},
#ifdef _WIN32
        {"a device: written directly, nothing made beside it", [] {}, "NUL", 0, "", fs::file_type::not_found, "<none>"},
#else
        // A node of its own with /dev/null's numbers: a fault here must not turn the
        // machine's /dev/null into a file.
        {"a device: written directly, never replaced",
         [&] { ASSERT_EQ(mknod(target.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0) << std::strerror(errno); }, "", 0, "",
         fs::file_type::character, "<none>"},
        {"its mode (0640) is kept", [&] { file(target, usual); }, "", 0, "", fs::file_type::regular, "<none>"},
        {"a symlink is written through", [&] { WriteFile(real, "old"); fs::create_symlink(real, target); }, "", 0,
         "", fs::file_type::symlink, kOutput},
        {"a dangling symlink too", [&] { fs::create_symlink(real, target); }, "", 0, "", fs::file_type::symlink,
         kOutput},
        {"a symlink to a folder", [&] { fs::create_directory(real); fs::create_symlink(real, target); }, "", 2,
         target + ": is a directory, not a file to write\n", fs::file_type::symlink, ""},  // the folder reads empty
        {"a hard link keeps the old rows", [&] { file(real, usual); fs::create_hard_link(real, target); }, "", 0,
         target + ": replaced; its 1 other name (hard links) keep the old rows\n", fs::file_type::regular, "old"},
        {"a FIFO is written directly", [&] { fs::remove(target); mkfifo(target.c_str(), 0600); }, "", 0, "",
         fs::file_type::fifo, "<none>"},
#endif
    };
    for (const Case& c : cases) {
        std::error_code ignored;
        fs::remove_all(target, ignored);
        fs::remove_all(real, ignored);
#ifndef _WIN32
        if (c.after == fs::file_type::character && geteuid() != 0) {
            continue;  // only root makes device nodes
        }
#endif
        c.make();
        const std::string name = c.name.empty() ? target : c.name;
        std::string piped;
        std::thread reader;  // a FIFO opens for writing only once someone reads it
        if (c.after == fs::file_type::fifo) {
            reader = std::thread([&] { piped = ReadFile(target); });
        }
        const ProgramRun run = RunProgram({"-o", name}, kInput);
        if (reader.joinable()) {
#ifndef _WIN32
            // A run that failed never opened it: let the reader go.
            const int writer = open(target.c_str(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0) {
                close(writer);
            }
#endif
            reader.join();
            EXPECT_EQ(piped, kOutput);
        }
        EXPECT_EQ(run.exit, c.exit) << c.why;
        // Every run ends by saying what became of the file it was to write.
        EXPECT_EQ(run.err, c.err + (c.exit == 0 ? "written: " + name + "\n"
                                                : "not written: " + name + " (nothing was checked)\n"))
            << c.why;
        EXPECT_EQ(fs::symlink_status(target).type(), c.after) << c.why;
        EXPECT_EQ(ReadFile(real), c.real) << c.why;
        if (c.after == fs::file_type::regular) {
            EXPECT_EQ(ReadFile(target), kOutput) << c.why;
            EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, usual) << c.why;
        }
        EXPECT_EQ(NamesStartingWith("run_check_test_kind.partial") + NamesStartingWith("run_check_test_kind.new") +
                      NamesStartingWith("NUL.") + NamesStartingWith("null."),
                  "")
            << c.why;
        fs::remove_all(target, ignored);
        fs::remove_all(real, ignored);
    }
}

#ifdef _WIN32
TEST(RunCheck, AFileOpenElsewhereIsNotReplaced) {
    // As a spreadsheet holds a file it shows: open, without leave to delete it.
    const std::string target = "run_check_test_open.csv";
    const std::string newFile = "run_check_test_open.new.csv";
    RemoveFiles({newFile});
    WriteFile(target, "old");
    std::FILE* open = std::fopen(target.c_str(), "rb");
    ASSERT_NE(open, nullptr);
    const ProgramRun run = RunProgram({"-o", target}, kInput);
    std::fclose(open);
    EXPECT_EQ(run.exit, 2);
    EXPECT_NE(run.err.find("is it open in another program?); it is left as it was, and the new output is in " +
                           newFile + "\nnot written: " + target + " (the new file is " + newFile + ")\n"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(ReadFile(target), "old");
    EXPECT_EQ(ReadFile(newFile), kOutput);
    RemoveFiles({target, newFile});
}
#endif

TEST(RunCheck, AFailedFinalFlushIsAFailureWithItsReason) {
    std::FILE* full = std::fopen("/dev/full", "wb");
    if (full == nullptr) {
        GTEST_SKIP() << "no /dev/full here";
    }
    const ProgramRun run = RunProgram({}, kInput, full);
    std::fclose(full);
    EXPECT_EQ(run.exit, 2);
    EXPECT_EQ(run.err, std::string("<stdout>: cannot write: ") + std::strerror(ENOSPC) +
                           "; the output is incomplete\n");
}

TEST(RunCheck, TheSheetsAreReplacedOnlyByARunThatGotThrough) {
    RemoveStartingWith("run_check_test_sheet.");
    const std::string csv = "run_check_test_sheet.csv";
    const std::string sheet = "run_check_test_sheet.html";
    const std::string docx = "run_check_test_sheet.docx";
    struct Case {
        const char* why;
        std::string input;
        int exit;
        std::string err;                   // how standard error ends
        std::vector<std::string> inSheet;  // "old": left as it was
        std::vector<std::string> inDocx;   // the stored document's text
    };
    const Case cases[] = {
        {"a run that succeeds", kInput + "\"x\",0,8,2,20,30,12,3\n", 0,
         "written: " + csv + "\nwritten: " + sheet + "\nwritten: " + docx + "\n",
         // The input named by its folder is shown by its name alone.
         {"P &lt;1&gt;\u2069 柱间支撑计算书</title>", "<td><bdi>run_check_test_bays.csv</bdi>", "<bdi>GJ-7</bdi>", "id=\"bay-2\"",
          "参数不能为负数和零</bdi>", "</html>\n"},
         {"PK\x03\x04", "word/document.xml", "\u2068P &lt;1&gt;\u2069", ">\u2068run_check_test_bays.csv\u2069", "\u2068GJ-7\u2069",
          "w:name=\"bay_2\"", "</w:document>"}},
        {"a header that cannot be used", "H,B\n6,8\n", 1,
         "not written: " + csv + " (no usable header)\nnot written: " + sheet + " (no usable header)\nnot written: " +
             docx + " (no usable header)\n",
         {"old"}, {"old"}},
    };
    for (const Case& c : cases) {
        for (const std::string& name : {csv, sheet, docx}) {
            WriteFile(name, "old");
        }
        WriteFile("run_check_test_bays.csv", c.input);
        const ProgramRun run = RunProgram(
            {"-o", csv, "--report", docx, "--report", sheet, "--project", "P <1>", "--number", "GJ-7", "./run_check_test_bays.csv"},
            "");
        EXPECT_EQ(run.exit, c.exit) << c.why;
        EXPECT_EQ(run.err.substr(run.err.size() - std::min(run.err.size(), c.err.size())), c.err) << c.why;
        for (const auto& written : {std::make_pair(ReadFile(sheet), c.inSheet), std::make_pair(ReadFile(docx), c.inDocx)}) {
            for (const std::string& text : written.second) {
                EXPECT_NE(written.first.find(text), std::string::npos) << c.why << ": " << text;
            }
        }
        EXPECT_EQ(NamesStartingWith("run_check_test_sheet.partial") + NamesStartingWith("run_check_test_sheet.new"), "")
            << c.why;
    }
    RemoveFiles({csv, sheet, docx, "run_check_test_bays.csv"});
    for (const auto& arguments : {std::vector<std::string>{"--sections", "--report", sheet},
                                  std::vector<std::string>{"-o", sheet, "--report", sheet},
                                  std::vector<std::string>{"-o", docx, "--report", docx}}) {
        EXPECT_EQ(RunProgram(arguments, kInput).exit, 2) << arguments[0];
    }
}

TEST(RunCheck, InChineseWithTheProjectFromAFile) {
    RemoveStartingWith("run_check_test_zh.");
    const std::string csv = "run_check_test_zh.csv";
    const std::string sheet = "run_check_test_zh.html";
    const std::string project = "run_check_test_zh.txt";
    const std::vector<std::string> arguments = {"--lang", "zh", "-o", csv, "--report", sheet, "--project-file", project};
    struct Case {
        const char* why;
        const char* projectText;  // null: no such file
        std::string input;
        int exit;
        std::string err;
        std::string inSheet;  // the project as the title shows it; empty: the sheet is as it was
    };
    const Case cases[] = {
        {"UTF-8 with a BOM, white space around, a second line", "\xEF\xBB\xBF \xE3\x80\x80某厂房 二期 \r\n第二行\n", kInput,
         0, "已写入：" + csv + "\n已写入：" + sheet + "\n", "某厂房 二期\u2069 柱间支撑计算书</title>"},
        {"GBK, as Notepad on a Chinese Windows saves it", "\xC4\xB3\xB3\xA7\xB7\xBF", kInput, 0,
         "已写入：" + csv + "\n已写入：" + sheet + "\n", "某厂房\u2069 柱间支撑计算书</title>"},
        {"a header that cannot be used: nothing written", "某厂房", "H,B\n", 1,
         "<stdin>:1: 没有 n 列（表头须有 H、B、n、T、W，以及 A 和 i 或 section）；表头各字段：\"H\"、\"B\"\n"
         "未写入：" + csv + "（表头不可用）\n未写入：" + sheet + "（表头不可用）\n", ""},
        {"no project file", nullptr, kInput, 2,
         project + "：无法打开：" + std::strerror(ENOENT) + "\n未写入：" + csv + "（未验算）\n未写入：" + sheet + "（未验算）\n", ""},
    };
    for (const Case& c : cases) {
        RemoveFiles({project});
        if (c.projectText != nullptr) {
            WriteFile(project, c.projectText);
        }
        WriteFile(sheet, "old");
        const ProgramRun run = RunProgram(arguments, c.input);
        EXPECT_EQ(run.exit, c.exit) << c.why;
        EXPECT_EQ(run.err, c.err) << c.why;
        const std::string written = ReadFile(sheet);
        EXPECT_TRUE(c.inSheet.empty() ? written == "old" : written.find(c.inSheet) != std::string::npos) << c.why;
    }
    EXPECT_EQ(RunProgram({"--project", "P", "--project-file", project}, kInput).err,
              "bracing-check: --project and --project-file cannot go together (try --help)\n");
    RemoveFiles({csv, sheet, project});
}

TEST(RunCheck, ScratchFilesOfADeadRunGoAndLongNamesFit) {
    RemoveStartingWith("run_check_test_dead.");
    // Pid 99999999 is past any system's largest; a live run's files stay.
    const std::string dead = "run_check_test_dead.partial-99999999";
    const std::string live = "run_check_test_dead.partial-" + std::to_string(OwnProcessId()) + ".csv";
    for (const std::string& name : {dead + ".csv", dead + ".pages", dead + "-2.html", live}) {
        WriteFile(name, "cut short");
    }
    const ProgramRun run = RunProgram({"-o", "run_check_test_dead.csv", "--report", "run_check_test_dead.html"}, kInput);
    EXPECT_EQ(run.exit, 0) << run.err;
    EXPECT_EQ(NamesStartingWith("run_check_test_dead.partial"), live + " ");
    EXPECT_EQ(ReadFile("run_check_test_dead.csv"), kOutput);
    RemoveFiles({live, "run_check_test_dead.csv", "run_check_test_dead.html"});
    // The longest name a folder takes (255), and one that leaves no room for .partial-<pid>.
    for (std::size_t length : {255, 240}) {
        const std::string name = std::string(length - 4, 'x') + ".csv";
        const ProgramRun longName = RunProgram({"-o", name}, kInput);
        EXPECT_EQ(longName.exit, 0) << longName.err;
        EXPECT_EQ(ReadFile(name), kOutput) << length;
        const std::string shortNames = NamesStartingWith("bracing-");  // beside the program itself
        EXPECT_EQ(shortNames.find(".partial-") + shortNames.find(".new"), 2 * std::string::npos) << shortNames;
        RemoveFiles({name});
    }
}

#ifndef _WIN32
TEST(RunCheck, AnInterruptedRunLeavesNoScratchFiles) {
    RemoveStartingWith("run_check_test_stop.");
    // The real program, fed through a pipe that stays open, stopped mid-run;
    // after SIGKILL the next run writing the same file clears up.
    const std::string csv = "run_check_test_stop.csv";
    const std::string sheet = "run_check_test_stop.html";
    const std::string scratch = "run_check_test_stop.partial";
    std::signal(SIGPIPE, SIG_IGN);
    const struct {
        int signal;
        int status;  // -1: killed, no status
        std::size_t scratchLeft;
    } cases[] = {{SIGINT, 130, 0}, {SIGTERM, 143, 0}, {SIGHUP, 129, 0}, {SIGKILL, -1, 3}};
    for (const auto& c : cases) {
        WriteFile(csv, "old");
        WriteFile(sheet, "old");
        int pipeEnds[2];
        ASSERT_EQ(pipe(pipeEnds), 0);
        const pid_t child = fork();
        if (child == 0) {
            dup2(pipeEnds[0], 0);
            close(pipeEnds[1]);
            execl(BRACING_CHECK_PROGRAM, "bracing-check", "-o", csv.c_str(), "--report", sheet.c_str(), "-",
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        close(pipeEnds[0]);
        std::string rows;
        for (int k = 0; k < 2000; ++k) {
            rows += "a,6,8,2,20,30,12,3\n";
        }
        const auto scratchCount = [&] {
            const std::string names = NamesStartingWith(scratch);
            return static_cast<std::size_t>(std::count(names.begin(), names.end(), ' '));
        };
        // Rows until the three scratch files (CSV, sheet, pages) are there.
        ASSERT_GT(write(pipeEnds[1], kInput.data(), kInput.size()), 0);
        for (int round = 0; round < 500 && scratchCount() < 3; ++round) {
            ASSERT_GT(write(pipeEnds[1], rows.data(), rows.size()), 0);
        }
        kill(child, c.signal);
        int status = 0;
        waitpid(child, &status, 0);
        close(pipeEnds[1]);
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, c.status) << c.signal;
        EXPECT_EQ(scratchCount(), c.scratchLeft) << NamesStartingWith(scratch);
        EXPECT_EQ(ReadFile(csv) + ReadFile(sheet), "oldold") << c.signal;
        EXPECT_EQ(NamesStartingWith("run_check_test_stop.new"), "") << c.signal;
    }
    EXPECT_EQ(RunProgram({"-o", csv, "--report", sheet}, kInput).exit, 0);
    EXPECT_EQ(NamesStartingWith(scratch), "");
    std::signal(SIGPIPE, SIG_DFL);
    RemoveFiles({csv, sheet});
}
#endif
