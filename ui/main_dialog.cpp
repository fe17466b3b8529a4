#include "ui/main_dialog.h"

#include "driver/pairs.h"
#include "driver/setup_state.h"
#include "resources/resource_ids.h"
#include "ui/catalogue.h"
#include "ui/dialog_font.h"
#include "ui/dialog_texts.h"
#include "ui/row_status.h"
#include "ui/scroll_rules.h"
#include "ui/win_text.h"

namespace qv {

namespace {

// Eleven line breaks: twelve empty lines, so that the scroll control's own
// scroll bar has a range to move in.
constexpr const wchar_t kScrollerLines[] =
    L"\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";

// The scroll range of the rows: the top shows pairs 0 to 5, the bottom pairs
// 6 to 11, and a thumb released below the middle shows the upper half.
constexpr int kScrollTop = 0;
constexpr int kScrollBottom = 12;

// Window geometry taken at initialisation.
struct MainGeometry {
    RECT dialog{};
    RECT scroller{};
    int scrollerHeight = 0;
};
MainGeometry g_geometry;

bool IsChecked(HWND dialog, int controlId) {
    return IsDlgButtonChecked(dialog, controlId) == BST_CHECKED;
}

void SetCheck(HWND dialog, int controlId, bool checked) {
    SendDlgItemMessageW(dialog, controlId, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void EnableItem(HWND dialog, int controlId, bool enabled) {
    EnableWindow(GetDlgItem(dialog, controlId), enabled ? TRUE : FALSE);
}

void SetFixedTexts(HWND dialog, UiLanguage language) {
    SetItemTextWithFont(dialog, IDC_MAIN_DICTIONARY_HEADER, DictionaryHeader(language), true);
    SetItemTextWithFont(dialog, IDC_MAIN_RELEASE_HEADER, ReleaseHeader(language), true);
    SetItemTextWithFont(dialog, IDC_MAIN_COMMENTS_HEADER, CommentsHeader(language), true);
    if (const char* text = MainSetupButton(language)) SetItemText1251(dialog, IDOK, text);
    if (const char* text = MainCloseButton(language)) SetItemText1251(dialog, IDCANCEL, text);
    if (const char* text = MainCaption(language)) SetWindowText1251(dialog, text);
}

// Both buttons disabled and unchecked, then each host that was found enabled
// and checked; Word 8 last, so that it is the one checked when both exist.
void SetHostButtons(HWND dialog) {
    EnableItem(dialog, IDC_MAIN_OFFICE95, false);
    EnableItem(dialog, IDC_MAIN_OFFICE97, false);
    SetCheck(dialog, IDC_MAIN_OFFICE95, false);
    SetCheck(dialog, IDC_MAIN_OFFICE97, false);
    if (!g_state.word7DictDir.empty()) {
        EnableItem(dialog, IDC_MAIN_OFFICE95, true);
        SetCheck(dialog, IDC_MAIN_OFFICE95, true);
        SetCheck(dialog, IDC_MAIN_OFFICE97, false);
    }
    if (!g_state.word8DictDir.empty()) {
        EnableItem(dialog, IDC_MAIN_OFFICE97, true);
        SetCheck(dialog, IDC_MAIN_OFFICE95, false);
        SetCheck(dialog, IDC_MAIN_OFFICE97, true);
    }
}

void SetHostNotice(HWND dialog, UiLanguage language) {
    const bool word7 = !g_state.word7DictDir.empty();
    const bool word8 = !g_state.word8DictDir.empty();
    std::string notice;
    if (word7 && word8) {
        notice = FormatMessageText(MessageKind::TwoOffices, language);
    } else if (word7 || word8) {
        notice = FormatMessageText(MessageKind::OneOffice, language, {}, word7 ? 95 : 97);
    } else {
        EnableItem(dialog, IDC_MAIN_HOST_NOTICE, false);
        notice = FormatMessageText(MessageKind::NoOffice, language);
    }
    SetItemText1251(dialog, IDC_MAIN_HOST_NOTICE, notice);
}

// Leaves of the scroll control only its scroll bar in view: the edit area
// beside it is a few pixels wide.
void NarrowScroller(HWND dialog) {
    HWND scroller = GetDlgItem(dialog, IDC_MAIN_SCROLLER);
    GetWindowRect(dialog, &g_geometry.dialog);
    GetWindowRect(scroller, &g_geometry.scroller);
    g_geometry.scrollerHeight = g_geometry.scroller.bottom - g_geometry.scroller.top;
    const int x = g_geometry.scroller.left -
                  (g_geometry.dialog.left + GetSystemMetrics(SM_CXBORDER) + 2);
    const int y = g_geometry.scroller.top -
                  (g_geometry.dialog.top + GetSystemMetrics(SM_CYCAPTION) +
                   GetSystemMetrics(SM_CYBORDER));
    const int width = GetSystemMetrics(SM_CXVSCROLL) + 4;
    SetWindowPos(scroller, HWND_TOP, x, y, width, g_geometry.scrollerHeight, SWP_SHOWWINDOW);
}

// The edit control sizes its scroll bar to its own lines, and twelve empty
// lines fit in its height: left alone, the bar would have nowhere to move
// (a greyed bar on some systems) and the lower six pairs could not be reached.
// The range is put back whenever the control has reset it; the position stays.
void KeepScrollRange(HWND scroller) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    if (GetScrollInfo(scroller, SB_VERT, &info) && info.nMin == kScrollTop &&
        info.nMax == kScrollBottom && info.nPage == 0)
        return;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL;
    info.nMin = kScrollTop;
    info.nMax = kScrollBottom;
    info.nPage = 0;
    SetScrollInfo(scroller, SB_VERT, &info, TRUE);
    EnableScrollBar(scroller, SB_VERT, ESB_ENABLE_BOTH);
}

BOOL OnInitDialog(HWND dialog) {
    const UiLanguage language = g_state.uiLanguage;
    HICON book = LoadIconW(g_state.instance, MAKEINTRESOURCEW(IDI_BOOK));
    SetClassLongPtrW(dialog, GCLP_HICON, reinterpret_cast<LONG_PTR>(book));
    g_state.firstVisibleRow = 0;
    CreateDialogFont(dialog);
    for (int row = 0; row < kRowCount; ++row)
        SetItemText1251(dialog, RowCheckBoxes[row], FormatPairName(PairTable[row].code, 0, language));
    SetDlgItemTextW(dialog, IDC_MAIN_SCROLLER, kScrollerLines);
    SetFixedTexts(dialog, language);
    SetHostButtons(dialog);
    RefreshDictionaryRows(dialog, -1);
    SetHostNotice(dialog, language);
    g_state.mainDialog = dialog;
    NarrowScroller(dialog);
    HWND scroller = GetDlgItem(dialog, IDC_MAIN_SCROLLER);
    g_state.scrollerOldProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(scroller, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RowScrollerProc)));
    KeepScrollRange(scroller);
    return TRUE;
}

// "&Setup": the Word host that was not chosen is forgotten.
void OnConfirm(HWND dialog) {
    if (IsChecked(dialog, IDC_MAIN_OFFICE95)) {
        g_state.word8DictDir.clear();
        g_state.word8ConfigFile.clear();
    }
    if (IsChecked(dialog, IDC_MAIN_OFFICE97)) {
        g_state.word7DictDir.clear();
        g_state.word7ConfigFile.clear();
    }
    EndDialog(dialog, IDOK);
}

// Another host: its first six pairs, each available one selected, nothing else.
void OnHostChange(HWND dialog) {
    g_state.firstVisibleRow = 0;
    g_state.selected.fill(0);
    RefreshDictionaryRows(dialog, -1);
    for (int row = 0; row < kRowCount; ++row)
        g_state.selected[static_cast<size_t>(row)] =
            IsWindowEnabled(GetDlgItem(dialog, RowCheckBoxes[row])) ? 1 : 0;
}

void OnRowClicked(HWND dialog, int row) {
    const int pair = PairOfRow(g_state.firstVisibleRow, row);
    g_state.selected[static_cast<size_t>(pair)] = IsChecked(dialog, RowCheckBoxes[row]) ? 1 : 0;
    RefreshDictionaryRows(dialog, g_state.firstVisibleRow);
}

INT_PTR OnCommand(HWND dialog, int controlId) {
    switch (controlId) {
    case IDOK:
        OnConfirm(dialog);
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    case IDC_MAIN_OFFICE95:
    case IDC_MAIN_OFFICE97:
        OnHostChange(dialog);
        return FALSE;
    default:
        break;
    }
    const int row = RowOfCheckBox(controlId);
    if (row >= 0) OnRowClicked(dialog, row);
    return FALSE;
}

ScrollRequest RequestOf(WORD code) {
    switch (code) {
    case SB_LINEUP: return ScrollRequest::LineUp;
    case SB_LINEDOWN: return ScrollRequest::LineDown;
    case SB_PAGEUP: return ScrollRequest::PageUp;
    case SB_PAGEDOWN: return ScrollRequest::PageDown;
    case SB_THUMBPOSITION: return ScrollRequest::ThumbPosition;
    default: return ScrollRequest::Other;
    }
}

}  // namespace

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog);
    case WM_COMMAND:
        return OnCommand(dialog, LOWORD(wParam));
    default:
        return FALSE;
    }
}

LRESULT CALLBACK RowScrollerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The edit control scrolls its own empty lines and moves its thumb first.
    const LRESULT result = CallWindowProcW(g_state.scrollerOldProc, window, message, wParam, lParam);
    if (message == WM_NCDESTROY) return result;
    KeepScrollRange(window);
    if (message != WM_VSCROLL) return result;

    const ScrollRequest request = RequestOf(LOWORD(wParam));
    const ScrollOutcome outcome =
        OnScroll(request, g_state.firstVisibleRow, static_cast<int>(HIWORD(wParam)));
    g_state.firstVisibleRow = outcome.firstRow;
    // A released thumb is put in place before the rows change under it.
    if (request == ScrollRequest::ThumbPosition && outcome.thumb >= 0)
        SetScrollPos(window, SB_VERT, outcome.thumb, TRUE);
    if (outcome.refresh) RefreshDictionaryRows(g_state.mainDialog, outcome.firstRow);
    if (request != ScrollRequest::ThumbPosition && outcome.thumb >= 0)
        SetScrollPos(window, SB_VERT, outcome.thumb, TRUE);
    return result;
}

INT_PTR RunMainDialog() {
    return DialogBoxParamW(g_state.instance, MAKEINTRESOURCEW(IDD_MAIN), nullptr, MainDialogProc, 0);
}

}  // namespace qv
