// A simulated installation of the product for the Wine tests: Word hosts in
// the registry, their QV.CFG files and dictionary directories, the settings
// file. Every test starts from a clean world and leaves nothing behind.
#pragma once

#include <windows.h>

#include <string>

#include "test_support.h"

namespace testing_support {

class World {
public:
    // Everything lives under this directory.
    static constexpr const char* kRoot = "C:\\qvworld";

    World() { Reset(); }
    ~World() { Reset(); }

    // Removes the world: settings file, Word keys, directories.
    static void Reset();

    // A Word host: STARTUP-PATH -> <root>\<name>\startup holding QV.CFG
    // whose [Path] Diction is <root>\<name>\diction (created). Returns the
    // dictionary directory.
    std::string AddWord7(const std::string& name = "word7");
    std::string AddWord8(const std::string& name = "word8");
    // [Path] Win = <root>\<name>\WIN; the dictionary directory is
    // <root>\<name>\diction (created). Returns it.
    std::string AddStandalone(const std::string& name = "standalone");

    static std::string Path(const std::string& relative) { return std::string(kRoot) + "\\" + relative; }

    // A start-up directory with a QV.CFG naming `dictionaryDirectory`.
    static std::string MakeStartupDirectory(const std::string& name, const std::string& dictionaryDirectory);

    void SetLanguage(const char* value) { SetProfile("Options", "DialogLanguage", value); }
    // [Path] User, created.
    std::string SetUserDirectory(const std::string& name = "user");

private:
    std::string AddWord(const char* key, const std::string& name);
};

// Waits for the two-second notice of a setup process (the captionless
// dialog with its waiting line); nullptr after the timeout.
HWND WaitForProgressNotice(DWORD processId, DWORD timeoutMs = 15000);

// The setup program of a pair in a directory.
std::string SetupProgram(const std::string& directory, const std::string& code);

}  // namespace testing_support
