// Decisions of the setup driver that need no platform: options, the own
// pair's action, the target directory, the reading of [Report] values.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// An option counts as present when its two characters occur anywhere in the
// command line (case-sensitive).
bool HasOption(std::string_view commandLine, std::string_view option);

// The process command line without the program's own name (quoted or not)
// and without the blanks after it.
std::string_view ArgumentsOf(std::string_view processCommandLine);

// Dictionaries of this size or more are big; smaller non-empty ones are demos.
inline constexpr std::int32_t kBigDictionarySize = 100000;

enum class OwnPairAction { InstallNew = 0, ReplaceDemo = 1, Reinstall = 2, RestoreDemo = 3 };

// From the installed file's size (ProbeFileSize: -1 when absent) and whether
// the own pair is selected.
OwnPairAction DecideOwnPairAction(std::int32_t installedSize, bool selected);

// A demo dictionary: 1 to 99,999 bytes.
constexpr bool IsDemoSize(std::int32_t size) { return size > 0 && size < kBigDictionarySize; }

// The last non-empty of the Word 7, Word 8 and stand-alone directories.
std::string_view ChooseDictionaryDirectory(std::string_view word7DictDir,
                                           std::string_view word8DictDir,
                                           std::string_view standaloneDictDir);

// A [Report] value read as a decimal integer: leading blanks and one sign,
// digits up to the first other character; no digits give 0. A value outside
// the signed 32-bit range is held at its nearest end, on every target.
long ReadDecimal(std::string_view text);

// The size a file lookup reports: the low 32 bits less the high 32 bits,
// wrapped to a signed 32-bit value (4 GB and more can come out negative).
std::int32_t SizeFromParts(std::uint32_t low, std::uint32_t high);

}  // namespace qv
