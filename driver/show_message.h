#pragma once

#include <windows.h>

#include <string_view>

namespace qv {

// A system-modal message box without an owner, captioned with the
// catalogue's caption in the run's UI language.
int ShowMessage(std::string_view text, UINT style);

}  // namespace qv
