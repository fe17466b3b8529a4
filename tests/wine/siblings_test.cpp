// The chaining of the sibling setup programs at the end of an interactive
// run: which siblings start, in which order, with which command line, one at
// a time; what a sibling that cannot start leaves in [Report].
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chain_folder.h"
#include "gui_driver.h"
#include "test_support.h"

using namespace testing_support;
using gui::W;

namespace {

constexpr int kScroller = 1054;
constexpr int kOffice95 = 1000;
constexpr int kReportText = 1065;

std::string SiblingLine(const std::string& code, const char* options) {
    return "\"" + chain::kFolder + "\\Setup" + code + ".exe\"" + options;
}

std::vector<std::string> Codes(const std::vector<chain::Start>& starts) {
    std::vector<std::string> codes;
    for (const auto& s : starts) codes.push_back(s.code);
    return codes;
}

// Closes the report; the run ends with 1.
void Close(HWND report, Child& setup) {
    gui::Click(report, 2);
    ASSERT_TRUE(setup.Wait(10000));
    EXPECT_EQ(setup.ExitCode(), 1u);
}

TEST(Siblings, StartsEachOtherPresentSetupInTableOrderWithItsChoiceAndWaitsForEach) {
    chain::Stage stage('E');
    stage.PlaceSetup();
    for (const char* code : {"EU", "ER", "UE", "RU", "GU", "GR", "UG", "RG", "EG"})
        stage.PlaceRecorder(code, "1");
    stage.PlaceBrokenProgram("RE");  // cannot start
    // No SetupGE.exe.
    stage.SetRecorderDelay(150);

    Child setup(Quote(stage.Path("SetupUR.exe")));
    HWND report = chain::RunToReport(setup, 'E', [](HWND main) {
        chain::UncheckOwnPair(main);
        chain::SetCheck(main, 1023, false);  // ER
        // The second half of the table: row 2 shows UG, never preselected.
        gui::Scroll(main, kScroller, SB_PAGEDOWN);
        ASSERT_EQ(gui::ItemText(main, 1025), L"  Ukrainian-German");
        chain::SetCheck(main, 1025, true);
    });
    ASSERT_NE(report, nullptr);

    struct Expected {
        const char* code;
        const char* options;
    };
    const Expected expected[] = {
        {"EU", " -i -0"}, {"ER", " -d -0"}, {"UE", " -i -0"}, {"RU", " -i -0"}, {"GU", " -d -0"},
        {"GR", " -d -0"}, {"UG", " -i -0"}, {"RG", " -d -0"}, {"EG", " -d -0"},
    };
    const auto starts = stage.Starts();
    ASSERT_EQ(starts.size(), std::size(expected)) << testing::PrintToString(Codes(starts));
    for (size_t i = 0; i < starts.size(); ++i) {
        SCOPED_TRACE(expected[i].code);
        EXPECT_EQ(starts[i].code, expected[i].code);
        EXPECT_EQ(starts[i].commandLine, SiblingLine(expected[i].code, expected[i].options));
        EXPECT_EQ(starts[i].flags, unsigned{STARTF_USESHOWWINDOW | STARTF_USEPOSITION});
        EXPECT_EQ(starts[i].show, unsigned{SW_SHOWNORMAL});
        EXPECT_EQ(starts[i].position, "0,0");
    }

    // One at a time: each sibling ended before the next began.
    std::vector<std::string> oneAtATime;
    for (const Expected& e : expected) {
        oneAtATime.push_back(std::string("begin ") + e.code);
        oneAtATime.push_back(std::string("end ") + e.code);
    }
    EXPECT_EQ(stage.Events(), oneAtATime);

    EXPECT_EQ(Profile("Report", "RE"), "6");
    EXPECT_FALSE(ProfileHas("Report", "GE"));
    EXPECT_FALSE(ProfileHas("Report", "UR"));

    const std::wstring installed = L" Dictionary has been installed successfully\r\n";
    const std::wstring expectedLines =
        L"English-Ukrainian" + installed + L"English-Russian" + installed + L"Ukrainian-English" +
        installed + L"Russian-English - Error: dictionary can not be unpacked\r\n" +
        L"Russian-Ukrainian" + installed + L"German-Ukrainian" + installed + L"German-Russian" +
        installed + L"Ukrainian-German" + installed + L"Russian-German" + installed +
        L"English-German" + installed;
    const std::wstring text = gui::ItemText(report, kReportText);
    ASSERT_GE(text.size(), expectedLines.size());
    EXPECT_EQ(text.substr(text.size() - expectedLines.size()), expectedLines);
    Close(report, setup);
}

TEST(Siblings, TheOwnPairsSetupIsNeverStarted) {
    // The running program under another name, so that a "SetupUR.exe" beside
    // it is a stand-in that would tell if it were started.
    chain::Stage stage('E');
    stage.PlaceSetup("Install UR.exe");
    stage.PlaceRecorder("UR", "1");
    stage.PlaceRecorder("EU", "1");

    Child setup(Quote(stage.Path("Install UR.exe")));
    HWND report = chain::RunToReport(setup, 'E');
    ASSERT_NE(report, nullptr);

    EXPECT_EQ(Codes(stage.Starts()), std::vector<std::string>{"EU"});
    EXPECT_FALSE(ProfileHas("Report", "UR"));
    Close(report, setup);
}

TEST(Siblings, EverySiblingGetsTheHostOptionOfTheHostInUse) {
    struct Case {
        const char* name;
        std::vector<int> wordHosts;
        bool chooseOffice95;
        const char* options;
    };
    const Case cases[] = {
        {"stand-alone only", {}, false, " -i -0"},
        {"Word 7 only", {7}, false, " -i -7"},
        {"Word 8 only", {8}, false, " -i -8"},
        {"both, Office 97 as offered", {7, 8}, false, " -i -8"},
        {"both, Office 95 chosen", {7, 8}, true, " -i -7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        chain::Stage stage('E');
        stage.PlaceSetup();
        stage.PlaceRecorder("EU", "1");
        for (int version : c.wordHosts) stage.AddWordHost(version);

        Child setup(Quote(stage.Path("SetupUR.exe")));
        HWND report = chain::RunToReport(setup, 'E', [&](HWND main) {
            // A host click offers the pairs anew: the own pair comes after.
            if (c.chooseOffice95) gui::Click(main, kOffice95);
            chain::UncheckOwnPair(main);
        });
        ASSERT_NE(report, nullptr);

        const auto starts = stage.Starts();
        ASSERT_EQ(starts.size(), 1u);
        EXPECT_EQ(starts[0].commandLine, SiblingLine("EU", c.options));
        Close(report, setup);
    }
}

TEST(Siblings, ARealSiblingStartedWithDRestoresItsSavedDemoDictionary) {
    chain::Stage stage('E');
    stage.PlaceSetup();
    stage.PlaceSetup("SetupEU.exe", "EU");
    const std::string installed = stage.StandaloneDir() + "\\qvEU.vt";
    ASSERT_TRUE(WriteFileOfSize(installed, 200000, 'B'));
    ASSERT_TRUE(WriteFileOfSize(stage.UserDir() + "\\qvEU.vt", 5000, 'd'));

    Child setup(Quote(stage.Path("SetupUR.exe")));
    HWND report = chain::RunToReport(setup, 'E', [](HWND main) {
        chain::UncheckOwnPair(main);
        chain::SetCheck(main, 1022, false);  // EU: to be uninstalled
    });
    ASSERT_NE(report, nullptr);

    EXPECT_EQ(Profile("Report", "EU"), "2");
    EXPECT_EQ(FileSize(installed), 5000);
    const std::wstring text = gui::ItemText(report, kReportText);
    EXPECT_NE(text.find(L"\r\nEnglish-Ukrainian Dictionary has been uninstalled\r\n"),
              std::wstring::npos)
        << testing::PrintToString(text);
    Close(report, setup);
}

}  // namespace
