#include "ui/report_text.h"

#include "driver/decisions.h"
#include "ui/dialog_texts.h"

namespace qv {

namespace {

constexpr std::string_view kNewLine = "\r\n";

// The report line of a [Report] value of 1 to 6. A 5 reads like a 6: the
// dictionary could not be unpacked.
MessageKind LineKindOf(long code) {
    if (code >= 5) return MessageKind::ReportCannotUnpack;
    return static_cast<MessageKind>(static_cast<unsigned>(MessageKind::ReportInstalled) + code - 1);
}

}  // namespace

std::string ComposeReport(const std::array<std::string, kPairCount>& values, UiLanguage language) {
    std::string text;
    text += kNewLine;
    text += ReportFirstHeading(language);
    text += kNewLine;
    text += kNewLine;
    text += ReportSecondHeading(language);
    text += kNewLine;
    text += kNewLine;

    bool anyLine = false;
    for (int i = 0; i < kPairCount; ++i) {
        const std::string& value = values[i];
        if (value.empty()) continue;
        long code = ReadDecimal(value);
        if (code < 1 || code > 6) continue;
        anyLine = true;
        std::string name = FormatPairName(PairTable[i].code, 1, language);
        text += FormatMessageText(LineKindOf(code), language, name);
        text += kNewLine;
    }

    if (!anyLine) {
        text.assign(kNewLine);
        text += FormatMessageText(MessageKind::NothingDone, language);
    }
    return text;
}

}  // namespace qv
