// A whole interactive run of the real setup programs: the main dialog, the
// own pair's notice and installation, a real sibling, the report.
#include <gtest/gtest.h>

#include "gui_driver.h"
#include "test_support.h"
#include "world.h"

using namespace testing_support;

namespace {

const std::string kFolder = "C:\\qv interactive";

class InteractiveRun : public ::testing::Test {
protected:
    World world;
    std::string diction;
    std::string user;

    void SetUp() override {
        RemoveTree(kFolder);
        MakeDirectories(kFolder);
        for (const char* code : {"UR", "EU"})
            ASSERT_TRUE(CopyFileA(SetupProgram(Arg(0), code).c_str(), SetupProgram(kFolder, code).c_str(), FALSE));
        diction = world.AddWord8();
        user = world.SetUserDirectory();
        // An earlier run's report, to be cleared.
        SetProfile("Report", "GE", "1");
        SetProfile("Report", "Result", "1");
    }
    void TearDown() override { RemoveTree(kFolder); }
};

TEST_F(InteractiveRun, InstallsTheOwnPairAndTheSiblingsAndReportsBoth) {
    const std::string demo(3000, 'd');
    ASSERT_TRUE(WriteFileBytes(diction + "\\qvUR.vt", demo));
    Child setup(Quote(SetupProgram(kFolder, "UR")));
    ASSERT_TRUE(setup.Started());
    HWND main = gui::WaitForWindow(L"Dictionaries Setup", setup.Id());
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(gui::IsChecked(main, 1022));  // EU: a new dictionary, preselected
    EXPECT_TRUE(gui::IsChecked(main, 1026));  // UR: a demo, preselected
    gui::Click(main, IDOK);

    HWND report = gui::WaitForWindow(L"Final Report", setup.Id(), 30000);
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(gui::ItemText(report, 1065),
              L"\r\n                    Setup has been completed.\r\n\r\n"
              L"Actions was done:\r\n\r\n"
              L"English-Ukrainian Dictionary has been installed successfully\r\n"
              L"Ukrainian-Russian Dictionary has been installed successfully\r\n");
    // The earlier report is gone, and Result with it.
    EXPECT_FALSE(ProfileHas("Report", "GE"));
    EXPECT_FALSE(ProfileHas("Report", "Result"));
    gui::Click(report, IDCANCEL);
    ASSERT_TRUE(setup.Wait(10000));
    EXPECT_EQ(setup.ExitCode(), 1u);

    EXPECT_GT(FileSize(diction + "\\qvUR.vt"), 100000);
    EXPECT_GT(FileSize(diction + "\\qvEU.vt"), 100000);
    EXPECT_TRUE(ReadFileBytes(user + "\\qvUR.vt") == demo);
    EXPECT_EQ(Profile("Report", "UR"), "1");
    EXPECT_EQ(Profile("Report", "EU"), "1");
}

TEST_F(InteractiveRun, StopInTheNoticeEndsTheRunWithAnEmptyReportSection) {
    Child setup(Quote(SetupProgram(kFolder, "UR")));
    ASSERT_TRUE(setup.Started());
    HWND main = gui::WaitForWindow(L"Dictionaries Setup", setup.Id());
    ASSERT_NE(main, nullptr);
    gui::Click(main, IDOK);
    HWND notice = WaitForProgressNotice(setup.Id());
    ASSERT_NE(notice, nullptr);
    gui::Click(notice, IDCANCEL);
    ASSERT_TRUE(setup.Wait(10000));
    EXPECT_EQ(setup.ExitCode(), 0u);

    // Cleared when the choice was confirmed; nothing since: no sibling ran.
    for (const char* key : {"GE", "Result", "UR", "EU"}) EXPECT_FALSE(ProfileHas("Report", key)) << key;
    EXPECT_FALSE(FileExists(diction + "\\qvUR.vt"));
    EXPECT_FALSE(FileExists(diction + "\\qvEU.vt"));
}

}  // namespace
