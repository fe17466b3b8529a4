#include "world.h"

#include "gui_driver.h"

namespace testing_support {

void World::Reset() {
    DeleteSettingsFile();
    SetStartupPath(kWord7Key, nullptr);
    SetStartupPath(kWord8Key, nullptr);
    RemoveTree(kRoot);
    CreateDirectoryA(kRoot, nullptr);
}

std::string World::MakeStartupDirectory(const std::string& name, const std::string& dictionaryDirectory) {
    const std::string startup = Path(name);
    MakeDirectories(startup);
    SetProfile("Path", "Diction", dictionaryDirectory.c_str(), startup + "\\QV.CFG");
    return startup;
}

std::string World::AddWord(const char* key, const std::string& name) {
    const std::string diction = Path(name + "\\diction");
    MakeDirectories(diction);
    const std::string startup = MakeStartupDirectory(name + "\\startup", diction);
    SetStartupPath(key, startup.c_str());
    return diction;
}

std::string World::AddWord7(const std::string& name) { return AddWord(kWord7Key, name); }
std::string World::AddWord8(const std::string& name) { return AddWord(kWord8Key, name); }

std::string World::AddStandalone(const std::string& name) {
    const std::string diction = Path(name + "\\diction");
    MakeDirectories(diction);
    MakeDirectories(Path(name + "\\WIN"));
    SetProfile("Path", "Win", Path(name + "\\WIN").c_str());
    return diction;
}

std::string World::SetUserDirectory(const std::string& name) {
    const std::string user = Path(name);
    MakeDirectories(user);
    SetProfile("Path", "User", user.c_str());
    return user;
}

HWND WaitForProgressNotice(DWORD processId, DWORD timeoutMs) {
    constexpr int kWaitLine = 1013;
    const DWORD start = GetTickCount();
    for (;;) {
        HWND dialog = gui::FindDialogOf(processId);
        if (dialog && gui::Title(dialog).empty() && gui::Exists(dialog, kWaitLine)) return dialog;
        if (GetTickCount() - start > timeoutMs) return nullptr;
        Sleep(10);
    }
}

std::string SetupProgram(const std::string& directory, const std::string& code) {
    return directory + "\\Setup" + code + ".exe";
}

}  // namespace testing_support
