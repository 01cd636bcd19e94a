// bracing-check.exe and bracing-check.bat in a console window of their
// own, as a user on a Chinese Windows gets them (Wine's zh_CN here): what
// the window shows is read back from its screen, so mojibake shows as it.
#include "io/byte_streams.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Beside the test programs.
fs::path Built(const char* name) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return fs::path(self).parent_path() / name;
}

std::string ReadAll(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return file ? std::string(std::istreambuf_iterator<char>(file), {}) : "<none>";
}

void WriteAll(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

struct ConsoleRun {
    DWORD exit;
    std::string screen;  // its lines, trailing blanks cut, in UTF-8
};

// `command` run in `folder` in a new console set to `codePage`, with one
// Enter waiting in its input for a pause.
ConsoleRun RunInConsole(std::wstring command, UINT codePage, const fs::path& folder) {
    FreeConsole();
    AllocConsole();
    SetConsoleOutputCP(codePage);
    SetConsoleCP(codePage);
    SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
    const HANDLE in = CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, share, &inherited, OPEN_EXISTING, 0, nullptr);
    const HANDLE out = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, share, &inherited, OPEN_EXISTING, 0, nullptr);
    SetConsoleScreenBufferSize(out, COORD{400, 200});  // no line wraps
    INPUT_RECORD enter[2] = {};
    for (int k = 0; k < 2; ++k) {
        enter[k].EventType = KEY_EVENT;
        enter[k].Event.KeyEvent.bKeyDown = k == 0;
        enter[k].Event.KeyEvent.wRepeatCount = 1;
        enter[k].Event.KeyEvent.wVirtualKeyCode = VK_RETURN;
        enter[k].Event.KeyEvent.uChar.UnicodeChar = L'\r';
    }
    DWORD put = 0;
    WriteConsoleInputW(in, enter, 2, &put);
    // The console's own handles: the test's standard streams stay CTest's.
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
    startup.hStdOutput = out;
    startup.hStdError = out;
    PROCESS_INFORMATION process = {};
    ConsoleRun run = {~DWORD{0}, ""};
    if (CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(), &startup, &process)) {
        WaitForSingleObject(process.hProcess, 60000);
        GetExitCodeProcess(process.hProcess, &run.exit);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CONSOLE_SCREEN_BUFFER_INFO info = {};
    GetConsoleScreenBufferInfo(out, &info);
    std::wstring row(static_cast<std::size_t>(info.dwSize.X), L' ');
    // Up to the cursor: the row it waits on at the start of is not written yet.
    const SHORT rows = static_cast<SHORT>(info.dwCursorPosition.Y + (info.dwCursorPosition.X > 0 ? 1 : 0));
    for (SHORT y = 0; y < rows; ++y) {
        DWORD read = 0;
        ReadConsoleOutputCharacterW(out, &row[0], static_cast<DWORD>(row.size()), COORD{0, y}, &read);
        const std::size_t end = row.find_last_not_of(L' ');
        run.screen += Utf8Text(std::wstring_view(row).substr(0, end == std::wstring::npos ? 0 : end + 1)) + "\n";
    }
    CloseHandle(in);
    CloseHandle(out);
    FreeConsole();
    return run;
}

}  // namespace

TEST(Console, ChineseReadsRightWhateverTheCodePage) {
    // Chinese Windows' 936, a Western 437, and UTF-8.
    const fs::path folder = fs::current_path() / fs::u8path("console_test 表头");
    fs::create_directories(folder);
    WriteAll(folder / "bays.csv", "H,B\n");
    const std::wstring command = L"\"" + Built("bracing-check.exe").wstring() + L"\" --lang zh -o out.csv bays.csv";
    for (UINT codePage : {936u, 437u, 65001u}) {
        const ConsoleRun run = RunInConsole(command, codePage, folder);
        EXPECT_EQ(run.exit, 1u) << codePage;
        EXPECT_EQ(run.screen,
                  "bays.csv:1: 没有 n 列（表头须有 H、B、n、T、W，以及 A 和 i 或 section）；表头各字段：\"H\"、\"B\"\n"
                  "未写入：out.csv（表头不可用）\n")
            << codePage;
    }
    fs::remove_all(folder);
}

TEST(Console, TheBatchFileInChineseFoldersWithSpaces) {
    // The zip unpacked into one such folder, the bays kept in another with
    // their project.txt; each file dropped on the .bat in turn.
    const fs::path top = fs::current_path() / fs::u8path("console_test 柱撑");
    fs::remove_all(top);
    const fs::path tools = top / fs::u8path("柱撑 工具");
    const fs::path data = top / fs::u8path("某厂房 数据");
    fs::create_directories(tools);
    fs::create_directories(data);
    fs::copy_file(Built("bracing-check.exe"), tools / "bracing-check.exe");
    fs::copy_file(fs::u8path(BRACING_CHECK_BAT), tools / "bracing-check.bat");
    fs::copy_file(fs::u8path(BRACING_TEMPLATE), data / fs::u8path("二期 柱撑.csv"));
    WriteAll(data / "project.txt", "\xEF\xBB\xBF某厂房 二期\r\n");
    WriteAll(data / fs::u8path("表头不对.csv"), "H,B\n6,8\n");
    WriteAll(data / fs::u8path("表头不对-results.csv"), "old");
    const std::string where = Utf8Text(data.wstring()) + "\\";
    const struct {
        const char* why;
        const char* dropped;  // empty: the .bat opened with nothing
        DWORD exit;
        std::vector<std::string> shown;
    } cases[] = {
        {"nothing dropped: what it is for", "", 2,
         {"把柱撑的 CSV 文件拖到 bracing-check.bat 上：\n在它旁边写出结果 名称-results.csv 和计算书 名称-sheet.html、名称-sheet.docx。\n"
          "同一文件夹中有 project.txt 时，其第一行为计算书上的工程名称。\n"}},
        {"the bays", "二期 柱撑.csv", 0,
         {"验算 \"二期 柱撑.csv\"\n已写入：" + where + "二期 柱撑-results.csv\n已写入：" + where + "二期 柱撑-sheet.html\n已写入：" + where +
              "二期 柱撑-sheet.docx\n\n"}},
        {"its own results again: checked into themselves", "二期 柱撑-results.csv", 0,
         {"验算 \"二期 柱撑-results.csv\"\n" + where + "二期 柱撑-results.csv: N1、Nt1、Lx1、",
          "\n已写入：" + where + "二期 柱撑-results.csv\n已写入：" + where + "二期 柱撑-sheet.html\n已写入：" +
              where + "二期 柱撑-sheet.docx\n"}},
        {"a header that cannot be used: nothing written, nothing guessed", "表头不对.csv", 1,
         {"\n未写入：" + where + "表头不对-results.csv（表头不可用）\n未写入：" + where + "表头不对-sheet.html（表头不可用）\n未写入：" + where +
              "表头不对-sheet.docx（表头不可用）\n\n"}},
    };
    std::string firstResults;
    for (const auto& c : cases) {
        const std::wstring dropped = *c.dropped ? L" \"" + (data / fs::u8path(c.dropped)).wstring() + L"\"" : L"";
        const ConsoleRun run = RunInConsole(L"cmd /c bracing-check.bat" + dropped, 936, tools);
        EXPECT_EQ(run.exit, c.exit) << c.why;
        for (const std::string& shown : c.shown) {
            EXPECT_NE(run.screen.find(shown), std::string::npos) << c.why << ": " << shown << "\n" << run.screen;
        }
        EXPECT_NE(run.screen.find("请按任意键继续"), std::string::npos) << c.why << ": it waits";
        if (c.exit == 0 && firstResults.empty()) {
            firstResults = ReadAll(data / fs::u8path("二期 柱撑-results.csv"));
        }
    }
    EXPECT_EQ(ReadAll(data / fs::u8path("二期 柱撑-results.csv")), firstResults);
    EXPECT_EQ(firstResults.rfind("\xEF\xBB\xBF柱撑编号,柱撑高度(m),", 0), 0u) << firstResults;
    EXPECT_FALSE(fs::exists(data / fs::u8path("二期 柱撑-results-results.csv")));
    EXPECT_NE(ReadAll(data / fs::u8path("二期 柱撑-sheet.html")).find("某厂房 二期"), std::string::npos);
    EXPECT_EQ(ReadAll(data / fs::u8path("表头不对-results.csv")), "old");
    fs::remove_all(top);
}
