#include "ui/dialog_texts.h"

// Written in UTF-8, stored as code page 1251 (-fexec-charset=CP1251).

namespace qv {

namespace {

// A fixed label in the three languages. The English text of a button or a
// caption is nullptr: the dialog template already holds it.
struct Label {
    const char* english;
    const char* ukrainian;
    const char* russian;

    const char* In(UiLanguage language) const {
        if (language == 'U') return ukrainian;
        if (language == 'R') return russian;
        return english;
    }
};

constexpr Label kDictionaryHeader{" Dictionary ", " Словник ", " Словарь "};
constexpr Label kReleaseHeader{" Release ", " Версія ", " Версия "};
constexpr Label kCommentsHeader{" Comments ", " Коментарі ", " Комментарии "};
constexpr Label kMainSetupButton{nullptr, "Встановити", "Установить"};
constexpr Label kMainCloseButton{nullptr, "Вихід", "Выход"};
constexpr Label kMainCaption{nullptr, "Установка словників", "Установка словарей"};

constexpr Label kStopButton{nullptr, "Стоп", "Стоп"};

constexpr Label kReportFirstHeading{
    "                    Setup has been completed.",
    "                    Установку словників закінчено.",
    "                    Установка словарей закончена."};
constexpr Label kReportSecondHeading{
    "Actions was done:",
    "Зі словниками виконано наступні дії:",
    "Со словарями выполнены следующие действия:"};
constexpr Label kReportCaption{nullptr, "Звіт", "Отчет"};
constexpr Label kReportCloseButton{nullptr, "Вихід", "Выход"};

}  // namespace

std::string_view DictionaryHeader(UiLanguage language) { return kDictionaryHeader.In(language); }
std::string_view ReleaseHeader(UiLanguage language) { return kReleaseHeader.In(language); }
std::string_view CommentsHeader(UiLanguage language) { return kCommentsHeader.In(language); }
const char* MainSetupButton(UiLanguage language) { return kMainSetupButton.In(language); }
const char* MainCloseButton(UiLanguage language) { return kMainCloseButton.In(language); }
const char* MainCaption(UiLanguage language) { return kMainCaption.In(language); }

// The release label of a demo dictionary: Latin letters for English only.
std::string_view DemoRelease(UiLanguage language) { return language == 'E' ? "Demo" : "Демо"; }

const char* StopButton(UiLanguage language) { return kStopButton.In(language); }

std::string_view ReportFirstHeading(UiLanguage language) { return kReportFirstHeading.In(language); }
std::string_view ReportSecondHeading(UiLanguage language) { return kReportSecondHeading.In(language); }
const char* ReportCaption(UiLanguage language) { return kReportCaption.In(language); }
const char* ReportCloseButton(UiLanguage language) { return kReportCloseButton.In(language); }

}  // namespace qv
