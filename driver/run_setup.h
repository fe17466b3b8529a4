#pragma once

#include <windows.h>

#include <string_view>

namespace qv {

// Carries a run from its start to its exit code. `commandLine` is the process
// command line without the program's own name: empty for a run started by
// the user, else a run chained by another setup program or an installer.
int RunSetup(HINSTANCE instance, std::string_view commandLine);

}  // namespace qv
