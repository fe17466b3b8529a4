// The settings file "qvword7.ini" (in the Windows directory) and the hosts'
// "QV.CFG", through the system's private profile functions.
#pragma once

#include <string>
#include <string_view>

namespace qv {

inline constexpr const char* kSettingsFile = "qvword7.ini";

// A value read with a buffer of `bufferSize` bytes and the default "": at
// most bufferSize - 1 characters; "" when missing.
std::string ReadProfile(const char* section, const char* key, const std::string& file,
                        unsigned bufferSize = 128);
void WriteProfile(const char* section, const char* key, const std::string& value,
                  const std::string& file);

// [Options] DialogLanguage, 8 bytes.
std::string ReadDialogLanguage();

// [Report]: the channel between a run and its siblings.
void ClearReport();
void WriteReportCode(std::string_view pairCode, char code);
void WriteReportResult();        // Result = "1"
void DeleteReportResult();
std::string ReadReportValue(std::string_view key);  // 32 bytes
long ReadReportResult();

}  // namespace qv
