// A stand-in for a sibling setup program. Copied beside a setup program as
// "SetupXX.exe", it appends to "siblings.log" in its own directory what it was
// started with, and writes [Report] XX into "qvword7.ini" the value that
// "recorder.ini" beside it gives for XX (nothing when that key is missing).
//
// Log lines, '|' between fields:
//   begin|XX|<command line>|<start-up flags>|<show state>|<x>,<y>
//   end|XX
// [Options] Delay in "recorder.ini" puts that many milliseconds between them.
#include <windows.h>

#include <string>

namespace {

std::string OwnFileName() {
    char buffer[1024];
    DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    return std::string(buffer, length);
}

void AppendLine(const std::string& path, const std::string& line) {
    HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    std::string text = line + "\r\n";
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::string self = OwnFileName();
    const size_t slash = self.rfind('\\');
    const std::string directory = self.substr(0, slash + 1);
    // "...\SetupXX.exe": the two letters after "Setup".
    const std::string code = self.substr(slash + 1 + 5, 2);
    const std::string log = directory + "siblings.log";
    const std::string config = directory + "recorder.ini";

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    AppendLine(log, "begin|" + code + "|" + GetCommandLineA() + "|" +
                        std::to_string(startup.dwFlags) + "|" + std::to_string(startup.wShowWindow) +
                        "|" + std::to_string(startup.dwX) + "," + std::to_string(startup.dwY));

    const UINT delay = GetPrivateProfileIntA("Options", "Delay", 0, config.c_str());
    if (delay > 0) Sleep(delay);

    char value[64];
    GetPrivateProfileStringA("Report", code.c_str(), "\x01", value, sizeof value, config.c_str());
    if (std::string(value) != "\x01") {
        WritePrivateProfileStringA("Report", code.c_str(), value, "qvword7.ini");
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, "qvword7.ini");
    }

    AppendLine(log, "end|" + code);
    return 0;
}
