#include "dialogs.h"
#include "error_box.h"
#include "input_fields.h"
#include "result_rows.h"

#include <cstdlib>
#include <limits>

namespace {

// Everything the main window knows: what is typed, and the last results
// that were accepted.
struct MainDialogData {
    BracingInputs inputs;
    BracingResults results;
};

MainDialogData g_dialog;

// The whole text, however long: the value computed is the value shown.
void ReadInputField(HWND hwndDlg, int id) {
    const int length = GetWindowTextLengthA(GetDlgItem(hwndDlg, id));
    char shortText[64];
    char* text = shortText;
    if (length >= static_cast<int>(sizeof shortText)) {
        text = static_cast<char*>(std::malloc(static_cast<std::size_t>(length) + 1));
        if (text == nullptr) {
            // Never compute with a number other than the one shown.
            StoreFieldValue(g_dialog.inputs, id, std::numeric_limits<double>::quiet_NaN());
            return;
        }
    }
    GetDlgItemTextA(hwndDlg, id, text, length + 1);
    StoreFieldText(g_dialog.inputs, id, text);
    if (text != shortText) {
        std::free(text);
    }
}

void ShowResults(HWND hwndDlg, const BracingResults& results) {
    for (const ResultRow& row : kResultRows) {
        SetDlgItemTextA(hwndDlg, row.id, FormatResultRow(row, results).chars);
    }
}

void ComputeAndShow(HWND hwndDlg) {
    BracingResults results;
    if (!ComputeBracing(g_dialog.inputs, results)) {
        ShowRejectedInputBox(hwndDlg);
        return;
    }
    g_dialog.results = results;
    ShowResults(hwndDlg, g_dialog.results);
    // Ready for the next trial section.
    SetFocus(GetDlgItem(hwndDlg, ID_A));
}

void ShowAboutBox(HWND hwndDlg) {
    DialogBoxParamA(nullptr, MAKEINTRESOURCEA(IDD_ABOUT), hwndDlg, AboutDlg, 0);
}

INT_PTR OnInitDialog(HWND hwndDlg, WPARAM wParam, LPARAM lParam) {
    g_dialog = MainDialogData();
    InitializeApp(hwndDlg, wParam, lParam);
    SetFocus(GetDlgItem(hwndDlg, ID_H));
    return FALSE;  // focus already set
}

INT_PTR OnCommand(HWND hwndDlg, int id) {
    switch (id) {
    case IDOK:
        ComputeAndShow(hwndDlg);
        return FALSE;
    case IDM_ABOUT:
        ShowAboutBox(hwndDlg);
        return FALSE;
    case IDM_EXIT:
        EndDialog(hwndDlg, 0);
        return TRUE;
    default:
        // Every notification of an input field re-reads it, so the inputs
        // always follow the texts.
        if (FindInputField(id) != nullptr) {
            ReadInputField(hwndDlg, id);
        }
        return FALSE;  // Esc (IDCANCEL) does nothing here
    }
}

}  // namespace

int InitializeApp(HWND hDlg, WPARAM wParam, LPARAM lParam) {
    (void)hDlg;
    (void)wParam;
    (void)lParam;
    return 1;
}

INT_PTR CALLBACK DialogFunc(HWND hwndDlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CLOSE:
        EndDialog(hwndDlg, 0);
        return TRUE;
    case WM_INITDIALOG:
        return OnInitDialog(hwndDlg, wParam, lParam);
    case WM_COMMAND:
        return OnCommand(hwndDlg, LOWORD(wParam));
    default:
        return FALSE;
    }
}
