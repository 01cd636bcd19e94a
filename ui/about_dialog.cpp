#include "dialogs.h"

namespace {

INT_PTR OnAboutCommand(HWND hwnd, int id) {
    switch (id) {
    case IDOK:
        EndDialog(hwnd, 1);
        return TRUE;
    case IDCANCEL:
        EndDialog(hwnd, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

INT_PTR CALLBACK AboutDlg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    (void)lParam;
    switch (msg) {
    case WM_CLOSE:
        EndDialog(hwnd, 0);
        return TRUE;
    case WM_COMMAND:
        return OnAboutCommand(hwnd, LOWORD(wParam));
    default:
        return FALSE;
    }
}
