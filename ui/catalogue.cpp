#include "ui/catalogue.h"

#include <iterator>
#include <string>

// The texts below are written in UTF-8; this file is compiled with
// -fexec-charset=CP1251, so they are stored as code page 1251 bytes.

namespace qv {

namespace {

enum class Argument { None, Text, Number };

struct Entry {
    MessageKind kind;
    Argument argument;
    const char* english;
    const char* ukrainian;
    const char* russian;
};

constexpr const char* kNoOfficeRussian =
    "Не найден Microsoft Office.\nСловари будут установлены для приложения\nQuorvi.exe.";

// Each text holds at most one placeholder, the one its entry names:
// "%s" for Argument::Text, "%ld" for Argument::Number.
constexpr Entry kEntries[] = {
    {MessageKind::Caption, Argument::None,
     "Setup dictionary",
     "Установка словника",
     "Установка словаря"},
    {MessageKind::InstallProductFirst, Argument::None,
     "Please, install Quorvi 98 before.",
     "Встановіть Quorvi 98 перед інсталяцією словників.",
     "Установите Quorvi 98 перед инсталляцией словарей."},
    {MessageKind::WillInstallNotice, Argument::Text,
     "%s Dictionary will be installed.",
     "Буде встановлено\n%s\nперевідний словник Quorvi 98.",
     "Будет установлен\n%s\nпереводной словарь Quorvi 98."},
    {MessageKind::NotPresent, Argument::None,
     "\nDictionary is not present",
     "\nСловник відсутній",
     "\nСловарь отсутствует"},
    // No Ukrainian text of its own: Ukrainian shows the Russian one.
    {MessageKind::NoOffice, Argument::None,
     "Microsoft Office can not be found.\nDictionaries will be installed for stand-alone "
     "application\nQuorvi.exe only.",
     kNoOfficeRussian,
     kNoOfficeRussian},
    {MessageKind::TwoOffices, Argument::None,
     "Quorvi 98 installed for two versions of Microsoft Office.\n\nChoose the necessary version:",
     "Quorvi 98 инстальовано для декількох версій Microsoft Office.\n\nВиберіть необхідну версію:",
     "Quorvi 98 инсталлирован для нескольких версий Microsoft Office.\n\nВыберите необходимую версию:"},
    {MessageKind::OneOffice, Argument::Number,
     "Quorvi 98 installed for Microsoft Office %ld only.",
     "Quorvi 98 инстальовано тільки для Microsoft Office %ld.",
     "Quorvi 98 инсталлирован только для Microsoft Office %ld."},
    {MessageKind::PleaseWait, Argument::None,
     "Wait, please...",
     "Почекайте...",
     "Подождите..."},
    {MessageKind::WillBeInstalled, Argument::None,
     "It will be installed",
     "Буде інстальовано",
     "Будет инсталлирован"},
    {MessageKind::WillBeUninstalled, Argument::None,
     "It will be uninstalled",
     "Буде деінстальовано",
     "Будет деинсталлирован"},
    {MessageKind::NewWillBeInstalled, Argument::None,
     "New dictionary will be installed",
     "Буде встановлено новий словник",
     "Будет установлен новый словарь"},
    {MessageKind::DemoInstalled, Argument::None,
     "Demo dictionary is installed",
     "Встановлено демо-словник",
     "Установлен демо-словарь"},
    {MessageKind::BigInstalled, Argument::None,
     "Big dictionary is installed",
     "Встановлено повний словник",
     "Установлен полный словарь"},
    {MessageKind::WillNotBeInstalled, Argument::None,
     "Dictionary will not be installed",
     "Словник не буде інстальовано",
     "Словарь не будет инсталлирован"},
    {MessageKind::ReportInstalled, Argument::Text,
     "%s Dictionary has been installed successfully",
     "%s повний словник було успішно інстальовано",
     "%s полный словарь был успешно инсталлирован"},
    {MessageKind::ReportUninstalled, Argument::Text,
     "%s Dictionary has been uninstalled",
     "%s повний словник було деінстальовано",
     "%s полный словарь был деинсталлирован"},
    {MessageKind::ReportCannotRecover, Argument::Text,
     "%s - Error: demo dictionary can not be recovered",
     "%s - Помилка: демонстраційний словник не можна відновити",
     "%s - Ошибка: демонстрационный словарь нельзя восстановить"},
    {MessageKind::ReportCannotPrepare, Argument::Text,
     "%s - Error: dictionary can not be prepared",
     "%s - Помилка: словник не можна скопіювати",
     "%s - Ошибка: словарь нельзя скопировать"},
    {MessageKind::ReportCannotUnpack, Argument::Text,
     "%s - Error: dictionary can not be unpacked",
     "%s - Помилка: словник не можна розпакувати",
     "%s - Ошибка: словарь не может быть распакован"},
    {MessageKind::WillUninstallNotice, Argument::Text,
     "%s Dictionary will be uninstalled.",
     "Буде деінстальовано\n%s\nперевідний словник Quorvi 98.",
     "Будет деинсталлирован\n%s\nпереводной словарь Quorvi 98."},
    {MessageKind::NothingDone, Argument::None,
     "          Nothing done",
     "          Не зроблено ніяких дій",
     "          Не сделано никаких действий"},
};

// Language names (kind 9): the source form opens a pair name, the target
// form closes it. The last row stands for every other letter.
struct LanguageNames {
    char letter;
    const char* source[3];  // E, U, R
    const char* target[3];  // E, U, R
};

constexpr LanguageNames kLanguageNames[] = {
    {'G', {"German-", "Нымецько-", "Немецко-"}, {"German", "німецький", "немецкий"}},
    {'R', {"Russian-", "Російсько-", "Русско-"}, {"Russian", "російський", "русский"}},
    {'U', {"Ukrainian-", "Українсько-", "Украинско-"}, {"Ukrainian", "український", "украинский"}},
    {'\0', {"English-", "Англо-", "Англо-"}, {"English", "англійський", "английский"}},
};

// 0 English, 1 Ukrainian, 2 Russian; any letter but U and R reads English.
int Column(UiLanguage language) {
    if (language == 'U') return 1;
    if (language == 'R') return 2;
    return 0;
}

const Entry* FindEntry(MessageKind kind) {
    for (const Entry& entry : kEntries)
        if (entry.kind == kind) return &entry;
    return nullptr;
}

// The letter at `index` of the pair code; a position past its end reads as
// no letter, which names English.
std::string LanguageName(std::string_view pairCode, long index, UiLanguage language) {
    char letter = '\0';
    if (index >= 0 && static_cast<unsigned long>(index) < pairCode.size())
        letter = pairCode[static_cast<size_t>(index)];
    const LanguageNames* names = &kLanguageNames[std::size(kLanguageNames) - 1];
    for (const LanguageNames& candidate : kLanguageNames) {
        if (candidate.letter != '\0' && candidate.letter == letter) {
            names = &candidate;
            break;
        }
    }
    int column = Column(language);
    return index == 0 ? names->source[column] : names->target[column];
}

// Replaces the first `placeholder` of `pattern` by `value`; the value is
// copied as it stands, whatever it contains.
std::string Fill(std::string_view pattern, std::string_view placeholder, std::string_view value) {
    size_t at = pattern.find(placeholder);
    if (at == std::string_view::npos) return std::string(pattern);
    std::string out;
    out.reserve(pattern.size() - placeholder.size() + value.size());
    out.append(pattern.substr(0, at));
    out.append(value);
    out.append(pattern.substr(at + placeholder.size()));
    return out;
}

}  // namespace

UiLanguage UiLanguageFromSetting(std::string_view dialogLanguage) {
    if (!dialogLanguage.empty()) {
        char first = dialogLanguage.front();
        if (first == 'E' || first == 'R' || first == 'U') return first;
    }
    return 'E';
}

std::string FormatMessageText(MessageKind kind, UiLanguage language, std::string_view text,
                              long number) {
    if (kind == MessageKind::LanguageName) return LanguageName(text, number, language);

    const Entry* entry = FindEntry(kind);
    if (entry == nullptr) return {};

    const char* texts[3] = {entry->english, entry->ukrainian, entry->russian};
    std::string_view pattern = texts[Column(language)];
    switch (entry->argument) {
        case Argument::Text:
            return Fill(pattern, "%s", text);
        case Argument::Number:
            return Fill(pattern, "%ld", std::to_string(number));
        case Argument::None:
            break;
    }
    return std::string(pattern);
}

std::string FormatPairName(std::string_view pairCode, int flag, UiLanguage language) {
    if (pairCode.empty()) return {};
    std::string name = flag == 0 ? "  " : "";
    name += FormatMessageText(MessageKind::LanguageName, language, pairCode, 0);
    name += FormatMessageText(MessageKind::LanguageName, language, pairCode, 1);
    return name;
}

}  // namespace qv
