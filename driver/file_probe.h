// File sizes as the whole program counts them.
#pragma once

#include <cstdint>
#include <string>

namespace qv {

// The size of the first directory entry matching `path` (low 32 bits less the
// high 32 bits), or -1 when nothing matches. A directory yields 0. Callers
// treat 0 or less as "no such file".
std::int32_t ProbeFileSize(const std::string& path);

}  // namespace qv
