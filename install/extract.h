#pragma once

#include <string>

namespace qv {

// Unpacks the carried dictionary and puts it onto `targetFile`. 1 on success;
// 0 after writing the pair's failure code into [Report].
int ExtractDictionary(const std::string& targetFile, int pairIndex);

}  // namespace qv
