// The setup program's entry point.
//
// The program starts here rather than in the C runtime's start-up code, which
// it does not need: the static constructors are run below, and what the
// program holds goes with the process at ExitProcess, so the destructors
// that constructors register are never wanted.
#include <windows.h>

#include "driver/decisions.h"
#include "driver/run_setup.h"

extern "C" void __main();  // runs the static constructors

extern "C" int atexit(void (*)()) { return 0; }

// Windows 9x and NT enter with a 4-byte aligned stack: align it for the compiler.
extern "C" __attribute__((force_align_arg_pointer)) void SetupEntry() {
    __main();
    const int exitCode = qv::RunSetup(GetModuleHandleA(nullptr), qv::ArgumentsOf(GetCommandLineA()));
    ExitProcess(static_cast<UINT>(exitCode));
}
