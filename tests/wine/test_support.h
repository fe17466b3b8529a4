// Shared helpers of the Wine tests: the test program's arguments, child
// processes, files, the settings file and the registry.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

// Arguments after GoogleTest's own, with '/' turned into '\'.
const std::vector<std::string>& Args();
std::vector<std::string>& MutableArgs();
std::string Arg(size_t index);

struct ProcessResult {
    bool started = false;
    bool ended = false;
    DWORD exitCode = 0;
};

// A child process started with exactly this command line.
class Child {
public:
    explicit Child(const std::string& commandLine, const std::string& currentDirectory = {});
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool Started() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }
    // Waits for the end; false on timeout.
    bool Wait(DWORD timeoutMs = 60000);
    DWORD ExitCode() const;
    void Kill();

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// Runs to the end (or kills after the timeout).
ProcessResult Run(const std::string& commandLine, DWORD timeoutMs = 60000,
                  const std::string& currentDirectory = {});

std::string WindowsDirectory();
std::string Quote(const std::string& path);

// Files and directories.
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool WriteFileOfSize(const std::string& path, size_t size, char fill = 'd');
std::string ReadFileBytes(const std::string& path);  // "" when missing
bool FileExists(const std::string& path);
std::int64_t FileSize(const std::string& path);      // -1 when missing
void RemoveTree(const std::string& path);
bool MakeDirectories(const std::string& path);

// The settings file "qvword7.ini" and other profile files.
std::string Profile(const std::string& section, const std::string& key,
                    const std::string& file = "qvword7.ini");  // "" when missing
bool ProfileHas(const std::string& section, const std::string& key,
                const std::string& file = "qvword7.ini");
void SetProfile(const std::string& section, const std::string& key, const char* value,
                const std::string& file = "qvword7.ini");
void DeleteSettingsFile();

// Word's STARTUP-PATH under HKEY_CURRENT_USER; nullptr deletes the key.
inline constexpr const char* kWord7Key = "Software\\Microsoft\\Word\\7.0\\Options";
inline constexpr const char* kWord8Key = "Software\\Microsoft\\Office\\8.0\\Word\\Options";
void SetStartupPath(const char* key, const char* value);

}  // namespace testing_support
