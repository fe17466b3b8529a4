#include "driver/show_message.h"

#include "driver/setup_state.h"
#include "ui/catalogue.h"
#include "ui/win_text.h"

namespace qv {

int ShowMessage(std::string_view text, UINT style) {
    const std::string caption = FormatMessageText(MessageKind::Caption, g_state.uiLanguage);
    return MessageBoxW(nullptr, WidenText(text).c_str(), WidenText(caption).c_str(),
                       style | MB_SYSTEMMODAL);
}

}  // namespace qv
