#include "environment/settings.h"

#include <windows.h>

#include <vector>

#include "driver/decisions.h"

namespace qv {

std::string ReadProfile(const char* section, const char* key, const std::string& file,
                        unsigned bufferSize) {
    std::vector<char> buffer(bufferSize, '\0');
    DWORD length = GetPrivateProfileStringA(section, key, "", buffer.data(), bufferSize, file.c_str());
    return std::string(buffer.data(), length);
}

void WriteProfile(const char* section, const char* key, const std::string& value,
                  const std::string& file) {
    WritePrivateProfileStringA(section, key, value.c_str(), file.c_str());
}

std::string ReadDialogLanguage() { return ReadProfile("Options", "DialogLanguage", kSettingsFile, 8); }

void ClearReport() { WritePrivateProfileStringA("Report", nullptr, nullptr, kSettingsFile); }

void WriteReportCode(std::string_view pairCode, char code) {
    const char value[2] = {code, '\0'};
    WritePrivateProfileStringA("Report", std::string(pairCode).c_str(), value, kSettingsFile);
}

void WriteReportResult() { WritePrivateProfileStringA("Report", "Result", "1", kSettingsFile); }

void DeleteReportResult() { WritePrivateProfileStringA("Report", "Result", nullptr, kSettingsFile); }

std::string ReadReportValue(std::string_view key) {
    return ReadProfile("Report", std::string(key).c_str(), kSettingsFile, 32);
}

long ReadReportResult() { return ReadDecimal(ReadReportValue("Result")); }

}  // namespace qv
