// The bold dialog font and the setting of control texts with or without it.
#pragma once

#include <windows.h>

#include <string_view>

namespace qv {

// A font for `dc` of `tenthsOfPoint` (style bit 1: bold), scaled from the
// display's physical size; the caller owns it. The context is left as found.
HFONT CreateScaledFont(HDC dc, const char* face, int tenthsOfPoint, int style);

// Makes the 9-point bold "MS Sans Serif" (Cyrillic) into g_state.boldFont.
void CreateDialogFont(HWND window);

// Sets a control's text (code page 1251); with `bold`, first gives it the
// bold dialog font.
void SetItemTextWithFont(HWND dialog, int controlId, std::string_view text, bool bold);

}  // namespace qv
