#include "install/replace_file.h"

#include <windows.h>

#include "driver/file_probe.h"
#include "driver/pairs.h"

namespace qv {
namespace {

// A new, unique file name in the target's directory.
std::string TemporaryNameBeside(const std::string& target) {
    std::string directory = DirectoryOfFile(target);
    if (directory.empty()) directory = ".\\";
    char name[MAX_PATH + 16];
    if (directory.size() > MAX_PATH - 14 || !GetTempFileNameA(directory.c_str(), "qv", 0, name))
        return {};
    return name;
}

bool IsReadOnly(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

// Swaps `fresh` in for `target`. Windows 95 has no MoveFileEx: there the
// target is first moved aside and put back if the swap fails.
bool SwapIn(const std::string& fresh, const std::string& target) {
    if (IsReadOnly(target)) return false;
    if (MoveFileExA(fresh.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
    if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return false;

    if (GetFileAttributesA(target.c_str()) == INVALID_FILE_ATTRIBUTES)
        return MoveFileA(fresh.c_str(), target.c_str()) != FALSE;
    std::string aside = TemporaryNameBeside(target);
    if (aside.empty() || !DeleteFileA(aside.c_str()) || !MoveFileA(target.c_str(), aside.c_str()))
        return false;
    if (!MoveFileA(fresh.c_str(), target.c_str())) {
        MoveFileA(aside.c_str(), target.c_str());
        return false;
    }
    DeleteFileA(aside.c_str());
    return true;
}

}  // namespace

bool ReplaceFileWithCopy(const std::string& source, const std::string& target) {
    const std::int32_t size = ProbeFileSize(source);
    if (size < 0) return false;
    const std::string fresh = TemporaryNameBeside(target);
    if (fresh.empty()) return false;
    const bool copied = CopyFileA(source.c_str(), fresh.c_str(), FALSE) && ProbeFileSize(fresh) == size;
    // A copy keeps the source's attributes; the installed file is an ordinary one.
    SetFileAttributesA(fresh.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (copied && SwapIn(fresh, target)) return true;
    DeleteFileA(fresh.c_str());
    return false;
}

}  // namespace qv
