#include "install/resource_file.h"

#include <windows.h>

#include <cstring>

#include "driver/handles.h"
#include "driver/setup_state.h"

namespace qv {

int WriteResourceToFile(int resourceId, const std::string& path) {
    HRSRC resource = FindResourceA(g_state.instance, MAKEINTRESOURCEA(resourceId), "BINARY");
    if (!resource) return 0;
    HGLOBAL loaded = LoadResource(g_state.instance, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    const DWORD size = SizeofResource(g_state.instance, resource);
    if (!data || size == 0) return 0;

    UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return 0;
    // A mapping of the resource's size gives the new file exactly that length.
    UniqueHandle mapping(CreateFileMappingA(file.Get(), nullptr, PAGE_READWRITE, 0, size, nullptr));
    if (!mapping) return 0;
    UniqueView view(MapViewOfFile(mapping.Get(), FILE_MAP_WRITE, 0, 0, size));
    if (!view) return 0;
    std::memcpy(view.Get(), data, size);
    return 1;
}

}  // namespace qv
