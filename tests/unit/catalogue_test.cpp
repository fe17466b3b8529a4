#include "ui/catalogue.h"

#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "tests/unit/cp1251.h"

namespace qv {
namespace {

using K = MessageKind;

std::string Trace(K kind, UiLanguage language) {
    return "kind " + std::to_string(static_cast<unsigned>(kind)) + " in " + std::string(1, language);
}

// Every entry in every language. Expected texts and the "%s" arguments are
// written in UTF-8 and converted to code page 1251 here.
struct MessageCase {
    K kind;
    UiLanguage language;
    const char* text;  // UTF-8
    long number;
    const char* expected;  // UTF-8
};

const MessageCase kMessageCases[] = {
    {K::Caption, 'E', "", 0, "Setup dictionary"},
    {K::Caption, 'U', "", 0, "Установка словника"},
    {K::Caption, 'R', "", 0, "Установка словаря"},

    {K::InstallProductFirst, 'E', "", 0, "Please, install Quorvi 98 before."},
    {K::InstallProductFirst, 'U', "", 0, "Встановіть Quorvi 98 перед інсталяцією словників."},
    {K::InstallProductFirst, 'R', "", 0, "Установите Quorvi 98 перед инсталляцией словарей."},

    {K::WillInstallNotice, 'E', "  Ukrainian-Russian", 0,
     "  Ukrainian-Russian Dictionary will be installed."},
    {K::WillInstallNotice, 'U', "  Українсько-російський", 0,
     "Буде встановлено\n  Українсько-російський\nперевідний словник Quorvi 98."},
    {K::WillInstallNotice, 'R', "  Украинско-русский", 0,
     "Будет установлен\n  Украинско-русский\nпереводной словарь Quorvi 98."},

    // The line feed first puts the text on the comment label's second line.
    {K::NotPresent, 'E', "", 0, "\nDictionary is not present"},
    {K::NotPresent, 'U', "", 0, "\nСловник відсутній"},
    {K::NotPresent, 'R', "", 0, "\nСловарь отсутствует"},

    {K::NoOffice, 'E', "", 0,
     "Microsoft Office can not be found.\nDictionaries will be installed for stand-alone "
     "application\nQuorvi.exe only."},
    // Ukrainian has no text of its own here and shows the Russian one.
    {K::NoOffice, 'U', "", 0,
     "Не найден Microsoft Office.\nСловари будут установлены для приложения\nQuorvi.exe."},
    {K::NoOffice, 'R', "", 0,
     "Не найден Microsoft Office.\nСловари будут установлены для приложения\nQuorvi.exe."},

    {K::TwoOffices, 'E', "", 0,
     "Quorvi 98 installed for two versions of Microsoft Office.\n\nChoose the necessary version:"},
    {K::TwoOffices, 'U', "", 0,
     "Quorvi 98 инстальовано для декількох версій Microsoft Office.\n\nВиберіть необхідну версію:"},
    {K::TwoOffices, 'R', "", 0,
     "Quorvi 98 инсталлирован для нескольких версий Microsoft Office.\n\nВыберите необходимую версию:"},

    {K::OneOffice, 'E', "", 95, "Quorvi 98 installed for Microsoft Office 95 only."},
    {K::OneOffice, 'U', "", 97, "Quorvi 98 инстальовано тільки для Microsoft Office 97."},
    {K::OneOffice, 'R', "", 95, "Quorvi 98 инсталлирован только для Microsoft Office 95."},

    {K::PleaseWait, 'E', "", 0, "Wait, please..."},
    {K::PleaseWait, 'U', "", 0, "Почекайте..."},
    {K::PleaseWait, 'R', "", 0, "Подождите..."},

    {K::WillBeInstalled, 'E', "", 0, "It will be installed"},
    {K::WillBeInstalled, 'U', "", 0, "Буде інстальовано"},
    {K::WillBeInstalled, 'R', "", 0, "Будет инсталлирован"},

    {K::WillBeUninstalled, 'E', "", 0, "It will be uninstalled"},
    {K::WillBeUninstalled, 'U', "", 0, "Буде деінстальовано"},
    {K::WillBeUninstalled, 'R', "", 0, "Будет деинсталлирован"},

    {K::NewWillBeInstalled, 'E', "", 0, "New dictionary will be installed"},
    {K::NewWillBeInstalled, 'U', "", 0, "Буде встановлено новий словник"},
    {K::NewWillBeInstalled, 'R', "", 0, "Будет установлен новый словарь"},

    {K::DemoInstalled, 'E', "", 0, "Demo dictionary is installed"},
    {K::DemoInstalled, 'U', "", 0, "Встановлено демо-словник"},
    {K::DemoInstalled, 'R', "", 0, "Установлен демо-словарь"},

    {K::BigInstalled, 'E', "", 0, "Big dictionary is installed"},
    {K::BigInstalled, 'U', "", 0, "Встановлено повний словник"},
    {K::BigInstalled, 'R', "", 0, "Установлен полный словарь"},

    {K::WillNotBeInstalled, 'E', "", 0, "Dictionary will not be installed"},
    {K::WillNotBeInstalled, 'U', "", 0, "Словник не буде інстальовано"},
    {K::WillNotBeInstalled, 'R', "", 0, "Словарь не будет инсталлирован"},

    {K::ReportInstalled, 'E', "Ukrainian-Russian", 0,
     "Ukrainian-Russian Dictionary has been installed successfully"},
    {K::ReportInstalled, 'U', "Українсько-російський", 0,
     "Українсько-російський повний словник було успішно інстальовано"},
    {K::ReportInstalled, 'R', "Украинско-русский", 0,
     "Украинско-русский полный словарь был успешно инсталлирован"},

    {K::ReportUninstalled, 'E', "English-German", 0, "English-German Dictionary has been uninstalled"},
    {K::ReportUninstalled, 'U', "Англо-німецький", 0, "Англо-німецький повний словник було деінстальовано"},
    {K::ReportUninstalled, 'R', "Англо-немецкий", 0, "Англо-немецкий полный словарь был деинсталлирован"},

    {K::ReportCannotRecover, 'E', "Russian-English", 0,
     "Russian-English - Error: demo dictionary can not be recovered"},
    {K::ReportCannotRecover, 'U', "Російсько-англійський", 0,
     "Російсько-англійський - Помилка: демонстраційний словник не можна відновити"},
    {K::ReportCannotRecover, 'R', "Русско-английский", 0,
     "Русско-английский - Ошибка: демонстрационный словарь нельзя восстановить"},

    {K::ReportCannotPrepare, 'E', "German-Ukrainian", 0,
     "German-Ukrainian - Error: dictionary can not be prepared"},
    {K::ReportCannotPrepare, 'U', "Нымецько-український", 0,
     "Нымецько-український - Помилка: словник не можна скопіювати"},
    {K::ReportCannotPrepare, 'R', "Немецко-украинский", 0,
     "Немецко-украинский - Ошибка: словарь нельзя скопировать"},

    {K::ReportCannotUnpack, 'E', "English-Ukrainian", 0,
     "English-Ukrainian - Error: dictionary can not be unpacked"},
    {K::ReportCannotUnpack, 'U', "Англо-український", 0,
     "Англо-український - Помилка: словник не можна розпакувати"},
    {K::ReportCannotUnpack, 'R', "Англо-украинский", 0,
     "Англо-украинский - Ошибка: словарь не может быть распакован"},

    {K::WillUninstallNotice, 'E', "  Ukrainian-Russian", 0,
     "  Ukrainian-Russian Dictionary will be uninstalled."},
    {K::WillUninstallNotice, 'U', "  Українсько-російський", 0,
     "Буде деінстальовано\n  Українсько-російський\nперевідний словник Quorvi 98."},
    {K::WillUninstallNotice, 'R', "  Украинско-русский", 0,
     "Будет деинсталлирован\n  Украинско-русский\nпереводной словарь Quorvi 98."},

    // Ten blanks first.
    {K::NothingDone, 'E', "", 0, "          Nothing done"},
    {K::NothingDone, 'U', "", 0, "          Не зроблено ніяких дій"},
    {K::NothingDone, 'R', "", 0, "          Не сделано никаких действий"},

    // Kind 9: the letter at index `number` of the pair code.
    {K::LanguageName, 'E', "GU", 0, "German-"},
    {K::LanguageName, 'U', "GU", 0, "Нымецько-"},
    {K::LanguageName, 'R', "GU", 0, "Немецко-"},
    {K::LanguageName, 'E', "UG", 1, "German"},
    {K::LanguageName, 'U', "UG", 1, "німецький"},
    {K::LanguageName, 'R', "UG", 1, "немецкий"},
    {K::LanguageName, 'E', "RU", 0, "Russian-"},
    {K::LanguageName, 'U', "RU", 0, "Російсько-"},
    {K::LanguageName, 'R', "RU", 0, "Русско-"},
    {K::LanguageName, 'E', "UR", 1, "Russian"},
    {K::LanguageName, 'U', "UR", 1, "російський"},
    {K::LanguageName, 'R', "UR", 1, "русский"},
    {K::LanguageName, 'E', "UR", 0, "Ukrainian-"},
    {K::LanguageName, 'U', "UR", 0, "Українсько-"},
    {K::LanguageName, 'R', "UR", 0, "Украинско-"},
    {K::LanguageName, 'E', "RU", 1, "Ukrainian"},
    {K::LanguageName, 'U', "RU", 1, "український"},
    {K::LanguageName, 'R', "RU", 1, "украинский"},
    {K::LanguageName, 'E', "EG", 0, "English-"},
    {K::LanguageName, 'U', "EG", 0, "Англо-"},
    {K::LanguageName, 'R', "EG", 0, "Англо-"},
    {K::LanguageName, 'E', "GE", 1, "English"},
    {K::LanguageName, 'U', "GE", 1, "англійський"},
    {K::LanguageName, 'R', "GE", 1, "английский"},
    // Letters without names of their own, small letters included, are English.
    {K::LanguageName, 'R', "XU", 0, "Англо-"},
    {K::LanguageName, 'U', "Ug", 1, "англійський"},
    // Every index but 0 asks for the target form; past the code's end there
    // is no letter, which names English.
    {K::LanguageName, 'E', "UR", 2, "English"},
    {K::LanguageName, 'R', "UR", 7, "английский"},
    {K::LanguageName, 'U', "UR", -1, "англійський"},
    {K::LanguageName, 'E', "", 0, "English-"},
};

TEST(FormatMessageText, GivesEachTextInEachLanguage) {
    for (const MessageCase& c : kMessageCases) {
        SCOPED_TRACE(Trace(c.kind, c.language) + " with \"" + c.text + "\", " + std::to_string(c.number));
        EXPECT_EQ(FormatMessageText(c.kind, c.language, Cp1251(c.text), c.number), Cp1251(c.expected));
    }
}

TEST(FormatMessageText, ReadsAnyLanguageButUkrainianAndRussianAsEnglish) {
    for (UiLanguage language : {'X', 'u', 'r', '\0'}) {
        SCOPED_TRACE(std::string("language code ") + std::to_string(static_cast<int>(language)));
        EXPECT_EQ(FormatMessageText(K::Caption, language), "Setup dictionary");
        EXPECT_EQ(FormatMessageText(K::NoOffice, language),
                  "Microsoft Office can not be found.\nDictionaries will be installed for stand-alone "
                  "application\nQuorvi.exe only.");
        EXPECT_EQ(FormatMessageText(K::LanguageName, language, "UR", 0), "Ukrainian-");
    }
}

TEST(FormatMessageText, KindsOutsideTheCatalogueGiveNothing) {
    for (unsigned kind : {1u, 2u, 3u, 5u, 7u, 8u, 10u, 12u, 22u, 31u, 1000u}) {
        for (UiLanguage language : {'E', 'U', 'R'}) {
            SCOPED_TRACE(Trace(static_cast<K>(kind), language));
            EXPECT_EQ(FormatMessageText(static_cast<K>(kind), language, "UR", 95), "");
        }
    }
}

TEST(FormatMessageText, FillsTheNumberAsASignedDecimal) {
    EXPECT_EQ(FormatMessageText(K::OneOffice, 'E', "", -7),
              "Quorvi 98 installed for Microsoft Office -7 only.");
    EXPECT_EQ(FormatMessageText(K::OneOffice, 'E', "", LONG_MIN),
              "Quorvi 98 installed for Microsoft Office " + std::to_string(LONG_MIN) + " only.");
    EXPECT_EQ(FormatMessageText(K::OneOffice, 'R', "", LONG_MAX),
              Cp1251("Quorvi 98 инсталлирован только для Microsoft Office ") + std::to_string(LONG_MAX) + ".");
}

TEST(FormatMessageText, CopiesTheTextArgumentAsItStands) {
    // Format directives in the argument are not interpreted.
    EXPECT_EQ(FormatMessageText(K::ReportInstalled, 'E', "%s%ld%n%%"),
              "%s%ld%n%% Dictionary has been installed successfully");
    // A long argument is held whole, not cut at a fixed buffer size.
    std::string longName(600, 'x');
    EXPECT_EQ(FormatMessageText(K::ReportCannotUnpack, 'E', longName),
              longName + " - Error: dictionary can not be unpacked");
    // An argument with a zero byte inside stays whole as well.
    std::string withZero("A\0B", 3);
    EXPECT_EQ(FormatMessageText(K::WillInstallNotice, 'E', withZero),
              std::string("A\0B Dictionary will be installed.", 33));
}

TEST(FormatMessageText, IgnoresArgumentsThatTheKindDoesNotTake) {
    EXPECT_EQ(FormatMessageText(K::PleaseWait, 'E', "%s", 97), "Wait, please...");
    EXPECT_EQ(FormatMessageText(K::OneOffice, 'E', "text", 95),
              "Quorvi 98 installed for Microsoft Office 95 only.");
    EXPECT_EQ(FormatMessageText(K::ReportUninstalled, 'E', "", 95), " Dictionary has been uninstalled");
}

struct PairNameCase {
    const char* code;
    int flag;
    UiLanguage language;
    const char* expected;  // UTF-8
};

const PairNameCase kPairNameCases[] = {
    {"UR", 0, 'E', "  Ukrainian-Russian"},
    {"UR", 0, 'U', "  Українсько-російський"},
    {"UR", 0, 'R', "  Украинско-русский"},
    {"UR", 1, 'E', "Ukrainian-Russian"},
    {"UR", 1, 'U', "Українсько-російський"},
    {"UR", 1, 'R', "Украинско-русский"},
    {"GU", 0, 'U', "  Нымецько-український"},
    {"EG", 1, 'R', "Англо-немецкий"},
    {"EG", 1, 'E', "English-German"},
    {"EG", 1, 'U', "Англо-німецький"},
    {"GE", 0, 'R', "  Немецко-английский"},
    {"RE", 1, 'U', "Російсько-англійський"},
    // Only flag 0 asks for the blanks.
    {"EU", 2, 'E', "English-Ukrainian"},
    {"EU", -1, 'R', "Англо-украинский"},
    // An empty code has no name, with or without blanks.
    {"", 0, 'E', ""},
    {"", 1, 'U', ""},
    {"", 0, 'R', ""},
};

TEST(FormatPairName, BuildsTheNameFromBothLetters) {
    for (const PairNameCase& c : kPairNameCases) {
        SCOPED_TRACE(std::string("\"") + c.code + "\" flag " + std::to_string(c.flag) + " in " +
                     std::string(1, c.language));
        EXPECT_EQ(FormatPairName(c.code, c.flag, c.language), Cp1251(c.expected));
    }
}

TEST(FormatPairName, FeedsTheNoticesAndReportLines) {
    EXPECT_EQ(FormatMessageText(K::WillInstallNotice, 'E', FormatPairName("UR", 0, 'E')),
              "  Ukrainian-Russian Dictionary will be installed.");
    EXPECT_EQ(FormatMessageText(K::WillUninstallNotice, 'U', FormatPairName("GR", 0, 'U')),
              Cp1251("Буде деінстальовано\n  Нымецько-російський\nперевідний словник Quorvi 98."));
    EXPECT_EQ(FormatMessageText(K::ReportCannotUnpack, 'E', FormatPairName("EU", 1, 'E')),
              "English-Ukrainian - Error: dictionary can not be unpacked");
}

TEST(UiLanguageFromSetting, TakesACapitalFirstLetterOnly) {
    struct Case {
        const char* setting;
        UiLanguage expected;
    };
    const Case cases[] = {
        {"Russian", 'R'}, {"R", 'R'},        {"Ukrainian", 'U'}, {"U", 'U'},  {"Uxyz", 'U'},
        {"E", 'E'},       {"English", 'E'},  {"english", 'E'},   {"russian", 'E'},
        {"ukr", 'E'},     {"G", 'E'},        {"", 'E'},          {" R", 'E'},
        {"German", 'E'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.setting + "\"");
        EXPECT_EQ(UiLanguageFromSetting(c.setting), c.expected);
    }
}

}  // namespace
}  // namespace qv
