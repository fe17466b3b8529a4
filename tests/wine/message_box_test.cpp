// The message box shows the catalogue's caption and text in every language,
// Cyrillic included, although the system's ANSI code page is a Western one.
#include <gtest/gtest.h>

#include "gui_driver.h"
#include "test_support.h"

using namespace testing_support;

namespace {

struct Case {
    const char* language;
    const char* caption;
    const char* text;
};

const Case kCases[] = {
    {"E", "Setup dictionary", "Please, install Quorvi 98 before."},
    {"U", "Установка словника", "Встановіть Quorvi 98 перед інсталяцією словників."},
    {"R", "Установка словаря", "Установите Quorvi 98 перед инсталляцией словарей."},
};

// The box shows an icon (the stop icon, as the setup program asks for; the
// icon's handle cannot be compared across processes under Wine).
bool HasIcon(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child) &&
            SendMessageW(child, STM_GETICON, 0, 0) != 0)
            return true;
    return false;
}

TEST(CatalogueMessageBox, RunsUnderAWesternAnsiCodePage) { EXPECT_NE(GetACP(), 1251u); }

TEST(CatalogueMessageBox, ShowsCaptionAndTextInEachLanguage) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.language);
        Child probe(Quote(Arg(0)) + " " + c.language);
        ASSERT_TRUE(probe.Started());
        HWND box = gui::WaitForWindow(gui::W(c.caption), probe.Id());
        ASSERT_NE(box, nullptr) << "no message box titled " << c.caption;

        const auto texts = gui::StaticTexts(box);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0], gui::W(c.text));
        // System modal, with the stop icon.
        EXPECT_TRUE(GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_TOPMOST);
        EXPECT_TRUE(HasIcon(box));

        gui::Click(box, IDOK);
        ASSERT_TRUE(probe.Wait(10000));
        EXPECT_EQ(probe.ExitCode(), 42u);
    }
}

}  // namespace
