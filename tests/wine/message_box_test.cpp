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
        // Stop icon and system modal.
        EXPECT_TRUE(GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_TOPMOST);

        gui::Click(box, IDOK);
        ASSERT_TRUE(probe.Wait(10000));
        EXPECT_EQ(probe.ExitCode(), 42u);
    }
}

}  // namespace
