// The box shown when the inputs cannot be used.
#ifndef BRACING_UI_ERROR_BOX_H
#define BRACING_UI_ERROR_BOX_H

#include <windows.h>

// Beeps, then shows the modal error box owned by `owner` until dismissed.
void ShowRejectedInputBox(HWND owner);

#endif
