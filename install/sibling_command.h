// The command line that starts a sibling setup program.
#pragma once

#include <string>
#include <string_view>

namespace qv {

// The host option for siblings: " -7" when a Word 7 directory is in use,
// else " -8" for Word 8, else " -0".
std::string_view HostOption(std::string_view word7DictDir, std::string_view word8DictDir);

// "<program>" -i|-d -7|-8|-0, the program path in quotes so that a directory
// with blanks in it names the right file.
std::string SiblingCommandLine(std::string_view programPath, bool selected,
                               std::string_view word7DictDir, std::string_view word8DictDir);

}  // namespace qv
