// Showing code page 1251 texts. The catalogue's bytes are Cyrillic in code
// page 1251 whatever the system's ANSI code page is, so every text goes to
// the window through the wide functions after conversion from 1251.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace qv {

inline constexpr UINT kTextCodePage = 1251;

std::wstring WidenText(std::string_view text);

void SetWindowText1251(HWND window, std::string_view text);
void SetItemText1251(HWND dialog, int controlId, std::string_view text);

}  // namespace qv
