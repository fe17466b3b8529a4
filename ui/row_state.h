// What one row of the main dialog shows for a pair, from the sizes of the
// installed dictionary and of the pair's setup program.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/catalogue.h"

namespace qv {

struct RowFiles {
    std::int32_t installedSize = 0;   // 0 or less: no dictionary
    std::string installedRelease;     // "MM.YYYY", empty when absent
    std::int32_t setupSize = 0;       // 0 or less: no setup program
    std::string setupRelease;
};

struct RowView {
    bool available = false;   // check box enabled
    bool selected = false;    // the pair's flag after the refresh; box checked
    std::string release;      // release label
    std::string comment;      // comment label, code page 1251
};

// `flag` is the pair's selection flag before the refresh; `initial` is the
// refresh of the dialog's start or of a host click, which selects every
// available pair shown. An unavailable row is never selected.
//
// Sizes of 0 or less count as absent. An installed dictionary of 100,000
// bytes or more is big, as the driver counts it. Without a dictionary the
// setup program must be over 100,000 bytes to offer one; a smaller one leaves
// the row unavailable as "not present", with no release.
RowView DecideRow(const RowFiles& files, bool flag, bool initial, UiLanguage language);

// "%02d.%d" of a month and a year.
std::string ReleaseLabel(int month, int year);

}  // namespace qv
