#pragma once

#include <string>

namespace qv {

// Puts a complete copy of `source` in place of `target`. The copy is made
// beside the target first and swapped in only once it is whole, so a failure
// (read-only or locked target, full disk) leaves the target as it was.
bool ReplaceFileWithCopy(const std::string& source, const std::string& target);

}  // namespace qv
