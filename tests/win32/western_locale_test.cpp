// The real bracing.exe on a Western system (code page 1252 under Wine's
// en_US): its ANSI dialogs must still read in Chinese. Texts are read with
// the W calls, so a question mark here is one the program really shows.
#include "gui_driver.h"
#include "ui/control_ids.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Search {
    DWORD processId;
    HWND owner;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM param) {
    Search* search = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char className[8] = {};
    GetClassNameA(window, className, sizeof className);
    if (pid == search->processId && lstrcmpA(className, "#32770") == 0 &&
        IsWindowVisible(window) && GetWindow(window, GW_OWNER) == search->owner) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The process's visible dialog owned by `owner`, waited for up to 20 s.
HWND WaitForDialog(DWORD processId, HWND owner) {
    Search search = {processId, owner, nullptr};
    for (int k = 0; k < 1000 && search.found == nullptr; ++k) {
        EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
        Sleep(search.found == nullptr ? 20 : 0);
    }
    return search.found;
}

bool HasChildText(HWND window, const char* text) {
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (ControlText(child) == text) {
            return true;
        }
    }
    return false;
}

// Ends the program if a failed check leaves it open.
struct Started {
    PROCESS_INFORMATION info = {};
    ~Started() {
        TerminateProcess(info.hProcess, 99);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
};

TEST(WesternLocale, DialogAndErrorBoxReadInChinese) {
    std::string commandLine = "\"" + ProgramPath() + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    Started process;
    ASSERT_TRUE(CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process.info));
    HWND main = WaitForDialog(process.info.dwProcessId, nullptr);
    ASSERT_NE(main, nullptr) << "main dialog did not appear";

    EXPECT_EQ(ControlText(main), "柱间支撑计算--");
    // A label of each group (the picture's has only its caption); φ has no
    // place in code page 1252.
    for (const char* label : {"柱撑高度 H (m)", "柱撑示意图", "斜杆内力(拉力)  N(kN)=",
                              "B类压杆稳定系数     φ="}) {
        EXPECT_TRUE(HasChildText(main, label)) << label;
    }
    EXPECT_EQ(ItemText(main, IDOK), "显示结果");

    // All inputs empty: 显示结果 brings the error box.
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(main, IDOK)));
    HWND box = WaitForDialog(process.info.dwProcessId, main);
    EXPECT_NE(box, nullptr) << "no error box";
    if (box != nullptr) {
        EXPECT_EQ(ControlText(box), "错误");
        EXPECT_TRUE(HasChildText(box, "参数不能为负数和零"));
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }

    PostMessageA(main, WM_CLOSE, 0, 0);
    DWORD status = 99;
    WaitForSingleObject(process.info.hProcess, 10000);
    GetExitCodeProcess(process.info.hProcess, &status);
    EXPECT_EQ(status, 0u) << "closing ends it with status 0";
}

}  // namespace
