#include "ui/report_dialog.h"

#include <array>
#include <string>

#include "driver/pairs.h"
#include "driver/setup_state.h"
#include "environment/settings.h"
#include "resources/resource_ids.h"
#include "ui/dialog_texts.h"
#include "ui/report_text.h"
#include "ui/win_text.h"

namespace qv {

namespace {

// The [Report] value of every pair, in table order.
std::array<std::string, kPairCount> ReadReportValues() {
    std::array<std::string, kPairCount> values;
    for (int i = 0; i < kPairCount; ++i) values[i] = ReadReportValue(PairTable[i].code);
    return values;
}

BOOL OnInitDialog(HWND dialog) {
    HICON icon = LoadIconW(g_state.instance, MAKEINTRESOURCEW(IDI_BOOK));
    SetClassLongPtrW(dialog, GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));

    g_state.reportBrush = CreateSolidBrush(GetSysColor(COLOR_INFOBK));

    const UiLanguage language = g_state.uiLanguage;
    if (const char* caption = ReportCaption(language)) SetWindowText1251(dialog, caption);
    if (const char* close = ReportCloseButton(language)) SetItemText1251(dialog, IDCANCEL, close);

    SetItemText1251(dialog, IDC_REPORT_TEXT, ComposeReport(ReadReportValues(), language));

    HWND text = GetDlgItem(dialog, IDC_REPORT_TEXT);
    g_state.reportEditOldProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(text, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ReportEditProc)));

    // The dialog manager puts the focus on the first tab stop, Close.
    return TRUE;
}

// The text box is painted in the information-background colour, its text on
// a transparent background so that the brush shows through.
INT_PTR OnColorText(HDC dc) {
    if (g_state.reportBrush == nullptr) return FALSE;
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, GetSysColor(COLOR_INFOBK));
    return reinterpret_cast<INT_PTR>(g_state.reportBrush);
}

// Close, Esc and the close box all arrive here: the brush and the dialog
// font go with the report.
void OnClose(HWND dialog) {
    if (g_state.reportBrush != nullptr) DeleteObject(g_state.reportBrush);
    g_state.reportBrush = nullptr;
    if (g_state.boldFont != nullptr) DeleteObject(g_state.boldFont);
    g_state.boldFont = nullptr;
    EndDialog(dialog, 1);
}

INT_PTR OnCommand(HWND dialog, int id, int notification) {
    if (id == IDCANCEL) {
        OnClose(dialog);
        return TRUE;
    }
    if (id != IDC_REPORT_TEXT) return FALSE;
    if (notification == EN_SETFOCUS) {
        // The text box never keeps the focus.
        SetFocus(GetDlgItem(dialog, IDCANCEL));
        return FALSE;
    }
    if (notification == EN_VSCROLL) {
        // Lay the text out again over the whole box, so that it is drawn anew.
        HWND text = GetDlgItem(dialog, IDC_REPORT_TEXT);
        RECT client;
        GetClientRect(text, &client);
        SendMessageW(text, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&client));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

INT_PTR CALLBACK ReportDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog);
    case WM_CTLCOLOREDIT:
        return OnColorText(reinterpret_cast<HDC>(wParam));
    case WM_COMMAND:
        return OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
    default:
        return FALSE;
    }
}

LRESULT CALLBACK ReportEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = CallWindowProcW(g_state.reportEditOldProc, window, message, wParam, lParam);
    if (message == WM_VSCROLL) {
        const int request = LOWORD(wParam);
        // The transparent text would be drawn over its old place: erase first.
        if (request == SB_THUMBPOSITION || request == SB_THUMBTRACK) InvalidateRect(window, nullptr, TRUE);
    }
    return result;
}

INT_PTR RunReportDialog() {
    return DialogBoxParamW(g_state.instance, MAKEINTRESOURCEW(IDD_REPORT), nullptr, ReportDialogProc,
                           0);
}

}  // namespace qv
