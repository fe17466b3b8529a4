#include "install/sibling_command.h"

namespace qv {

std::string_view HostOption(std::string_view word7DictDir, std::string_view word8DictDir) {
    if (!word7DictDir.empty()) return " -7";
    if (!word8DictDir.empty()) return " -8";
    return " -0";
}

std::string SiblingCommandLine(std::string_view programPath, bool selected,
                               std::string_view word7DictDir, std::string_view word8DictDir) {
    std::string line;
    line.reserve(programPath.size() + 8);
    line += '"';
    line += programPath;
    line += '"';
    line += selected ? " -i" : " -d";
    line += HostOption(word7DictDir, word8DictDir);
    return line;
}

}  // namespace qv
