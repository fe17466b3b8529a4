#pragma once

#include <windows.h>

namespace qv {

// Fills the main dialog's six rows from the disk. mode -1: the initial state
// (pairs 0 to 5, every available pair selected); else the pair of row 0.
void RefreshDictionaryRows(HWND dialog, int mode);

}  // namespace qv
