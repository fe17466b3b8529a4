#include "install/extract.h"

#include <windows.h>

#include "driver/file_probe.h"
#include "driver/handles.h"
#include "driver/pairs.h"
#include "driver/setup_state.h"
#include "environment/settings.h"
#include "install/replace_file.h"
#include "install/resource_file.h"
#include "resources/resource_ids.h"

namespace qv {
namespace {

constexpr DWORD kPackageTimeoutMs = 15000;

std::string TemporaryDirectory() {
    char buffer[MAX_PATH];
    UINT length = GetWindowsDirectoryA(buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    return std::string(buffer, length) + "\\temp";
}

// Starts the package hidden in the temporary directory; null on failure.
UniqueHandle StartPackage(const std::string& program, const std::string& directory) {
    std::string commandLine = "\"" + program + "\" -o";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_FORCEONFEEDBACK;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE,
                        CREATE_SEPARATE_WOW_VDM, nullptr, directory.c_str(), &startup, &info))
        return UniqueHandle();
    CloseHandle(info.hThread);
    return UniqueHandle(info.hProcess);
}

}  // namespace

int ExtractDictionary(const std::string& targetFile, int pairIndex) {
    const std::string_view code = PairTable[pairIndex].code;
    const std::string tempDirectory = TemporaryDirectory();
    CreateDirectoryA(tempDirectory.c_str(), nullptr);

    const std::string pif = TempPackagePifPath(tempDirectory);
    const std::string program = TempPackageExePath(tempDirectory);
    const std::string unpacked = UnpackedDictionaryPath(tempDirectory, code);
    if (!WriteResourceToFile(IDR_PACKAGE_PIF, pif) || !WriteResourceToFile(IDR_PACKAGE, program)) {
        WriteReportCode(code, '4');
        return 0;
    }
    // A file left by an earlier run must not pass for this run's result.
    SetFileAttributesA(unpacked.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(unpacked.c_str());

    UniqueHandle process = StartPackage(program, tempDirectory);
    if (!process) {
        WriteReportCode(code, '6');
        return 0;
    }
    if (WaitForSingleObject(process.Get(), kPackageTimeoutMs) == WAIT_TIMEOUT) {
        WriteReportCode(code, '6');
        TerminateProcess(process.Get(), 1);
        return 0;
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(process.Get(), &exitCode);
    process.Reset();

    // The package reports a damaged archive by its exit code and never leaves
    // a partial file; either way there is nothing to install.
    if (exitCode != 0 || ProbeFileSize(unpacked) <= 0) {
        WriteReportCode(code, '6');
        return 0;
    }
    if (!ReplaceFileWithCopy(unpacked, targetFile)) {
        WriteReportCode(code, '4');
        return 0;
    }
    DeleteFileA(unpacked.c_str());
    DeleteFileA(program.c_str());
    DeleteFileA(pif.c_str());
    return 1;
}

}  // namespace qv
