#include "gui_driver.h"

#include "ui/dialogs.h"

namespace {

struct WatchState {
    WORD closingKey = VK_RETURN;
    std::vector<SeenBox> seen;
    std::vector<HWND> handled;
    bool ownerDisabled = false;
};

WatchState* g_watch = nullptr;

std::string ToUtf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], size, nullptr, nullptr);
    out.resize(out.size() - 1);
    return out;
}

BOOL CALLBACK CollectStatic(HWND child, LPARAM param) {
    SeenBox* box = reinterpret_cast<SeenBox*>(param);
    char className[32] = {};
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") == 0) {
        const std::string text = ControlText(child);
        if (!text.empty()) {
            box->texts.push_back(text);
        }
    } else if (lstrcmpiA(className, "Button") == 0) {
        ++box->buttons;
    }
    return TRUE;
}

BOOL CALLBACK RememberWindow(HWND window, LPARAM) {
    g_watch->handled.push_back(window);
    return TRUE;
}

BOOL CALLBACK FindModalBox(HWND window, LPARAM) {
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") != 0 || !IsWindowVisible(window)) {
        return TRUE;
    }
    for (HWND done : g_watch->handled) {
        if (done == window) {
            return TRUE;
        }
    }
    g_watch->handled.push_back(window);
    SeenBox box;
    box.caption = ControlText(window);
    EnumChildWindows(window, CollectStatic, reinterpret_cast<LPARAM>(&box));
    g_watch->seen.push_back(box);
    HWND owner = GetWindow(window, GW_OWNER);
    g_watch->ownerDisabled = owner != nullptr && !IsWindowEnabled(owner);
    // Dismiss it as the user would: the box has the focus.
    SetForegroundWindow(window);
    PostMessageA(window, WM_KEYDOWN, g_watch->closingKey, 0);
    PostMessageA(window, WM_KEYUP, g_watch->closingKey, 0);
    return FALSE;
}

}  // namespace

std::string ProgramPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string self(path);
    return self.substr(0, self.find_last_of("\\/") + 1) + "bracing.exe";
}

void SendKeyChord(std::initializer_list<WORD> held, WORD key) {
    std::vector<INPUT> inputs;
    auto add = [&inputs](WORD vk, bool up) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    for (WORD vk : held) add(vk, false);
    add(key, false);
    add(key, true);
    for (WORD vk : held) add(vk, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

HWND OpenMainDialog() {
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN),
                                     nullptr, DialogFunc, 0);
    if (dialog != nullptr) {
        Activate(dialog);
    }
    return dialog;
}

void Pump(HWND dialog, int ms) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (dialog != nullptr && IsWindow(dialog) && IsDialogMessageA(dialog, &msg)) {
                continue;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void PressKey(HWND dialog, WORD virtualKey) {
    SendKeyChord({}, virtualKey);
    Pump(dialog, 60);
}

void TypeKeys(HWND dialog, const std::string& text) {
    for (char c : text) {
        const SHORT scan = VkKeyScanA(c);
        const WORD vk = LOBYTE(scan);
        const bool shift = (HIBYTE(scan) & 1) != 0;
        if (shift) {
            SendKeyChord({VK_SHIFT}, vk);
        } else {
            SendKeyChord({}, vk);
        }
        Pump(dialog, 5);
    }
    Pump(dialog, 60);
}

void PasteText(HWND dialog, const std::string& text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    char* chars = static_cast<char*>(GlobalLock(memory));
    lstrcpyA(chars, text.c_str());
    GlobalUnlock(memory);
    if (OpenClipboard(dialog)) {
        EmptyClipboard();
        SetClipboardData(CF_TEXT, memory);
        CloseClipboard();
    }
    SendKeyChord({VK_CONTROL}, 'V');
    Pump(dialog, 200);
}

// WM_GETTEXT itself: GetWindowText does not ask controls of other processes.
std::string ControlText(HWND control) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(control, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(&text[0]),
                        SMTO_ABORTIFHUNG, 2000, &copied);
    return ToUtf8(text.c_str());
}

std::string ItemText(HWND dialog, int id) { return ControlText(GetDlgItem(dialog, id)); }

int FocusedId() {
    HWND focus = GetFocus();
    return focus != nullptr ? GetDlgCtrlID(focus) : 0;
}

void Activate(HWND window) {
    SetForegroundWindow(window);
    SetActiveWindow(window);
    Pump(window, 100);
}

ModalWatcher::ModalWatcher(WORD closingKey, UINT intervalMs) {
    g_watch = new WatchState;
    g_watch->closingKey = closingKey;
    // Only boxes that open from now on: the dialog under test stays.
    EnumThreadWindows(GetCurrentThreadId(), RememberWindow, 0);
    timer_ = SetTimer(nullptr, 0, intervalMs, OnTimer);
}

ModalWatcher::~ModalWatcher() {
    KillTimer(nullptr, timer_);
    delete g_watch;
    g_watch = nullptr;
}

const std::vector<SeenBox>& ModalWatcher::Seen() const { return g_watch->seen; }

bool ModalWatcher::OwnerWasDisabled() const { return g_watch->ownerDisabled; }

void CALLBACK ModalWatcher::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (g_watch != nullptr) {
        EnumThreadWindows(GetCurrentThreadId(), FindModalBox, 0);
    }
}
