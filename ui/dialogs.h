/* The bracing program's dialogs: resource and control IDs, and the dialog
 * procedures behind templates IDD_MAIN and IDD_ABOUT. */
#ifndef BRACING_UI_DIALOGS_H
#define BRACING_UI_DIALOGS_H

#include "control_ids.h"

#ifndef RC_INVOKED
#include <windows.h>

/* Main window. Returns 1 exactly when it has just ended the dialog. */
INT_PTR CALLBACK DialogFunc(HWND hwndDlg, UINT msg, WPARAM wParam, LPARAM lParam);

/* About box, run modally from the main window's About button. */
INT_PTR CALLBACK AboutDlg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

/* Start-up hook called from the main window's WM_INITDIALOG. */
int InitializeApp(HWND hDlg, WPARAM wParam, LPARAM lParam);
#endif

#endif
