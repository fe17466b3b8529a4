#include "ui/dialog_texts.h"

#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "tests/unit/cp1251.h"

namespace qv {
namespace {

// A label as the dialog gets it; nullopt where the template's text stays.
using Text = std::optional<std::string>;

template <std::string_view (*F)(UiLanguage)>
Text ViewLabel(UiLanguage language) {
    return std::string(F(language));
}

template <const char* (*F)(UiLanguage)>
Text PointerLabel(UiLanguage language) {
    const char* text = F(language);
    return text ? Text(text) : std::nullopt;
}

Text Expected(const char* utf8) { return utf8 ? Text(Cp1251(utf8)) : std::nullopt; }

struct LabelCase {
    const char* name;
    Text (*get)(UiLanguage);
    const char* english;    // UTF-8; nullptr: the template's text stays
    const char* ukrainian;
    const char* russian;
};

const LabelCase kLabels[] = {
    {"dictionary header", ViewLabel<DictionaryHeader>, " Dictionary ", " Словник ", " Словарь "},
    {"release header", ViewLabel<ReleaseHeader>, " Release ", " Версія ", " Версия "},
    {"comments header", ViewLabel<CommentsHeader>, " Comments ", " Коментарі ", " Комментарии "},
    {"setup button", PointerLabel<MainSetupButton>, nullptr, "Встановити", "Установить"},
    {"main close button", PointerLabel<MainCloseButton>, nullptr, "Вихід", "Выход"},
    {"main caption", PointerLabel<MainCaption>, nullptr, "Установка словників", "Установка словарей"},
    {"demo release", ViewLabel<DemoRelease>, "Demo", "Демо", "Демо"},
    {"stop button", PointerLabel<StopButton>, nullptr, "Стоп", "Стоп"},
    {"first report heading", ViewLabel<ReportFirstHeading>,
     "                    Setup has been completed.",
     "                    Установку словників закінчено.",
     "                    Установка словарей закончена."},
    {"second report heading", ViewLabel<ReportSecondHeading>,
     "Actions was done:",
     "Зі словниками виконано наступні дії:",
     "Со словарями выполнены следующие действия:"},
    {"report caption", PointerLabel<ReportCaption>, nullptr, "Звіт", "Отчет"},
    {"report close button", PointerLabel<ReportCloseButton>, nullptr, "Вихід", "Выход"},
};

TEST(DialogTexts, GivesEachLabelInEachLanguage) {
    for (const LabelCase& c : kLabels) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.get('E'), Expected(c.english)) << "in E";
        EXPECT_EQ(c.get('U'), Expected(c.ukrainian)) << "in U";
        EXPECT_EQ(c.get('R'), Expected(c.russian)) << "in R";
    }
}

}  // namespace
}  // namespace qv
