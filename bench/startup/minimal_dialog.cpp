// The yardstick for start-up time: a one-button dialog built exactly like
// the calculator, doing nothing else.
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

int WINAPI WinMain(HINSTANCE hInst, HINSTANCE, LPSTR, int) {
    return static_cast<int>(DialogBoxParamA(hInst, MAKEINTRESOURCEA(1), nullptr, MinimalDialog, 0));
}
