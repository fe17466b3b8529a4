#pragma once

#include <windows.h>

namespace qv {

// The final report (dialog 111), read from [Report]. Ends with 1.
INT_PTR CALLBACK ReportDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ReportEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR RunReportDialog();

}  // namespace qv
