#pragma once

#include <windows.h>

namespace qv {

// The main selection dialog (109). Ends with 1 ("&Setup") or 2 ("Close");
// RunMainDialog gives -1 when the dialog cannot be created at all.
INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK RowScrollerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR RunMainDialog();

}  // namespace qv
