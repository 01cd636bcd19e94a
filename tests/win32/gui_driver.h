// Acting as the user on a real dialog under the real dialog manager:
// keyboard input through SendInput, a message pump, and a watcher that
// finds, reads and dismisses modal boxes so that no test can hang on one.
#ifndef BRACING_TESTS_GUI_DRIVER_H
#define BRACING_TESTS_GUI_DRIVER_H

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

// The main window, modeless, from the real template with the real
// DialogFunc, made active as the user would find it.
HWND OpenMainDialog();

// bracing.exe, built beside the test programs.
std::string ProgramPath();

// One SendInput batch: `held` down, `key` pressed and released, `held` up.
void SendKeyChord(std::initializer_list<WORD> held, WORD key);

// Runs the thread's messages for about `ms` milliseconds, giving dialog
// keys (Tab, Enter, Esc) to `dialog` as its modal loop would.
void Pump(HWND dialog, int ms = 150);

// Types `text` (printable ASCII) into the window that has the focus.
void TypeKeys(HWND dialog, const std::string& text);
void PressKey(HWND dialog, WORD virtualKey);
// Puts `text` on the clipboard and pastes it with Ctrl+V.
void PasteText(HWND dialog, const std::string& text);

// Text of a control, as UTF-8.
std::string ControlText(HWND control);
std::string ItemText(HWND dialog, int id);

// The control ID of the window that has the keyboard focus, or 0.
int FocusedId();

// Makes `window` the active, foreground window, as a click on it would.
void Activate(HWND window);

// A modal box seen by the watcher: its caption and every static text.
struct SeenBox {
    std::string caption;
    std::vector<std::string> texts;
    int buttons = 0;
};

// While it lives, a thread timer looks for dialog boxes of this thread that
// open after it was made (modal boxes run their own message loops inside
// the dialog procedures) and dismisses each with `closingKey`, after
// recording it.
class ModalWatcher {
public:
    explicit ModalWatcher(WORD closingKey = VK_RETURN, UINT intervalMs = 100);
    ~ModalWatcher();
    ModalWatcher(const ModalWatcher&) = delete;
    ModalWatcher& operator=(const ModalWatcher&) = delete;

    const std::vector<SeenBox>& Seen() const;
    // Which window was disabled (the owner) while the last box was up.
    bool OwnerWasDisabled() const;

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    UINT_PTR timer_ = 0;
};

#endif
