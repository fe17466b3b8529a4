#include "ui/dialog_font.h"

#include <cstring>

#include "driver/handles.h"
#include "driver/setup_state.h"
#include "ui/font_height.h"
#include "ui/win_text.h"

namespace qv {

namespace {

constexpr const char* kDialogFontFace = "MS Sans Serif";
constexpr int kDialogFontTenths = 90;
constexpr int kStyleBold = 1;
constexpr LONG kBoldWeight = 700;
constexpr BYTE kCyrillicCharSet = 204;

}  // namespace

HFONT CreateScaledFont(HDC dc, const char* face, int tenthsOfPoint, int style) {
    SaveDC(dc);

    // Device and logical units made to agree. A system without the advanced
    // mode fails these calls; the computation goes on all the same.
    SetGraphicsMode(dc, GM_ADVANCED);
    ModifyWorldTransform(dc, nullptr, MWT_IDENTITY);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    SetWindowOrgEx(dc, 0, 0, nullptr);

    // The height in tenths of a device pixel, from the display's physical
    // density (a display reporting 0 mm counts as 96 pixels per inch).
    const float pixelsPerInch =
        VerticalPixelsPerInch(GetDeviceCaps(dc, VERTRES), GetDeviceCaps(dc, VERTSIZE));
    POINT point{0, DeviceHeightInTenths(tenthsOfPoint, pixelsPerInch)};
    DPtoLP(dc, &point, 1);

    LOGFONTA font{};
    font.lfHeight = LogFontHeight(point.y);
    if (style & kStyleBold) font.lfWeight = kBoldWeight;
    font.lfCharSet = kCyrillicCharSet;
    if (face != nullptr) {
        std::strncpy(font.lfFaceName, face, LF_FACESIZE - 1);
        font.lfFaceName[LF_FACESIZE - 1] = '\0';
    }
    HFONT handle = CreateFontIndirectA(&font);

    RestoreDC(dc, -1);
    return handle;
}

void CreateDialogFont(HWND window) {
    WindowDc dc(window);
    g_state.boldFont = CreateScaledFont(dc.Get(), kDialogFontFace, kDialogFontTenths, kStyleBold);
}

void SetItemTextWithFont(HWND dialog, int controlId, std::string_view text, bool bold) {
    if (bold) {
        SendDlgItemMessageW(dialog, controlId, WM_SETFONT,
                            reinterpret_cast<WPARAM>(g_state.boldFont), TRUE);
    }
    SetItemText1251(dialog, controlId, text);
}

}  // namespace qv
