#include "dialogs.h"

// The main dialog is the whole program: its modal loop is the only loop,
// and its result (0, or -1 if it cannot be created) is the exit status.
int WINAPI WinMain(HINSTANCE hInst, HINSTANCE hinstPrev, LPSTR lpCmdLine, int nCmdShow) {
    (void)hinstPrev;
    (void)lpCmdLine;
    (void)nCmdShow;
    return static_cast<int>(
        DialogBoxParamA(hInst, MAKEINTRESOURCEA(IDD_MAIN), nullptr, DialogFunc, 0));
}
