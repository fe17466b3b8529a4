// The path rules of host discovery, without the registry or files.
#pragma once

#include <string>
#include <string_view>

namespace qv {

// Which hosts a run looks up, from its command line ("" is an interactive run).
bool SearchesWord7(std::string_view commandLine);   // "-7" or empty
bool SearchesWord8(std::string_view commandLine);   // "-8" or empty
// The stand-alone host is looked up with "-0", or when no Word host was found.
bool SearchesStandalone(std::string_view commandLine, bool wordHostFound);

// Word's STARTUP-PATH value -> its QV.CFG: a backslash is added only when
// the value does not end in one.
std::string ConfigFileFromStartupPath(std::string_view startupPath);

// [Path] Startup -> its QV.CFG: "\QV.CFG" is always appended.
std::string ConfigFileFromFallback(std::string_view startupDirectory);

// [Path] Win -> the stand-alone dictionary directory: one trailing backslash
// goes, then whatever follows the last backslash becomes "diction". A value
// without a backslash stays as it is; "\" gives "".
std::string StandaloneDictionaryDirectory(std::string_view winDirectoryValue);

// Values are read into 128-byte buffers: at most this many characters.
inline constexpr size_t kMaxPathValue = 127;

}  // namespace qv
