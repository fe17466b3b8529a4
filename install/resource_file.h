#pragma once

#include <string>

namespace qv {

// Writes the "BINARY" resource `resourceId` of this program into a new file
// `path`, replacing an existing one. 1 on success, 0 on failure.
int WriteResourceToFile(int resourceId, const std::string& path);

}  // namespace qv
