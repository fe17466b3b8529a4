// The setup program's entry point.
#include <windows.h>

#include "driver/decisions.h"
#include "driver/run_setup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return qv::RunSetup(instance, qv::ArgumentsOf(GetCommandLineA()));
}
