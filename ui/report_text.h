// The text of the final report, from the [Report] values of the twelve pairs.
#pragma once

#include <array>
#include <string>

#include "driver/pairs.h"
#include "ui/catalogue.h"

namespace qv {

// values[i] is the [Report] value of PairTable[i] ("" when absent).
std::string ComposeReport(const std::array<std::string, kPairCount>& values, UiLanguage language);

}  // namespace qv
