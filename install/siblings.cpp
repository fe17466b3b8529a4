#include "install/siblings.h"

#include <windows.h>

#include <string>

#include "driver/file_probe.h"
#include "driver/handles.h"
#include "driver/own_program.h"
#include "driver/pairs.h"
#include "driver/setup_state.h"
#include "environment/settings.h"
#include "install/sibling_command.h"

namespace qv {

namespace {

// Starts one sibling and waits until it has ended. False when it cannot start.
bool RunSibling(std::string commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USEPOSITION;
    startup.dwX = 0;
    startup.dwY = 0;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
        return false;
    UniqueHandle process(info.hProcess);
    UniqueHandle thread(info.hThread);

    WaitForInputIdle(process.Get(), INFINITE);
    while (WaitForSingleObjectEx(process.Get(), INFINITE, TRUE) == WAIT_IO_COMPLETION) {
    }
    return true;
}

}  // namespace

int RunSiblingSetups() {
    const std::string ownDirectory = OwnDirectory();
    const int ownIndex = FindPairIndex(g_state.OwnPairCode());

    for (int i = 0; i < kPairCount; ++i) {
        if (i == ownIndex) continue;
        const char* code = PairTable[i].code;
        const std::string program = SetupProgramPath(ownDirectory, code);
        if (ProbeFileSize(program) <= 0) continue;

        const bool selected = g_state.selected[i] == 1;
        if (!RunSibling(SiblingCommandLine(program, selected, g_state.word7DictDir, g_state.word8DictDir)))
            WriteReportCode(code, '6');
    }
    return 1;
}

}  // namespace qv
