// Shows the "install the product first" message the way a setup program does,
// in the language given on the command line (E, U or R), and ends with 42
// once the box has been answered.
#include <windows.h>

#include "driver/setup_state.h"
#include "driver/show_message.h"
#include "ui/catalogue.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    qv::g_state.uiLanguage = commandLine[0] != '\0' ? commandLine[0] : 'E';
    const std::string text = qv::FormatMessageText(qv::MessageKind::InstallProductFirst,
                                                   qv::g_state.uiLanguage);
    return qv::ShowMessage(text, MB_ICONSTOP) == IDOK ? 42 : 1;
}
