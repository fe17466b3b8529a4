// The trilingual message catalogue. Texts are code page 1251 bytes: the
// product's own data. Conversion for display happens only at the window call.
// Platform-free.
#pragma once

#include <string>
#include <string_view>

namespace qv {

// The UI language letter: 'E', 'U' or 'R'.
using UiLanguage = char;

// [Options] DialogLanguage -> language: an upper-case E, R or U as the first
// character chooses it; anything else, or nothing, gives 'E'.
UiLanguage UiLanguageFromSetting(std::string_view dialogLanguage);

enum class MessageKind : unsigned {
    Caption = 0,
    InstallProductFirst = 4,
    WillInstallNotice = 6,
    LanguageName = 9,
    NotPresent = 11,
    NoOffice = 13,
    TwoOffices = 14,
    OneOffice = 15,
    PleaseWait = 16,
    WillBeInstalled = 17,
    WillBeUninstalled = 18,
    NewWillBeInstalled = 19,
    DemoInstalled = 20,
    BigInstalled = 21,
    WillNotBeInstalled = 23,
    ReportInstalled = 24,
    ReportUninstalled = 25,
    ReportCannotRecover = 26,
    ReportCannotPrepare = 27,
    ReportCannotUnpack = 28,
    WillUninstallNotice = 29,
    NothingDone = 30,
};

// The text of `kind` in `language`, with `text` standing for "%s" and
// `number` for "%ld". For LanguageName, `text` is the pair code and `number`
// the letter index (0: source form, other: target form). A kind that is not
// in the catalogue gives an empty text.
std::string FormatMessageText(MessageKind kind, UiLanguage language,
                              std::string_view text = {}, long number = 0);

// A pair's display name, e.g. "  Ukrainian-Russian". flag 0 puts two blanks
// in front, any other value none. An empty code gives an empty name.
std::string FormatPairName(std::string_view pairCode, int flag, UiLanguage language);

}  // namespace qv
