// Yardsticks for start-up time, built exactly like the calculator and doing
// nothing but run a dialog: the one-button template of this folder, or
// (TEMPLATE_ID 100) the calculator's own main template with a procedure
// that does nothing.
#include <windows.h>

namespace {

INT_PTR CALLBACK MinimalDialog(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    (void)lParam;
    switch (msg) {
    case WM_CLOSE:
        EndDialog(hwnd, 0);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            EndDialog(hwnd, 0);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

#ifndef TEMPLATE_ID
#define TEMPLATE_ID 1
#endif

int WINAPI WinMain(HINSTANCE hInst, HINSTANCE, LPSTR, int) {
    return static_cast<int>(DialogBoxParamA(hInst, MAKEINTRESOURCEA(TEMPLATE_ID), nullptr, MinimalDialog, 0));
}
