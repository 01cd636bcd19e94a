#include "error_box.h"

namespace {

// Not MB_OK (0): 1 asks for the plain alert sound.
const UINT kAlertSound = 1;

}  // namespace

void ShowRejectedInputBox(HWND owner) {
    MessageBeep(kAlertSound);
    // The wide call: the text reads right whatever the system code page.
    MessageBoxW(owner, L"参数不能为负数和零", L"错误", MB_ICONSTOP | MB_OK);
}
