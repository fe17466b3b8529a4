#include "ui/row_state.h"

#include <string>
#include <utility>

#include "driver/decisions.h"
#include "ui/dialog_texts.h"

namespace qv {

namespace {

// A setup program beside the running one offers a new dictionary only when
// it is big enough to carry one.
constexpr std::int32_t kNewDictionarySetupSize = 100000;

RowView Available(const RowFiles& files, bool flag, bool initial) {
    RowView view;
    view.available = true;
    view.selected = initial || flag;
    view.release = files.setupRelease;
    return view;
}

RowView Unavailable(std::string release) {
    RowView view;
    view.release = std::move(release);
    return view;
}

}  // namespace

RowView DecideRow(const RowFiles& files, bool flag, bool initial, UiLanguage language) {
    const std::int32_t installed = files.installedSize > 0 ? files.installedSize : 0;
    const std::int32_t setup = files.setupSize > 0 ? files.setupSize : 0;

    RowView view;
    MessageKind kind;
    if (installed == 0) {
        if (setup > kNewDictionarySetupSize) {
            view = Available(files, flag, initial);
            kind = MessageKind::NewWillBeInstalled;
        } else {
            view = Unavailable({});
            kind = MessageKind::NotPresent;
        }
    } else if (IsDemoSize(installed)) {
        if (setup > 0) {
            view = Available(files, flag, initial);
            kind = view.selected ? MessageKind::WillBeInstalled : MessageKind::WillNotBeInstalled;
        } else {
            view = Unavailable(std::string(DemoRelease(language)));
            kind = MessageKind::DemoInstalled;
        }
    } else {
        // 100,000 bytes and more: big, as the driver counts it.
        if (setup > 0) {
            view = Available(files, flag, initial);
            kind = view.selected ? MessageKind::WillBeInstalled : MessageKind::WillBeUninstalled;
        } else {
            view = Unavailable(files.installedRelease);
            kind = MessageKind::BigInstalled;
        }
    }
    view.comment = FormatMessageText(kind, language);
    return view;
}

std::string ReleaseLabel(int month, int year) {
    // "%02d.%d", without the C library's formatter.
    std::string label = (month >= 0 && month < 10) ? "0" : "";
    label += std::to_string(month);
    label += '.';
    label += std::to_string(year);
    return label;
}

}  // namespace qv
