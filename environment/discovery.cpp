#include "environment/discovery.h"

#include <windows.h>

#include "driver/file_probe.h"
#include "driver/handles.h"
#include "driver/setup_state.h"
#include "environment/discovery_rules.h"
#include "environment/settings.h"

namespace qv {
namespace {

constexpr const char* kWord7OptionsKey = "Software\\Microsoft\\Word\\7.0\\Options";
constexpr const char* kWord8OptionsKey = "Software\\Microsoft\\Office\\8.0\\Word\\Options";
constexpr DWORD kValueBufferSize = kMaxPathValue + 1;

// Word's STARTUP-PATH; false when the key or the value is missing, or the
// value does not fit in 127 characters.
bool ReadStartupPath(const char* keyName, std::string& value) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyName, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return false;
    UniqueKey key(opened);
    char buffer[kValueBufferSize];
    DWORD size = sizeof buffer;
    if (RegQueryValueExA(key.Get(), "STARTUP-PATH", nullptr, nullptr,
                         reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS)
        return false;
    // A value stored without its terminating zero may fill the buffer.
    size_t length = 0;
    while (length < size && buffer[length] != '\0') ++length;
    if (length > kMaxPathValue) return false;
    value.assign(buffer, length);
    return true;
}

// The dictionary directory named by a host configuration file, or "".
std::string DictionaryDirectoryOf(const std::string& configFile) {
    if (ProbeFileSize(configFile) <= 0) return {};
    return ReadProfile("Path", "Diction", configFile);
}

void FindWordHost(const char* keyName, std::string& dictDir, std::string& configFile) {
    dictDir.clear();
    configFile.clear();
    std::string startupPath;
    if (!ReadStartupPath(keyName, startupPath)) return;
    std::string config = ConfigFileFromStartupPath(startupPath);
    std::string directory = DictionaryDirectoryOf(config);
    if (directory.empty()) return;
    dictDir = std::move(directory);
    configFile = std::move(config);
}

// Creates every missing level of `path`, one at a time; failures are of no
// concern here (the directory may exist).
void CreateDirectoryLevels(const std::string& path) {
    for (size_t i = 0; i < path.size(); ++i) {
        if (path[i] == '\\' && i > 0 && path[i - 1] != ':' && path[i - 1] != '\\')
            CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
    }
    CreateDirectoryA(path.c_str(), nullptr);
}

std::string WindowsDirectory() {
    char buffer[MAX_PATH];
    UINT length = GetWindowsDirectoryA(buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    return std::string(buffer, length);
}

void SettleUserDirectory(SetupState& state) {
    state.userDir = ReadProfile("Path", "User", kSettingsFile);
    if (state.userDir.empty()) state.userDir = WindowsDirectory() + "\\msapps\\qv";
    CreateDirectoryLevels(state.userDir);
    WriteProfile("Path", "User", state.userDir, kSettingsFile);
}

void FindStandaloneHost(SetupState& state) {
    state.standaloneDictDir = StandaloneDictionaryDirectory(ReadProfile("Path", "Win", kSettingsFile));
}

// Without a Word host in the registry, the product's own start-up directory
// may hold a QV.CFG; a host found there counts as Word 8.
void FindStartupFallback(SetupState& state) {
    state.word8DictDir.clear();
    state.word8ConfigFile.clear();
    std::string startup = ReadProfile("Path", "Startup", kSettingsFile);
    if (startup.empty()) return;
    std::string config = ConfigFileFromFallback(startup);
    std::string directory = DictionaryDirectoryOf(config);
    if (directory.empty()) return;
    state.word8DictDir = std::move(directory);
    state.word8ConfigFile = std::move(config);
}

}  // namespace

void DiscoverHost() {
    SetupState& state = g_state;
    state.word7DictDir.clear();
    state.word7ConfigFile.clear();
    state.word8DictDir.clear();
    state.word8ConfigFile.clear();
    state.standaloneDictDir.clear();

    if (SearchesWord7(state.commandLine))
        FindWordHost(kWord7OptionsKey, state.word7DictDir, state.word7ConfigFile);
    if (SearchesWord8(state.commandLine))
        FindWordHost(kWord8OptionsKey, state.word8DictDir, state.word8ConfigFile);

    SettleUserDirectory(state);

    const bool wordHostFound = !state.word7DictDir.empty() || !state.word8DictDir.empty();
    if (SearchesStandalone(state.commandLine, wordHostFound)) FindStandaloneHost(state);
    if (!wordHostFound) FindStartupFallback(state);
}

bool AnyHostFound() {
    return !g_state.standaloneDictDir.empty() || !g_state.word7DictDir.empty() ||
           !g_state.word8DictDir.empty();
}

}  // namespace qv
