// The notice before the own pair is installed, in a chained run of the real
// setup program: it closes by itself after two seconds and the installation
// follows, Stop or Esc end the run without installing, and its texts follow
// the UI language.
#include <gtest/gtest.h>

#include <string>

#include "gui_driver.h"
#include "resources/resource_ids.h"
#include "test_support.h"
#include "world.h"

using namespace testing_support;

namespace {

std::string TempDirectory() {
    char buffer[MAX_PATH];
    DWORD length = GetTempPathA(MAX_PATH, buffer);
    std::string path(buffer, length);
    if (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}

// The notice has no caption: it is the dialog of the process that carries
// the waiting line.
// True once the window is hidden or gone. A dialog that ends is hidden at
// once; under a display without a window manager Wine may take a further
// two seconds before it destroys it.
bool WaitHidden(HWND window, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (IsWindow(window) && IsWindowVisible(window)) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(10);
    }
    return true;
}

// A Word 8 host whose QV.CFG names an empty dictionary directory, and a
// settings file with nothing but the user directory and the language.
class ProgressNotice : public testing::Test {
protected:
    void SetUp() override {
        root_ = TempDirectory() + "\\qv_progress_test";
        RemoveTree(root_);
        ASSERT_TRUE(MakeDirectories(root_ + "\\startup"));
        ASSERT_TRUE(MakeDirectories(Dictionaries()));
        ASSERT_TRUE(MakeDirectories(root_ + "\\user"));
        SetProfile("Path", "Diction", Dictionaries().c_str(), root_ + "\\startup\\QV.CFG");

        DeleteSettingsFile();
        SetProfile("Path", "User", (root_ + "\\user").c_str());
        SetStartupPath(kWord7Key, nullptr);
        SetStartupPath(kWord8Key, (root_ + "\\startup").c_str());
    }

    void TearDown() override {
        SetStartupPath(kWord8Key, nullptr);
        DeleteSettingsFile();
        RemoveTree(root_);
    }

    std::string Dictionaries() const { return root_ + "\\diction"; }
    std::string Target() const { return Dictionaries() + "\\qvUR.vt"; }

    static void UseLanguage(const char* letter) {
        SetProfile("Options", "DialogLanguage", letter);
        SetProfile("Report", "", nullptr);
    }

    static std::string SetupCommand(const char* options) {
        return Quote(Arg(0) + "\\SetupUR.exe") + " " + options;
    }

    std::string root_;
};

TEST_F(ProgressNotice, ClosesByItselfAfterTwoSecondsAndTheInstallationFollows) {
    UseLanguage("E");
    Child setup(SetupCommand("-i -8"));
    ASSERT_TRUE(setup.Started());
    HWND notice = WaitForProgressNotice(setup.Id());
    ASSERT_NE(notice, nullptr) << "no notice shown";
    const DWORD shown = GetTickCount();
    ASSERT_TRUE(WaitHidden(notice, 10000));
    const DWORD open = GetTickCount() - shown;
    EXPECT_GE(open, 1500u);
    EXPECT_LE(open, 4000u);

    ASSERT_TRUE(setup.Wait(60000));
    // Whatever the extraction gave, the run went on to record it.
    EXPECT_TRUE(ProfileHas("Report", "UR"));
}

struct StopCase {
    const char* name;
    void (*act)(HWND notice);
};

const StopCase kStopCases[] = {
    {"Stop button", [](HWND notice) { gui::Click(notice, IDCANCEL); }},
    {"Esc", [](HWND notice) { gui::PressEscape(notice); }},
};

TEST_F(ProgressNotice, StopAndEscEndTheRunWithoutInstalling) {
    for (const StopCase& c : kStopCases) {
        SCOPED_TRACE(c.name);
        UseLanguage("E");
        Child setup(SetupCommand("-i -8"));
        ASSERT_TRUE(setup.Started());
        HWND notice = WaitForProgressNotice(setup.Id());
        ASSERT_NE(notice, nullptr) << "no notice shown";
        c.act(notice);

        ASSERT_TRUE(setup.Wait(30000));
        EXPECT_EQ(setup.ExitCode(), 0u);
        EXPECT_FALSE(ProfileHas("Report", "UR"));
        EXPECT_FALSE(ProfileHas("Report", "Result"));
        EXPECT_FALSE(FileExists(Target()));
    }
}

struct TextCase {
    const char* language;
    const char* options;
    const char* notice;
    const char* wait;
    const char* stop;
};

const TextCase kTextCases[] = {
    {"E", "-i -8", "  Ukrainian-Russian Dictionary will be installed.", "Wait, please...", "Stop"},
    {"U", "-i -8", "Буде встановлено\n  Українсько-російський\nперевідний словник Quorvi 98.",
     "Почекайте...", "Стоп"},
    {"R", "-i -8", "Будет установлен\n  Украинско-русский\nпереводной словарь Quorvi 98.",
     "Подождите...", "Стоп"},
    // "-i" selects the own pair, so the notice shows; "-d" chooses its text.
    {"E", "-i -d -8", "  Ukrainian-Russian Dictionary will be uninstalled.", "Wait, please...",
     "Stop"},
    {"R", "-i -d -8", "Будет деинсталлирован\n  Украинско-русский\nпереводной словарь Quorvi 98.",
     "Подождите...", "Стоп"},
};

TEST_F(ProgressNotice, ShowsItsTextsInTheUiLanguage) {
    for (const TextCase& c : kTextCases) {
        SCOPED_TRACE(std::string(c.language) + " " + c.options);
        UseLanguage(c.language);
        Child setup(SetupCommand(c.options));
        ASSERT_TRUE(setup.Started());
        HWND notice = WaitForProgressNotice(setup.Id());
        ASSERT_NE(notice, nullptr) << "no notice shown";

        EXPECT_EQ(gui::ItemText(notice, IDC_PROGRESS_NOTICE), gui::W(c.notice));
        EXPECT_EQ(gui::ItemText(notice, IDC_PROGRESS_WAIT), gui::W(c.wait));
        EXPECT_EQ(gui::ItemText(notice, IDCANCEL), gui::W(c.stop));

        gui::Click(notice, IDCANCEL);
        ASSERT_TRUE(setup.Wait(30000));
    }
}

TEST_F(ProgressNotice, IsACaptionlessToolWindowWithTheFocusOnStop) {
    UseLanguage("E");
    Child setup(SetupCommand("-i -8"));
    ASSERT_TRUE(setup.Started());
    HWND notice = WaitForProgressNotice(setup.Id());
    ASSERT_NE(notice, nullptr) << "no notice shown";

    EXPECT_NE(GetWindowLongW(notice, GWL_STYLE) & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(GetWindowLongW(notice, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    // Stop, the only tab stop, has the focus, so Enter and Space press it too.
    EXPECT_EQ(gui::FocusOf(notice), GetDlgItem(notice, IDCANCEL));

    gui::Click(notice, IDCANCEL);
    ASSERT_TRUE(setup.Wait(30000));
}

}  // namespace
