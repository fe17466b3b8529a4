#include "driver/file_probe.h"

#include <windows.h>

#include "driver/decisions.h"
#include "driver/handles.h"

namespace qv {

std::int32_t ProbeFileSize(const std::string& path) {
    WIN32_FIND_DATAA entry;
    UniqueFind find(FindFirstFileA(path.c_str(), &entry));
    if (!find) return -1;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return 0;
    return SizeFromParts(entry.nFileSizeLow, entry.nFileSizeHigh);
}

}  // namespace qv
