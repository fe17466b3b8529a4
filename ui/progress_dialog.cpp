#include "ui/progress_dialog.h"

#include <string_view>

#include "driver/setup_state.h"
#include "resources/resource_ids.h"
#include "ui/catalogue.h"
#include "ui/dialog_font.h"
#include "ui/dialog_texts.h"
#include "ui/win_text.h"

namespace qv {

namespace {

constexpr UINT_PTR kCloseTimer = 1;
constexpr UINT kCloseAfterMs = 2000;
constexpr INT_PTR kDialogResult = 2;

bool OwnPairSelected() {
    const int index = g_state.ownPairIndex;
    return index >= 0 && index < kPairCount && g_state.selected[static_cast<size_t>(index)] != 0;
}

// "-d" on the command line, or the own pair not selected: the notice tells
// of an uninstallation.
MessageKind NoticeKind() {
    const bool uninstall =
        g_state.commandLine.find("-d") != std::string::npos || !OwnPairSelected();
    return uninstall ? MessageKind::WillUninstallNotice : MessageKind::WillInstallNotice;
}

INT_PTR OnInitDialog(HWND dialog) {
    // In an interactive run the main dialog has made the font already.
    if (!g_state.Interactive()) CreateDialogFont(dialog);

    g_state.messageText = FormatPairName(g_state.OwnPairCode(), 0, g_state.uiLanguage);
    SetItemTextWithFont(dialog, IDC_PROGRESS_NOTICE,
                        FormatMessageText(NoticeKind(), g_state.uiLanguage, g_state.messageText),
                        false);
    SetItemTextWithFont(dialog, IDC_PROGRESS_WAIT,
                        FormatMessageText(MessageKind::PleaseWait, g_state.uiLanguage), true);
    if (const char* stop = StopButton(g_state.uiLanguage)) SetItemText1251(dialog, IDCANCEL, stop);

    SetTimer(dialog, kCloseTimer, kCloseAfterMs, nullptr);
    return TRUE;  // the focus goes to Stop, the only tab stop
}

INT_PTR OnStop(HWND dialog) {
    KillTimer(dialog, kCloseTimer);
    g_state.stopRequested = 1;
    EndDialog(dialog, kDialogResult);
    return TRUE;
}

INT_PTR OnTimer(HWND dialog, UINT_PTR timer) {
    KillTimer(dialog, timer);
    EndDialog(dialog, kDialogResult);
    return TRUE;
}

}  // namespace

INT_PTR CALLBACK ProgressDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(window);
    case WM_COMMAND:
        // Stop, and Esc through the dialog manager.
        if (LOWORD(wParam) == IDCANCEL) return OnStop(window);
        return FALSE;
    case WM_TIMER:
        return OnTimer(window, wParam);
    default:
        return FALSE;
    }
}

void RunProgressDialog() {
    DialogBoxParamW(g_state.instance, MAKEINTRESOURCEW(IDD_PROGRESS), nullptr, ProgressDialogProc, 0);
}

}  // namespace qv
