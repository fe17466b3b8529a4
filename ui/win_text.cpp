#include "ui/win_text.h"

namespace qv {

std::wstring WidenText(std::string_view text) {
    if (text.empty()) return {};
    int length = MultiByteToWideChar(kTextCodePage, 0, text.data(), static_cast<int>(text.size()),
                                     nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(kTextCodePage, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        length);
    return wide;
}

void SetWindowText1251(HWND window, std::string_view text) {
    SetWindowTextW(window, WidenText(text).c_str());
}

void SetItemText1251(HWND dialog, int controlId, std::string_view text) {
    SetDlgItemTextW(dialog, controlId, WidenText(text).c_str());
}

}  // namespace qv
