#include "run_check.h"

#include "help_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

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

struct ProgramRun {
    int exit;
    std::string out;
    std::string err;
};

// The program on `input` as its standard input, its output into `out` or a file.
ProgramRun RunProgram(const std::vector<std::string>& arguments, const std::string& input,
               std::FILE* out = nullptr) {
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
    for (const char* option : {"-h", "--help"}) {
        const ProgramRun run = RunProgram({option}, "");
        EXPECT_EQ(run.exit, 0) << option;
        EXPECT_EQ(run.out, kHelpText) << option;
    }
    for (const char* listed : {" -h,", " --  ", " -o FILE", "--encoding utf-8|gbk|utf-16", "--separator ,|;|tab",
                               " --bom ", "--no-bom", "--report FILE.html", "--project NAME", "退出码 Exit status",
                               "  2  "}) {
        EXPECT_NE(std::strstr(kHelpText, listed), nullptr) << listed;
    }
    const ProgramRun bom = RunProgram({"--bom"}, kInput);
    EXPECT_EQ(bom.out, "\xEF\xBB\xBF" + kOutput);
    EXPECT_EQ(bom.exit, 0);
}

TEST(RunCheck, SectionsAndDesignOptionsThroughTheProgram) {
    const ProgramRun table = RunProgram({"--sections"}, "");
    EXPECT_EQ(table.exit, 0);
    EXPECT_EQ(table.out.rfind("designation,A,ix,ix0,iy0,mass\nL20x3,1.132,0.595,0.747,0.387,0.889\n", 0), 0u);
    EXPECT_EQ(std::count(table.out.begin(), table.out.end(), '\n'), 116);  // 115 sizes
    EXPECT_EQ(RunProgram({"--sections", "--bom"}, "").out, "\xEF\xBB\xBF" + table.out);
    const std::string file = "run_check_test_sections.csv";
    EXPECT_EQ(RunProgram({"--sections", "-o", file}, "").exit, 0);
    EXPECT_EQ(ReadFile(file), table.out);
    RemoveFiles({file});
    EXPECT_EQ(RunProgram({"--sections", "-o", "run_check_test_no_folder/angles.csv"}, "").exit, 2);
    // Q355, nothing under 63 mm: L63x4 in tension; in compression its legs are
    // too slender for Q355 (w/t 13.75 over 15 εk = 12.2), so L63x5.
    const ProgramRun sized = RunProgram({"--grade", "Q355", "--min-leg", "63"}, "H,B,n,T,W,section\n1,1,1,0,1,\n");
    EXPECT_NE(sized.out.find(",L63x4,72.3,400,2.84,0.181,OK,L63x5,56.6,200,0.841,"), std::string::npos) << sized.out;
    EXPECT_EQ(sized.exit, 0);
}

TEST(RunCheck, AnOutputFileIsReplacedOnlyByARunThatGotThrough) {
    const std::string target = "run_check_test_out.csv";
    const std::string newFile = "run_check_test_out.new.csv";
    RemoveFiles({newFile});
    struct Case {
        const char* why;
        std::vector<std::string> arguments;
        std::string input;
        int exit;
        std::string file;
        std::string err;
    };
    const Case cases[] = {
        {"a run that succeeds", {"-o", target}, kInput, 0, kOutput, ""},
        {"a header that cannot be used", {"-o", target}, "H,B\n6,8\n", 1, "old",
         "<stdin>:1: no column named n (the header must name H, B, n, T, W and either A and i or "
         "section; names are case-sensitive); the header's fields: \"H\", \"B\"\n" + target + ": left as it was\n"},
        {"an input that does not open", {"-o", target, "run_check_test_missing.csv"}, "", 2, "old",
         std::string("run_check_test_missing.csv: cannot open: ") + std::strerror(ENOENT) + "\n"},
    };
    for (const Case& c : cases) {
        WriteFile(target, "old");
        const ProgramRun run = RunProgram(c.arguments, c.input);
        EXPECT_EQ(run.exit, c.exit) << c.why;
        EXPECT_EQ(run.out, "") << c.why;
        EXPECT_EQ(run.err, c.err) << c.why;
        EXPECT_EQ(ReadFile(target), c.file) << c.why;
        EXPECT_EQ(ReadFile(newFile), "<none>") << c.why;
    }
    // In place: the input is closed before it is replaced, as Windows needs.
    WriteFile(target, kInput);
    const ProgramRun inPlace = RunProgram({"-o", target, target}, "");
    EXPECT_EQ(inPlace.exit, 0) << inPlace.err;
    EXPECT_EQ(ReadFile(target), kOutput);
    const ProgramRun noFolder = RunProgram({"-o", "run_check_test_none/out.csv"}, kInput);
    EXPECT_EQ(noFolder.exit, 2);
    EXPECT_EQ(noFolder.err, std::string("run_check_test_none/out.new.csv: cannot create: ") + std::strerror(ENOENT) + "\n");
    RemoveFiles({target});
}

TEST(RunCheck, AnOutputFileThatCannotBeReplacedKeepsBoth) {
    // A folder stands in for a file a spreadsheet holds open; a .new file
    // from an earlier such run is left alone.
    const std::string target = "run_check_test_folder.csv";
    const std::string earlier = "run_check_test_folder.new.csv";
    const std::string newFile = "run_check_test_folder.new2.csv";
    RemoveFiles({target, newFile});
    std::filesystem::create_directory(target);
    WriteFile(earlier, "earlier");
    const ProgramRun run = RunProgram({"-o", target}, kInput);
    EXPECT_EQ(run.exit, 2);
    EXPECT_EQ(run.err.rfind(target + ": cannot replace it (", 0), 0u) << run.err;
    EXPECT_NE(run.err.find("); it is left as it was, and the new output is in " + newFile + "\n"),
              std::string::npos)
        << run.err;
    EXPECT_TRUE(std::filesystem::is_directory(target));
    EXPECT_EQ(ReadFile(newFile), kOutput);
    EXPECT_EQ(ReadFile(earlier), "earlier");
    RemoveFiles({target, newFile, earlier});
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
                           newFile + "\n"),
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

TEST(RunCheck, TheSheetIsReplacedOnlyByARunThatGotThrough) {
    const std::string csv = "run_check_test_sheet.csv";
    const std::string sheet = "run_check_test_sheet.html";
    const std::vector<std::string> scratch = {"run_check_test_sheet.new.csv", "run_check_test_sheet.new.html",
                                              "run_check_test_sheet.html.new.pages"};
    RemoveFiles(scratch);
    struct Case {
        const char* why;
        std::string input;
        int exit;
        std::string err;                   // how standard error ends
        std::vector<std::string> inSheet;  // "old": left as it was
    };
    const Case cases[] = {
        {"a run that succeeds", kInput + "\"x\",0,8,2,20,30,12,3\n", 0, "",
         {"P &lt;1&gt;\u2069 柱间支撑计算书</title>", "<bdi>run_check_test_bays.csv</bdi>", "id=\"bay-2\"",
          "参数不能为负数和零</bdi>", "</html>\n"}},
        {"a header that cannot be used", "H,B\n6,8\n", 1,
         csv + ": left as it was\n" + sheet + ": left as it was\n", {"old"}},
    };
    for (const Case& c : cases) {
        WriteFile(csv, "old");
        WriteFile(sheet, "old");
        WriteFile("run_check_test_bays.csv", c.input);
        const ProgramRun run =
            RunProgram({"-o", csv, "--report", sheet, "--project", "P <1>", "run_check_test_bays.csv"}, "");
        EXPECT_EQ(run.exit, c.exit) << c.why;
        EXPECT_EQ(run.err.substr(run.err.size() - std::min(run.err.size(), c.err.size())), c.err) << c.why;
        const std::string written = ReadFile(sheet);
        for (const std::string& text : c.inSheet) {
            EXPECT_NE(written.find(text), std::string::npos) << c.why << ": " << text;
        }
        for (const std::string& name : scratch) {
            EXPECT_EQ(ReadFile(name), "<none>") << c.why << ": " << name;
        }
    }
    RemoveFiles({csv, sheet, "run_check_test_bays.csv"});
    for (const auto& arguments : {std::vector<std::string>{"--sections", "--report", sheet},
                                  std::vector<std::string>{"-o", sheet, "--report", sheet}}) {
        EXPECT_EQ(RunProgram(arguments, kInput).exit, 2) << arguments[0];
    }
}
