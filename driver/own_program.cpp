#include "driver/own_program.h"

#include <windows.h>

#include "driver/pairs.h"
#include "driver/setup_state.h"

namespace qv {

std::string OwnFileName() {
    constexpr size_t kLongestPath = 32768;
    std::string name(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(g_state.instance, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) return {};
        // A name that filled the buffer may have been cut: again, with more room.
        if (length < name.size() - 1 || name.size() >= kLongestPath) {
            name.resize(length);
            return name;
        }
        name.resize(name.size() * 2);
    }
}

std::string OwnDirectory() { return DirectoryOfFile(OwnFileName()); }

}  // namespace qv
