#pragma once

#include <windows.h>

namespace qv {

// The two-second notice before the own pair is installed (dialog 107). Sets
// g_state.stopRequested to 1 when the user presses Stop or Esc.
INT_PTR CALLBACK ProgressDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void RunProgressDialog();

}  // namespace qv
