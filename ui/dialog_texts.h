// The dialogs' fixed labels by UI language (captions, buttons, headers,
// headings). They are not catalogue texts; code page 1251 like them.
#pragma once

#include <string_view>

#include "ui/catalogue.h"

namespace qv {

// Main dialog. Column headers are set in every language; the buttons and the
// caption only for U and R (nullptr for E: the template's text stays).
std::string_view DictionaryHeader(UiLanguage language);   // " Dictionary "
std::string_view ReleaseHeader(UiLanguage language);      // " Release "
std::string_view CommentsHeader(UiLanguage language);     // " Comments "
const char* MainSetupButton(UiLanguage language);         // "Установить"/"Встановити"
const char* MainCloseButton(UiLanguage language);         // "Выход"/"Вихід"
const char* MainCaption(UiLanguage language);             // "Установка словарей"/...

// The release label of a demo dictionary: "Demo" in English, else "Демо".
std::string_view DemoRelease(UiLanguage language);

// Progress dialog: the Stop button, "Стоп" for U and R; nullptr for E.
const char* StopButton(UiLanguage language);

// Report dialog.
std::string_view ReportFirstHeading(UiLanguage language);   // 20 blanks first
std::string_view ReportSecondHeading(UiLanguage language);
const char* ReportCaption(UiLanguage language);             // nullptr for E
const char* ReportCloseButton(UiLanguage language);         // nullptr for E

}  // namespace qv
