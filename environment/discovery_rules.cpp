#include "environment/discovery_rules.h"

#include "driver/decisions.h"

namespace qv {

namespace {

constexpr std::string_view kConfigFileName = "QV.CFG";
constexpr std::string_view kStandaloneDictionaryName = "diction";

}  // namespace

bool SearchesWord7(std::string_view commandLine) {
    return commandLine.empty() || HasOption(commandLine, "-7");
}

bool SearchesWord8(std::string_view commandLine) {
    return commandLine.empty() || HasOption(commandLine, "-8");
}

bool SearchesStandalone(std::string_view commandLine, bool wordHostFound) {
    return HasOption(commandLine, "-0") || !wordHostFound;
}

std::string ConfigFileFromStartupPath(std::string_view startupPath) {
    std::string path(startupPath);
    if (path.empty() || path.back() != '\\') path += '\\';
    path += kConfigFileName;
    return path;
}

std::string ConfigFileFromFallback(std::string_view startupDirectory) {
    std::string path(startupDirectory);
    path += '\\';
    path += kConfigFileName;
    return path;
}

std::string StandaloneDictionaryDirectory(std::string_view winDirectoryValue) {
    std::string_view value = winDirectoryValue;
    if (!value.empty() && value.back() == '\\') value.remove_suffix(1);
    size_t slash = value.rfind('\\');
    if (slash == std::string_view::npos) return std::string(value);
    std::string directory(value.substr(0, slash + 1));
    directory += kStandaloneDictionaryName;
    return directory;
}

}  // namespace qv
