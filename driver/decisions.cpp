#include "driver/decisions.h"

#include <limits>

namespace qv {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The blanks that C's atol passes over.
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

bool HasOption(std::string_view commandLine, std::string_view option) {
    return commandLine.find(option) != std::string_view::npos;
}

std::string_view ArgumentsOf(std::string_view processCommandLine) {
    size_t i = 0;
    const size_t n = processCommandLine.size();
    if (n > 0 && processCommandLine[0] == '"') {
        // A quoted name runs to the closing quote, or to the end without one.
        size_t close = processCommandLine.find('"', 1);
        i = close == std::string_view::npos ? n : close + 1;
    } else {
        while (i < n && !IsBlank(processCommandLine[i])) ++i;
    }
    while (i < n && IsBlank(processCommandLine[i])) ++i;
    return processCommandLine.substr(i);
}

OwnPairAction DecideOwnPairAction(std::int32_t installedSize, bool selected) {
    if (installedSize <= 0) return OwnPairAction::InstallNew;
    if (installedSize < kBigDictionarySize) return OwnPairAction::ReplaceDemo;
    return selected ? OwnPairAction::Reinstall : OwnPairAction::RestoreDemo;
}

std::string_view ChooseDictionaryDirectory(std::string_view word7DictDir,
                                           std::string_view word8DictDir,
                                           std::string_view standaloneDictDir) {
    if (!standaloneDictDir.empty()) return standaloneDictDir;
    if (!word8DictDir.empty()) return word8DictDir;
    return word7DictDir;
}

long ReadDecimal(std::string_view text) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && IsSpace(text[i])) ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulated as a magnitude and held within the 32-bit range, so that
    // a long run of digits gives the same value on every target.
    constexpr std::int64_t kMaxMagnitude =
        static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1;
    std::int64_t magnitude = 0;
    for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > kMaxMagnitude) magnitude = kMaxMagnitude;
    }
    if (negative) return static_cast<long>(-magnitude);
    if (magnitude > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<long>(magnitude);
}

std::int32_t SizeFromParts(std::uint32_t low, std::uint32_t high) {
    // Unsigned arithmetic wraps; the conversion keeps the low 32 bits.
    return static_cast<std::int32_t>(low - high);
}

}  // namespace qv
