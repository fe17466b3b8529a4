#pragma once

#include <string>

namespace qv {

// The running program's full file name, however long, and its directory
// (cut after the last backslash, which is kept).
std::string OwnFileName();
std::string OwnDirectory();

}  // namespace qv
