// The dialog procedures' answers, called directly on dialogs made from the
// real templates: 1 exactly when the dialog has just ended.
#include "ui/dialogs.h"

#include <gtest/gtest.h>

int WINAPI WinMain(HINSTANCE hInst, HINSTANCE hinstPrev, LPSTR lpCmdLine, int nCmdShow);

namespace {

UINT g_aboutMessage = WM_CLOSE;
WPARAM g_aboutWParam = 0;

// Gives the About box that message from inside its modal loop.
void CALLBACK MessageAboutBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = FindWindowW(L"#32770", L"关于本软件");
    if (box != nullptr) {
        KillTimer(nullptr, timer);
        PostMessageA(box, g_aboutMessage, g_aboutWParam, 0);
    }
}

}  // namespace

TEST(DialogProcedures, AnswerOneExactlyWhenTheDialogEnds) {
    struct Case {
        const char* why;
        int dialog;
        DLGPROC proc;
        UINT msg;
        WPARAM wParam;
        INT_PTR answer;
    } cases[] = {
        {"close box", IDD_MAIN, DialogFunc, WM_CLOSE, 0, TRUE},
        {"close button", IDD_MAIN, DialogFunc, WM_COMMAND, IDM_EXIT, TRUE},
        {"close button, any notification", IDD_MAIN, DialogFunc, WM_COMMAND, MAKEWPARAM(IDM_EXIT, BN_SETFOCUS), TRUE},
        {"Esc does nothing", IDD_MAIN, DialogFunc, WM_COMMAND, IDCANCEL, FALSE},
        {"a result field", IDD_MAIN, DialogFunc, WM_COMMAND, ID_T_N, FALSE},
        {"an input field losing the focus", IDD_MAIN, DialogFunc, WM_COMMAND, MAKEWPARAM(ID_H, EN_KILLFOCUS), FALSE},
        {"unknown command", IDD_MAIN, DialogFunc, WM_COMMAND, 9999, FALSE},
        {"paint", IDD_MAIN, DialogFunc, WM_PAINT, 0, FALSE},
        {"About: OK", IDD_ABOUT, AboutDlg, WM_COMMAND, IDOK, TRUE},
        {"About: Esc", IDD_ABOUT, AboutDlg, WM_COMMAND, IDCANCEL, TRUE},
        {"About: close box", IDD_ABOUT, AboutDlg, WM_CLOSE, 0, TRUE},
        {"About: unknown command", IDD_ABOUT, AboutDlg, WM_COMMAND, 9999, FALSE},
        {"About: sets no focus of its own", IDD_ABOUT, AboutDlg, WM_INITDIALOG, 0, FALSE},
    };
    for (const Case& c : cases) {
        HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(c.dialog),
                                         nullptr, c.proc, 0);
        ASSERT_NE(dialog, nullptr) << c.why;
        EXPECT_EQ(c.proc(dialog, c.msg, c.wParam, 0), c.answer) << c.why;
        EXPECT_EQ(IsWindowVisible(dialog) == FALSE, c.answer == TRUE) << c.why << ": ended or not";
        DestroyWindow(dialog);
    }
}

TEST(DialogProcedures, AboutBoxEndsWithOneForOkAndZeroOtherwise) {
    const struct {
        UINT msg;
        WPARAM wParam;
        INT_PTR result;
    } cases[] = {{WM_COMMAND, IDOK, 1}, {WM_COMMAND, IDCANCEL, 0}, {WM_CLOSE, 0, 0}};
    for (const auto& c : cases) {
        g_aboutMessage = c.msg;
        g_aboutWParam = c.wParam;
        SetTimer(nullptr, 0, 50, MessageAboutBox);
        EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(IDD_ABOUT), nullptr, AboutDlg, 0), c.result)
            << c.msg << " " << c.wParam;
    }
}

TEST(StartUp, ReturnsMinusOneWhenTheMainDialogCannotBeCreated) {
    // A module without template 100.
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    ASSERT_EQ(FindResourceA(kernel, MAKEINTRESOURCEA(IDD_MAIN), MAKEINTRESOURCEA(5)), nullptr);
    EXPECT_EQ(WinMain(kernel, nullptr, const_cast<char*>(""), SW_SHOW), -1);
}
