#include "gui_driver.h"

namespace gui {
namespace {

struct Search {
    const std::wstring* title;
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    if (!IsWindowVisible(window)) return TRUE;
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (search->processId != 0 && pid != search->processId) return TRUE;
    if (search->title != nullptr && Title(window) != *search->title) return TRUE;
    if (search->title == nullptr) {
        wchar_t cls[32];
        GetClassNameW(window, cls, 32);
        if (std::wstring(cls) != L"#32770") return TRUE;
    }
    search->found = window;
    return FALSE;
}

HWND Item(HWND dialog, int controlId) { return GetDlgItem(dialog, controlId); }

}  // namespace

HWND WaitForWindow(const std::wstring& title, DWORD processId, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        Search search{&title, processId, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        if (GetTickCount() - start > timeoutMs) return nullptr;
        Sleep(20);
    }
}

HWND FindDialogOf(DWORD processId) {
    Search search{nullptr, processId, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool WaitGone(HWND window, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (IsWindow(window)) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(20);
    }
    return true;
}

std::wstring Title(HWND window) { return Text(window); }

std::wstring Text(HWND window) {
    // WM_GETTEXT crosses process boundaries; GetWindowText would not ask a
    // control of another process.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
        return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 5000, &copied);
    text.resize(copied);
    return text;
}

std::wstring ItemText(HWND dialog, int controlId) { return Text(Item(dialog, controlId)); }

bool IsChecked(HWND dialog, int controlId) {
    return SendMessageW(Item(dialog, controlId), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool IsEnabled(HWND dialog, int controlId) { return IsWindowEnabled(Item(dialog, controlId)) != FALSE; }

bool Exists(HWND dialog, int controlId) { return Item(dialog, controlId) != nullptr; }

std::vector<std::wstring> StaticTexts(HWND window) {
    std::vector<std::wstring> texts;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[32];
        GetClassNameW(child, cls, 32);
        if (lstrcmpiW(cls, L"Static") == 0) {
            std::wstring text = Text(child);
            if (!text.empty()) texts.push_back(text);
        }
    }
    return texts;
}

void Click(HWND dialog, int controlId) {
    // BM_CLICK runs the button's own mouse handling in its thread: an
    // automatic check box toggles, a radio button checks itself, and the
    // dialog gets BN_CLICKED.
    DWORD_PTR result = 0;
    SendMessageTimeoutW(Item(dialog, controlId), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 10000, &result);
}

void Scroll(HWND dialog, int controlId, int request, int position) {
    SendMessageW(Item(dialog, controlId), WM_VSCROLL, MAKEWPARAM(request, position), 0);
}

int ScrollPosition(HWND dialog, int controlId) {
    // The scroll bar of a window in another process cannot be read directly;
    // an edit control reports its own thumb, a scroll bar control its position.
    HWND control = Item(dialog, controlId);
    wchar_t cls[32];
    GetClassNameW(control, cls, 32);
    const UINT message = lstrcmpiW(cls, L"ScrollBar") == 0 ? SBM_GETPOS : EM_GETTHUMB;
    return static_cast<int>(SendMessageW(control, message, 0, 0));
}

void PressKey(HWND dialog, UINT virtualKey) {
    // The modal loop's IsDialogMessage turns the key into the dialog's command.
    HWND target = FocusOf(dialog);
    if (!target) target = dialog;
    PostMessageW(target, WM_KEYDOWN, virtualKey, 1);
    PostMessageW(target, WM_KEYUP, virtualKey, 0xC0000001);
}

void PressEscape(HWND dialog) { PressKey(dialog, VK_ESCAPE); }

void CloseBox(HWND dialog) { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

std::wstring W(const char* utf8) {
    int length = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), length);
    wide.resize(static_cast<size_t>(length > 0 ? length - 1 : 0));
    return wide;
}

}  // namespace gui
