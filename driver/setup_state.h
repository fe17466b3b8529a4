// The one record of a run. Every part of the program reads and writes it by
// field; it lives for the whole process.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "driver/pairs.h"
#include "ui/catalogue.h"

namespace qv {

struct SetupState {
    HINSTANCE instance = nullptr;
    UiLanguage uiLanguage = 'E';
    std::string carriedName;          // "qvUR.vt": the carried dictionary's name
    std::string commandLine;          // without the program name; empty: interactive run

    std::string word7DictDir;
    std::string word7ConfigFile;
    std::string word8DictDir;
    std::string word8ConfigFile;
    std::string standaloneDictDir;
    std::string userDir;

    std::string targetFile;
    int ownPairIndex = -1;
    std::array<unsigned char, kPairCount> selected{};
    int firstVisibleRow = 0;
    int stopRequested = 0;
    std::string messageText;

    HWND mainDialog = nullptr;
    HFONT boldFont = nullptr;
    WNDPROC scrollerOldProc = nullptr;
    HBRUSH reportBrush = nullptr;
    WNDPROC reportEditOldProc = nullptr;

    bool Interactive() const { return commandLine.empty(); }
    std::string_view OwnPairCode() const { return PairCodeOfCarriedName(carriedName); }
};

extern SetupState g_state;

}  // namespace qv
