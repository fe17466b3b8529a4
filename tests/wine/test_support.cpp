#include "test_support.h"

namespace testing_support {

std::vector<std::string>& MutableArgs() {
    static std::vector<std::string> args;
    return args;
}

const std::vector<std::string>& Args() { return MutableArgs(); }

std::string Arg(size_t index) { return index < Args().size() ? Args()[index] : std::string(); }

Child::Child(const std::string& commandLine, const std::string& currentDirectory) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string line = commandLine;
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       currentDirectory.empty() ? nullptr : currentDirectory.c_str(), &startup,
                       &info)) {
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        id_ = info.dwProcessId;
    }
}

Child::~Child() {
    if (process_) {
        if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 99);
        CloseHandle(process_);
    }
}

bool Child::Wait(DWORD timeoutMs) {
    return process_ && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

DWORD Child::ExitCode() const {
    DWORD code = 0;
    if (process_) GetExitCodeProcess(process_, &code);
    return code;
}

void Child::Kill() {
    if (process_) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, 5000);
    }
}

ProcessResult Run(const std::string& commandLine, DWORD timeoutMs,
                  const std::string& currentDirectory) {
    ProcessResult result;
    Child child(commandLine, currentDirectory);
    result.started = child.Started();
    if (!result.started) return result;
    result.ended = child.Wait(timeoutMs);
    if (!result.ended) {
        child.Kill();
        return result;
    }
    result.exitCode = child.ExitCode();
    return result;
}

std::string WindowsDirectory() {
    char buffer[MAX_PATH];
    UINT length = GetWindowsDirectoryA(buffer, MAX_PATH);
    return std::string(buffer, length);
}

std::string Quote(const std::string& path) { return "\"" + path + "\""; }

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

bool WriteFileOfSize(const std::string& path, size_t size, char fill) {
    return WriteFileBytes(path, std::string(size, fill));
}

std::string ReadFileBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::int64_t FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

void RemoveTree(const std::string& path) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            std::string child = path + "\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(child.c_str());
            }
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryA(path.c_str());
}

bool MakeDirectories(const std::string& path) {
    for (size_t i = 3; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '\\') CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
    }
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Profile(const std::string& section, const std::string& key, const std::string& file) {
    char buffer[1024];
    DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer, sizeof buffer,
                                            file.c_str());
    return std::string(buffer, length);
}

bool ProfileHas(const std::string& section, const std::string& key, const std::string& file) {
    char buffer[64];
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "\x01missing", buffer, sizeof buffer,
                             file.c_str());
    return std::string(buffer) != "\x01missing";
}

void SetProfile(const std::string& section, const std::string& key, const char* value,
                const std::string& file) {
    WritePrivateProfileStringA(section.c_str(), key.empty() ? nullptr : key.c_str(), value,
                               file.c_str());
}

void DeleteSettingsFile() {
    // Flush the profile cache before the file goes.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, "qvword7.ini");
    DeleteFileA((WindowsDirectory() + "\\qvword7.ini").c_str());
}

void SetStartupPath(const char* key, const char* value) {
    if (value == nullptr) {
        RegDeleteKeyA(HKEY_CURRENT_USER, key);
        return;
    }
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle,
                        nullptr) == ERROR_SUCCESS) {
        RegSetValueExA(handle, "STARTUP-PATH", 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                       static_cast<DWORD>(strlen(value) + 1));
        RegCloseKey(handle);
    }
}

}  // namespace testing_support
