// Acting as the user on the real bracing.exe under the real dialog
// manager: starting it, keyboard input through SendInput, and reading what
// its windows show from the outside.
#ifndef BRACING_TESTS_GUI_DRIVER_H
#define BRACING_TESTS_GUI_DRIVER_H

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>

// bracing.exe, built beside the test programs.
std::string ProgramPath();

// One SendInput batch: `held` down, `key` pressed and released, `held` up.
void SendKeyChord(std::initializer_list<WORD> held, WORD key);

// One character as the keyboard delivers it to the focused window.
void TypeChar(char c);

// Text of a window of any process, as UTF-8.
std::string ControlText(HWND control);
std::string ItemText(HWND dialog, int id);

// Polls `condition` until it holds or `ms` milliseconds have passed.
bool WaitFor(const std::function<bool()>& condition, int ms = 10000);

// Makes `window` the foreground window, as a click on it would.
void Bring(HWND window);

// One run of bracing.exe, ended by force if a test leaves it open.
class Program {
public:
    static constexpr long kStillRunning = -99;

    explicit Program(const std::string& arguments = "");
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The main window, or null if it did not appear.
    HWND Main() const { return main_; }
    // A visible dialog box of the program with this caption, or null.
    HWND FindBox(const std::string& caption, int ms = 5000) const;
    // The control ID of the window that has the program's keyboard focus.
    int FocusedId() const;
    // The exit status, or kStillRunning if it still runs after `ms`.
    long ExitStatus(int ms = 10000) const;

private:
    HWND FindDialog(const std::string* caption, int ms) const;

    PROCESS_INFORMATION process_ = {};
    bool started_ = false;
    HWND main_ = nullptr;
};

#endif
