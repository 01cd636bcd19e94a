// The real bracing.exe, started as a process and used from the outside:
// keyboard input, the texts it shows, and how it exits.
#include "gui_driver.h"
#include "ui/control_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

bool WaitFor(const std::function<bool()>& condition, int ms = 10000) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    while (!condition()) {
        if (static_cast<LONG>(end - GetTickCount()) <= 0) {
            return false;
        }
        Sleep(20);
    }
    return true;
}

struct WindowSearch {
    DWORD processId;
    std::string caption;  // empty: the main window
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (pid != search->processId || lstrcmpA(className, "#32770") != 0 || !IsWindowVisible(window)) {
        return TRUE;
    }
    const bool isMain = GetWindow(window, GW_OWNER) == nullptr;
    if (search->caption.empty() ? isMain : ControlText(window) == search->caption) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// A key as the user presses it, with time for the program to take it.
void SendKeys(std::initializer_list<WORD> held, WORD key) {
    SendKeyChord(held, key);
    Sleep(30);
}

// Characters as the keyboard delivers them to the window in front.
void TypeChars(const std::string& text) {
    for (char c : text) {
        INPUT inputs[2] = {};
        for (INPUT& input : inputs) {
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = static_cast<WORD>(static_cast<unsigned char>(c));
            input.ki.dwFlags = KEYEVENTF_UNICODE;
        }
        inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        SendInput(2, inputs, sizeof(INPUT));
        Sleep(30);
    }
}

// One run of the program, ended by force if a test leaves it open.
class Program {
public:
    explicit Program(const std::string& arguments = "") {
        std::string commandLine = "\"" + ProgramPath() + "\" " + arguments;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        started_ = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                  nullptr, &startup, &process_) != FALSE;
        if (started_) {
            main_ = FindWindowOf("", 20000);
        }
    }
    ~Program() {
        if (started_) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(process_.hProcess, 99);
            }
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    HWND Main() const { return main_; }

    HWND FindWindowOf(const std::string& caption, int ms = 5000) const {
        WindowSearch search = {process_.dwProcessId, caption, nullptr};
        WaitFor([&search] {
            EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        }, ms);
        return search.found;
    }

    int FocusedId() const {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(process_.dwThreadId, &info);
        return info.hwndFocus != nullptr ? GetDlgCtrlID(info.hwndFocus) : 0;
    }

    // The exit status, or -99 if it is still running after `ms`.
    long ExitStatus(int ms = 10000) const {
        if (WaitForSingleObject(process_.hProcess, static_cast<DWORD>(ms)) != WAIT_OBJECT_0) {
            return -99;
        }
        DWORD status = 0;
        GetExitCodeProcess(process_.hProcess, &status);
        return static_cast<long>(status);
    }

private:
    PROCESS_INFORMATION process_ = {};
    bool started_ = false;
    HWND main_ = nullptr;
};

void Bring(HWND window) {
    SetForegroundWindow(window);
    WaitFor([window] { return GetForegroundWindow() == window; }, 3000);
}

// Saves what the screen shows of `window` as a 24-bit BMP.
void SaveWindowPicture(HWND window, const char* path) {
    RECT rect;
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);

    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    const DWORD rowSize = static_cast<DWORD>((width * 3 + 3) & ~3);
    std::vector<BYTE> pixels(rowSize * static_cast<DWORD>(height));
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
              reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    HANDLE out = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(out, &file, sizeof file, &written, nullptr);
    WriteFile(out, &info, sizeof info, &written, nullptr);
    WriteFile(out, pixels.data(), static_cast<DWORD>(pixels.size()), &written, nullptr);
    CloseHandle(out);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

TEST(Program, FirstExampleTypedByHand) {
    Program program;
    ASSERT_NE(program.Main(), nullptr) << "main dialog did not appear";
    Bring(program.Main());
    EXPECT_EQ(program.FocusedId(), ID_H);
    const char* texts[] = {"6", "8", "2", "20", "30", "12", "3"};
    for (const char* text : texts) {
        TypeChars(text);
        SendKeys({}, VK_TAB);
    }
    EXPECT_TRUE(WaitFor([&] { return ItemText(program.Main(), ID_I) == "3"; }));
    SendKeys({}, VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return ItemText(program.Main(), ID_C_F) != ""; }));
    const int ids[] = {ID_T_N, ID_T_NT, ID_T_LX, ID_T_RX, ID_T_LY, ID_T_RY, ID_T_F, ID_C_N,
                       ID_C_NT, ID_C_LX, ID_C_RX, ID_C_LY, ID_C_RY, ID_C_U, ID_C_F};
    const char* expected[] = {"31.250", "18.750", " 5.000", "  1.25", "10.000",
                              "  2.50", " 26.04",  "15.625", " 9.375", " 5.000",
                              "  3.33", " 7.000",  "  4.67", "0.1403", " 92.81"};
    for (int k = 0; k < 15; ++k) {
        EXPECT_EQ(ItemText(program.Main(), ids[k]), expected[k]) << ids[k];
    }
    EXPECT_EQ(program.FocusedId(), ID_A);
    SaveWindowPicture(program.Main(), "first-example.bmp");

    SendKeys({VK_MENU}, VK_F4);  // Alt+F4: the close box's command
    EXPECT_EQ(program.ExitStatus(), 0);
}

TEST(Program, ErrorBoxAppearsAndIsDismissedWithEnter) {
    Program program;
    ASSERT_NE(program.Main(), nullptr);
    Bring(program.Main());
    SendKeys({}, VK_RETURN);
    HWND box = program.FindWindowOf("错误");
    ASSERT_NE(box, nullptr) << "no error box";
    EXPECT_EQ(GetWindow(box, GW_OWNER), program.Main());
    EXPECT_FALSE(IsWindowEnabled(program.Main())) << "modal to the main window";
    std::vector<std::string> statics;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string text = ControlText(child);
        if (!text.empty()) statics.push_back(text);
    }
    EXPECT_NE(std::find(statics.begin(), statics.end(), "参数不能为负数和零"), statics.end());
    Bring(box);
    SendKeys({}, VK_RETURN);
    EXPECT_TRUE(WaitFor([box] { return !IsWindow(box); }));
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(program.Main()) != FALSE; }));
    EXPECT_EQ(ItemText(program.Main(), ID_T_N), "");
    PostMessageA(program.Main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(program.ExitStatus(), 0);
}

TEST(Program, CloseButtonEndsWithZeroAndArgumentsAreIgnored) {
    Program program("--help /x 6 8 2");
    ASSERT_NE(program.Main(), nullptr);
    EXPECT_EQ(ItemText(program.Main(), ID_H), "") << "arguments are not inputs";
    Bring(program.Main());
    SendKeys({VK_SHIFT}, VK_TAB);  // from the height field back to the close button
    EXPECT_TRUE(WaitFor([&] { return program.FocusedId() == IDM_EXIT; }));
    SendKeys({}, VK_SPACE);
    EXPECT_EQ(program.ExitStatus(), 0);
}

TEST(Program, EscLeavesItOpenAndTheAboutBoxComesAndGoes) {
    Program program;
    ASSERT_NE(program.Main(), nullptr);
    Bring(program.Main());
    SendKeys({}, VK_ESCAPE);
    EXPECT_EQ(program.ExitStatus(300), -99) << "Esc must not close the main window";

    SendKeys({VK_SHIFT}, VK_TAB);
    SendKeys({VK_SHIFT}, VK_TAB);  // the About button
    EXPECT_TRUE(WaitFor([&] { return program.FocusedId() == IDM_ABOUT; }));
    SendKeys({}, VK_SPACE);
    HWND about = program.FindWindowOf("关于本软件");
    ASSERT_NE(about, nullptr);
    Bring(about);
    Sleep(200);
    SaveWindowPicture(about, "about-box.bmp");
    SendKeys({}, VK_RETURN);
    EXPECT_TRUE(WaitFor([about] { return !IsWindow(about); }));
    EXPECT_EQ(program.ExitStatus(300), -99) << "closing the About box leaves the program";
    PostMessageA(program.Main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(program.ExitStatus(), 0);
}

}  // namespace
