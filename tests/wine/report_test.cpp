// The final report of an interactive run: the lines it lists from the pairs'
// [Report] values, its texts in each language, its colours, its focus and its
// ways out. The values come from stand-in siblings that write what they are
// told to.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "chain_folder.h"
#include "gui_driver.h"
#include "test_support.h"

using namespace testing_support;
using gui::W;

namespace {

constexpr int kCloseButton = 2;
constexpr int kReportText = 1065;

// What each sibling writes under its pair's code. Pair UR, the own pair,
// does nothing and gets no key.
struct Written {
    const char* code;
    const char* value;
};
const Written kWritten[] = {
    {"EU", "4"}, {"ER", "0"}, {"UE", "1"}, {"RE", "7"},  {"RU", "2"}, {"GU", "-1"},
    {"GR", "3abc"}, {"UG", "abc"}, {"RG", ""}, {"EG", "5"}, {"GE", "6"},
};

struct Language {
    char letter;
    const char* caption;
    const char* closeButton;
    const char* firstHeading;
    const char* secondHeading;
    std::vector<const char*> lines;  // for kWritten, in pair-table order
    const char* nothingDone;
};

const Language kLanguages[] = {
    {'E', "Final Report", "Close",
     "                    Setup has been completed.",
     "Actions was done:",
     {"English-Ukrainian - Error: dictionary can not be prepared",
      "Ukrainian-English Dictionary has been installed successfully",
      "Russian-Ukrainian Dictionary has been uninstalled",
      "German-Russian - Error: demo dictionary can not be recovered",
      "English-German - Error: dictionary can not be unpacked",
      "German-English - Error: dictionary can not be unpacked"},
     "          Nothing done"},
    {'U', "Звіт", "Вихід",
     "                    Установку словників закінчено.",
     "Зі словниками виконано наступні дії:",
     {"Англо-український - Помилка: словник не можна скопіювати",
      "Українсько-англійський повний словник було успішно інстальовано",
      "Російсько-український повний словник було деінстальовано",
      "Нымецько-російський - Помилка: демонстраційний словник не можна відновити",
      "Англо-німецький - Помилка: словник не можна розпакувати",
      "Нымецько-англійський - Помилка: словник не можна розпакувати"},
     "          Не зроблено ніяких дій"},
    {'R', "Отчет", "Выход",
     "                    Установка словарей закончена.",
     "Со словарями выполнены следующие действия:",
     {"Англо-украинский - Ошибка: словарь нельзя скопировать",
      "Украинско-английский полный словарь был успешно инсталлирован",
      "Русско-украинский полный словарь был деинсталлирован",
      "Немецко-русский - Ошибка: демонстрационный словарь нельзя восстановить",
      "Англо-немецкий - Ошибка: словарь не может быть распакован",
      "Немецко-английский - Ошибка: словарь не может быть распакован"},
     "          Не сделано никаких действий"},
};

std::wstring ExpectedReport(const Language& language) {
    std::wstring text = L"\r\n" + W(language.firstHeading) + L"\r\n\r\n" +
                        W(language.secondHeading) + L"\r\n\r\n";
    for (const char* line : language.lines) text += W(line) + L"\r\n";
    return text;
}

class ReportTest : public testing::Test {
protected:
    // The report of a run whose siblings wrote kWritten, or of a run with no
    // sibling at all.
    HWND StageAndRun(char language, bool withSiblings) {
        // The last run's stage goes first: it takes its world with it.
        setup_.reset();
        stage_.reset();
        stage_ = std::make_unique<chain::Stage>(language);
        stage_->PlaceSetup();
        if (withSiblings)
            for (const Written& w : kWritten) stage_->PlaceRecorder(w.code, w.value);
        setup_ = std::make_unique<Child>(Quote(stage_->Path("SetupUR.exe")));
        return chain::RunToReport(*setup_, language);
    }

    // The run has ended, with 1.
    void ExpectEndedWithOne(HWND report) {
        EXPECT_TRUE(gui::WaitGone(report, 10000));
        ASSERT_TRUE(setup_->Wait(10000)) << "the run did not end";
        EXPECT_EQ(setup_->ExitCode(), 1u);
    }

    std::unique_ptr<chain::Stage> stage_;
    std::unique_ptr<Child> setup_;
};

TEST_F(ReportTest, ListsThePairsWithACodeFromOneToSixInTableOrderInEachLanguage) {
    for (const Language& language : kLanguages) {
        SCOPED_TRACE(std::string(1, language.letter));
        HWND report = StageAndRun(language.letter, true);
        ASSERT_NE(report, nullptr);

        EXPECT_EQ(gui::Title(report), W(language.caption));
        EXPECT_EQ(gui::ItemText(report, kCloseButton), W(language.closeButton));
        EXPECT_EQ(gui::ItemText(report, kReportText), ExpectedReport(language));

        gui::Click(report, kCloseButton);
        ExpectEndedWithOne(report);
    }
}

// Each language closed another way: the Close button, Esc, the close box.
TEST_F(ReportTest, WithoutAnyPairLineSaysNothingWasDoneAndEveryWayOutEndsTheRunWithOne) {
    struct WayOut {
        const char* name;
        void (*act)(HWND);
    };
    const WayOut ways[] = {
        {"Close", [](HWND report) { gui::Click(report, kCloseButton); }},
        {"Esc", [](HWND report) { gui::PressEscape(report); }},
        {"close box", [](HWND report) { gui::CloseBox(report); }},
    };
    static_assert(std::size(ways) == std::size(kLanguages));
    for (size_t i = 0; i < std::size(kLanguages); ++i) {
        const Language& language = kLanguages[i];
        SCOPED_TRACE(std::string(1, language.letter) + ", " + ways[i].name);
        HWND report = StageAndRun(language.letter, false);
        ASSERT_NE(report, nullptr);

        // An empty line, then the text alone, without headings.
        EXPECT_EQ(gui::ItemText(report, kReportText), L"\r\n" + W(language.nothingDone));
        for (const Written& w : kWritten) EXPECT_FALSE(ProfileHas("Report", w.code)) << w.code;
        EXPECT_FALSE(ProfileHas("Report", "UR"));

        ways[i].act(report);
        ExpectEndedWithOne(report);
    }
}

TEST_F(ReportTest, TheTextBoxNeverKeepsTheFocus) {
    HWND report = StageAndRun('E', true);
    ASSERT_NE(report, nullptr);
    HWND close = GetDlgItem(report, kCloseButton);
    HWND text = GetDlgItem(report, kReportText);
    EXPECT_EQ(gui::FocusOf(report), close);

    // A click into the text.
    PostMessageW(text, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    PostMessageW(text, WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
    Sleep(300);
    EXPECT_EQ(gui::FocusOf(report), close) << "after a click into the text";

    // Tab moves on to the text box, which hands the focus back.
    gui::PressKey(report, VK_TAB);
    Sleep(300);
    EXPECT_EQ(gui::FocusOf(report), close) << "after Tab";

    // Still a working dialog: Enter is the default button.
    gui::PressKey(report, VK_RETURN);
    ExpectEndedWithOne(report);
}

// The system's information-background colour for the programs started while
// it lives, told apart from the white of an ordinary text box.
class InfoBackground {
public:
    static constexpr COLORREF kColour = RGB(255, 255, 225);

    InfoBackground() {
        RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                        nullptr, &key_, nullptr);
        DWORD size = sizeof old_;
        hadOld_ = RegQueryValueExA(key_, kValue, nullptr, nullptr, reinterpret_cast<BYTE*>(old_),
                                   &size) == ERROR_SUCCESS;
        Set("255 255 225");
    }
    ~InfoBackground() {
        if (hadOld_)
            Set(old_);
        else
            RegDeleteValueA(key_, kValue);
        RegCloseKey(key_);
    }

private:
    static constexpr const char* kKey = "Control Panel\\Colors";
    static constexpr const char* kValue = "InfoWindow";
    void Set(const char* value) {
        RegSetValueExA(key_, kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                       static_cast<DWORD>(strlen(value) + 1));
    }
    HKEY key_ = nullptr;
    char old_[64] = {};
    bool hadOld_ = false;
};

COLORREF ScreenPixel(POINT point) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

TEST_F(ReportTest, TheTextBoxIsPaintedInTheInfoBackgroundColour) {
    InfoBackground info;
    HWND report = StageAndRun('E', true);
    ASSERT_NE(report, nullptr);
    HWND text = GetDlgItem(report, kReportText);
    Sleep(300);  // let it paint

    // A point of the box right of the short first heading, where no text is.
    RECT client;
    GetClientRect(text, &client);
    POINT point{client.right - 40, client.top + 4};
    ClientToScreen(text, &point);
    EXPECT_EQ(ScreenPixel(point), InfoBackground::kColour);

    // Scrolled with the thumb, the box keeps its colour.
    SendMessageW(text, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 3), 0);
    Sleep(300);
    EXPECT_EQ(ScreenPixel(point), InfoBackground::kColour);

    gui::Click(report, kCloseButton);
    ExpectEndedWithOne(report);
}

}  // namespace
