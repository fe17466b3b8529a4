// Chained runs of the real setup programs, as a sibling or an installer
// starts them: discovery, the own pair's action, the package, [Report] and
// the exit code.
#include <gtest/gtest.h>

#include "gui_driver.h"
#include "test_support.h"
#include "world.h"

using namespace testing_support;

namespace {

// Arguments: the setup programs, the dictionaries they carry, and setup
// programs carrying test packages.
std::string SetupDir() { return Arg(0); }
std::string DictionaryDir() { return Arg(1); }
std::string TestSetupDir(const char* kind) { return Arg(2) + "\\" + kind; }

std::string Carried(const std::string& code) {
    return ReadFileBytes(DictionaryDir() + "\\qv" + code + ".vt");
}

constexpr DWORD kRunTimeoutMs = 60000;

class ChainedRun : public ::testing::Test {
protected:
    World world;

    DWORD RunSetup(const std::string& options, const std::string& program = {}) {
        const std::string exe = program.empty() ? SetupProgram(SetupDir(), "UR") : program;
        ProcessResult result = testing_support::Run(Quote(exe) + " " + options, kRunTimeoutMs);
        EXPECT_TRUE(result.started) << exe;
        EXPECT_TRUE(result.ended) << options;
        return result.exitCode;
    }

    static std::string Report(const char* key) { return Profile("Report", key); }
};

TEST_F(ChainedRun, CarriedDictionaryOfEveryPairArrivesByteForByte) {
    const std::string diction = world.AddWord8();
    world.SetUserDirectory();
    for (const char* code : {"EU", "ER", "UE", "UR", "RE", "RU", "GU", "GR", "UG", "RG", "EG", "GE"}) {
        SCOPED_TRACE(code);
        const std::string expected = Carried(code);
        ASSERT_GT(expected.size(), 100000u);
        EXPECT_EQ(RunSetup("-i -8", SetupProgram(SetupDir(), code)), 1u);
        EXPECT_EQ(Report(code), "1");
        EXPECT_TRUE(ReadFileBytes(diction + "\\qv" + code + ".vt") == expected);
    }
    // Successful runs leave no temporary files.
    const std::string temp = WindowsDirectory() + "\\temp\\";
    EXPECT_FALSE(FileExists(temp + "qv_temp.exe"));
    EXPECT_FALSE(FileExists(temp + "qv_temp.pif"));
    EXPECT_FALSE(FileExists(temp + "qvGE.vt"));
}

// The own pair's action by the installed file's size and "-i".
struct ActionCase {
    const char* name;
    long installedSize;  // -1: no file
    const char* options;
    const char* reportUR;      // nullptr: no key
    const char* reportResult;  // nullptr: no key
    DWORD exitCode;
    enum { Carried, Unchanged, SavedDemo } after;
    bool demoSaved;
};

const ActionCase kActionCases[] = {
    {"no file, -i", -1, "-i -8", "1", "1", 1, ActionCase::Carried, false},
    {"empty file, -i", 0, "-i -8", "1", "1", 1, ActionCase::Carried, false},
    {"demo, -i", 99999, "-i -8", "1", "1", 1, ActionCase::Carried, true},
    {"big, -i reinstalls", 100000, "-i -8", "1", nullptr, 0, ActionCase::Carried, false},
    {"big, -d restores", 100000, "-d -8", "2", nullptr, 0, ActionCase::SavedDemo, false},
    {"no file, -d", -1, "-d -8", nullptr, nullptr, 0, ActionCase::Unchanged, false},
    {"demo, -d", 99999, "-d -8", nullptr, nullptr, 0, ActionCase::Unchanged, false},
    {"upper-case -I does not select", 99999, "-I -8", nullptr, nullptr, 0, ActionCase::Unchanged, false},
};

TEST_F(ChainedRun, OwnPairActionFollowsTheInstalledSize) {
    for (const ActionCase& c : kActionCases) {
        SCOPED_TRACE(c.name);
        World::Reset();
        const std::string diction = world.AddWord8();
        const std::string user = world.SetUserDirectory();
        const std::string target = diction + "\\qvUR.vt";
        const std::string saved = user + "\\qvUR.vt";
        const std::string savedDemo(4321, 's');
        ASSERT_TRUE(WriteFileBytes(saved, savedDemo));
        if (c.installedSize >= 0) ASSERT_TRUE(WriteFileOfSize(target, static_cast<size_t>(c.installedSize), 'i'));
        const std::string before = ReadFileBytes(target);

        EXPECT_EQ(RunSetup(c.options), c.exitCode);

        EXPECT_EQ(ProfileHas("Report", "UR"), c.reportUR != nullptr);
        if (c.reportUR) EXPECT_EQ(Report("UR"), c.reportUR);
        EXPECT_EQ(ProfileHas("Report", "Result"), c.reportResult != nullptr);
        switch (c.after) {
            case ActionCase::Carried: EXPECT_TRUE(ReadFileBytes(target) == Carried("UR")); break;
            case ActionCase::Unchanged:
                EXPECT_EQ(FileExists(target), c.installedSize >= 0);
                EXPECT_TRUE(ReadFileBytes(target) == before);
                break;
            case ActionCase::SavedDemo: EXPECT_TRUE(ReadFileBytes(target) == savedDemo); break;
        }
        // The demo dictionary replaced by an installation is kept; the saved
        // copy itself stays where it is after a restore.
        EXPECT_TRUE(ReadFileBytes(saved) == (c.demoSaved ? before : savedDemo));
    }
}

TEST_F(ChainedRun, RestoreWithoutUsableSavedDemoKeepsTheBigDictionary) {
    const std::string diction = world.AddWord8();
    const std::string user = world.SetUserDirectory();
    const std::string target = diction + "\\qvUR.vt";
    const std::string big(150000, 'B');
    for (long savedSize : {-1L, 0L, 100000L}) {
        SCOPED_TRACE(savedSize);
        ASSERT_TRUE(WriteFileBytes(target, big));
        DeleteFileA((user + "\\qvUR.vt").c_str());
        if (savedSize >= 0) ASSERT_TRUE(WriteFileOfSize(user + "\\qvUR.vt", static_cast<size_t>(savedSize)));
        EXPECT_EQ(RunSetup("-d -8"), 0u);
        EXPECT_EQ(Report("UR"), "3");
        EXPECT_TRUE(ReadFileBytes(target) == big);
    }
}

TEST_F(ChainedRun, FailedRestoreLeavesTheBigDictionaryInPlace) {
    const std::string diction = world.AddWord8();
    const std::string user = world.SetUserDirectory();
    const std::string target = diction + "\\qvUR.vt";
    const std::string big(150000, 'B');
    ASSERT_TRUE(WriteFileBytes(target, big));
    ASSERT_TRUE(WriteFileOfSize(user + "\\qvUR.vt", 5000));
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY);

    EXPECT_EQ(RunSetup("-d -8"), 0u);
    EXPECT_EQ(Report("UR"), "3");
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(ReadFileBytes(target) == big);
}

TEST_F(ChainedRun, ReadOnlyTargetIsReportedAndKept) {
    const std::string diction = world.AddWord8();
    world.SetUserDirectory();
    const std::string target = diction + "\\qvUR.vt";
    const std::string big(150000, 'B');
    ASSERT_TRUE(WriteFileBytes(target, big));
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY);

    EXPECT_EQ(RunSetup("-i -8"), 0u);
    EXPECT_EQ(Report("UR"), "4");
    EXPECT_FALSE(ProfileHas("Report", "Result"));
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(ReadFileBytes(target) == big);
}

TEST_F(ChainedRun, PackageThatWritesNothingIsReportedAsNotUnpacked) {
    const std::string diction = world.AddWord8();
    world.SetUserDirectory();
    const std::string target = diction + "\\qvUR.vt";
    ASSERT_TRUE(WriteFileOfSize(target, 2000));

    EXPECT_EQ(RunSetup("-i -8", SetupProgram(TestSetupDir("empty"), "UR")), 0u);
    EXPECT_EQ(Report("UR"), "6");
    EXPECT_EQ(FileSize(target), 2000);
}

TEST_F(ChainedRun, PackageRunningPastTheLimitIsStoppedAndReported) {
    const std::string diction = world.AddWord8();
    world.SetUserDirectory();
    const std::string target = diction + "\\qvUR.vt";
    ASSERT_TRUE(WriteFileOfSize(target, 2000));
    const std::string temp = WindowsDirectory() + "\\temp\\";
    // Leftovers of an earlier run are replaced, not appended to.
    MakeDirectories(WindowsDirectory() + "\\temp");
    ASSERT_TRUE(WriteFileOfSize(temp + "qv_temp.exe", 3000000, 'x'));
    ASSERT_TRUE(WriteFileOfSize(temp + "qv_temp.pif", 5000, 'x'));

    const DWORD start = GetTickCount();
    EXPECT_EQ(RunSetup("-i -8", SetupProgram(TestSetupDir("slow"), "UR")), 0u);
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_GE(elapsed, 15000u);
    EXPECT_LT(elapsed, 40000u);
    EXPECT_EQ(Report("UR"), "6");
    EXPECT_EQ(FileSize(target), 2000);
    // The temporary files stay, written anew.
    EXPECT_EQ(FileSize(temp + "qv_temp.pif"), 967);
    EXPECT_LT(FileSize(temp + "qv_temp.exe"), 3000000);
    EXPECT_GT(FileSize(temp + "qv_temp.exe"), 0);
}

TEST_F(ChainedRun, LeftoverTemporaryFilesAreReplaced) {
    const std::string diction = world.AddWord8();
    world.SetUserDirectory();
    const std::string temp = WindowsDirectory() + "\\temp\\";
    MakeDirectories(WindowsDirectory() + "\\temp");
    ASSERT_TRUE(WriteFileOfSize(temp + "qv_temp.exe", 3000000, 'x'));
    ASSERT_TRUE(WriteFileOfSize(temp + "qv_temp.pif", 5000, 'x'));
    ASSERT_TRUE(WriteFileOfSize(temp + "qvUR.vt", 7000, 'x'));

    EXPECT_EQ(RunSetup("-i -8"), 1u);
    EXPECT_EQ(Report("UR"), "1");
    EXPECT_TRUE(ReadFileBytes(diction + "\\qvUR.vt") == Carried("UR"));
    EXPECT_FALSE(FileExists(temp + "qv_temp.exe"));
}

TEST_F(ChainedRun, SecondRunOfAChainAlsoEndsWithOne) {
    const std::string diction = world.AddWord8();
    world.SetUserDirectory();
    EXPECT_EQ(RunSetup("-i -8"), 1u);
    // A reinstallation writes no Result of its own; the chain's "1" stays.
    EXPECT_EQ(RunSetup("-i -8"), 1u);
    EXPECT_EQ(RunSetup("-d -8", SetupProgram(SetupDir(), "EU")), 1u);
}

TEST_F(ChainedRun, DemoThatCannotBeSavedIsNotReplaced) {
    const std::string diction = world.AddWord8();
    const std::string user = world.SetUserDirectory();
    const std::string target = diction + "\\qvUR.vt";
    const std::string demo(5555, 'd');
    ASSERT_TRUE(WriteFileBytes(target, demo));
    // An earlier saved copy that cannot be replaced.
    ASSERT_TRUE(WriteFileOfSize(user + "\\qvUR.vt", 10));
    SetFileAttributesA((user + "\\qvUR.vt").c_str(), FILE_ATTRIBUTE_READONLY);

    EXPECT_EQ(RunSetup("-i -8"), 0u);
    EXPECT_EQ(Report("UR"), "4");
    EXPECT_TRUE(ReadFileBytes(target) == demo);
    SetFileAttributesA((user + "\\qvUR.vt").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(ChainedRun, InteractiveRunWithoutItsDialogDoesNothing) {
    const std::string diction = world.AddWord8();
    world.SetUserDirectory();
    SetProfile("Report", "EU", "2");

    ProcessResult result = testing_support::Run(Quote(SetupProgram(TestSetupDir("bare"), "UR")), 20000);
    ASSERT_TRUE(result.ended);
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(Report("EU"), "2");
    EXPECT_FALSE(ProfileHas("Report", "UR"));
    EXPECT_FALSE(FileExists(diction + "\\qvUR.vt"));
}

// --- Discovery, as it shows in where a chained run installs.

TEST_F(ChainedRun, HostOptionChoosesTheWordHost) {
    const std::string word7 = world.AddWord7();
    const std::string word8 = world.AddWord8();
    world.SetUserDirectory();

    EXPECT_EQ(RunSetup("-i -7"), 1u);
    EXPECT_TRUE(FileExists(word7 + "\\qvUR.vt"));
    EXPECT_FALSE(FileExists(word8 + "\\qvUR.vt"));

    DeleteFileA((word7 + "\\qvUR.vt").c_str());
    EXPECT_EQ(RunSetup("-i -8"), 1u);
    EXPECT_TRUE(FileExists(word8 + "\\qvUR.vt"));
    EXPECT_FALSE(FileExists(word7 + "\\qvUR.vt"));
}

TEST_F(ChainedRun, StandaloneDirectoryWinsWithMinusZero) {
    const std::string word7 = world.AddWord7();
    const std::string standalone = world.AddStandalone();
    world.SetUserDirectory();
    EXPECT_EQ(RunSetup("-i -7 -0"), 1u);
    EXPECT_TRUE(FileExists(standalone + "\\qvUR.vt"));
    EXPECT_FALSE(FileExists(word7 + "\\qvUR.vt"));
}

TEST_F(ChainedRun, WordSevenAbsentFallsBackToStandalone) {
    const std::string standalone = world.AddStandalone();
    world.SetUserDirectory();
    EXPECT_EQ(RunSetup("-i -7"), 1u);
    EXPECT_TRUE(FileExists(standalone + "\\qvUR.vt"));
}

TEST_F(ChainedRun, StandaloneValueTrailingBackslashAndDiction) {
    const std::string diction = World::Path("sa\\diction");
    MakeDirectories(diction);
    world.SetUserDirectory();
    for (const char* win : {"C:\\qvworld\\sa\\WIN\\", "C:\\qvworld\\sa\\WIN"}) {
        SCOPED_TRACE(win);
        DeleteFileA((diction + "\\qvUR.vt").c_str());
        SetProfile("Path", "Win", win);
        EXPECT_EQ(RunSetup("-i -0"), 1u);
        EXPECT_TRUE(FileExists(diction + "\\qvUR.vt"));
    }
}

TEST_F(ChainedRun, StartupFallbackCountsAsWordEight) {
    const std::string diction = World::Path("fallback\\diction");
    MakeDirectories(diction);
    const std::string startup = World::MakeStartupDirectory("fallback\\startup", diction);
    SetProfile("Path", "Startup", startup.c_str());
    world.SetUserDirectory();
    // The fallback also serves a run told to look for Word 7 only.
    EXPECT_EQ(RunSetup("-i -7"), 1u);
    EXPECT_TRUE(FileExists(diction + "\\qvUR.vt"));
}

TEST_F(ChainedRun, StartupPathWithTrailingBackslash) {
    const std::string diction = World::Path("w8\\diction");
    MakeDirectories(diction);
    const std::string startup = World::MakeStartupDirectory("w8\\startup", diction);
    SetStartupPath(kWord8Key, (startup + "\\").c_str());
    world.SetUserDirectory();
    EXPECT_EQ(RunSetup("-i -8"), 1u);
    EXPECT_TRUE(FileExists(diction + "\\qvUR.vt"));
}

// With no host at all the run ends with the stop-icon box: the answer
// returns exit code 0, and nothing but [Path] User is written.
DWORD RunExpectingNoHostBox(const std::string& options) {
    Child setup(Quote(SetupProgram(SetupDir(), "UR")) + " " + options);
    EXPECT_TRUE(setup.Started());
    HWND box = gui::WaitForWindow(L"Setup dictionary", setup.Id());
    EXPECT_NE(box, nullptr) << "no message box";
    if (!box) return 999;
    const auto texts = gui::StaticTexts(box);
    EXPECT_EQ(texts.size(), 1u);
    if (!texts.empty()) EXPECT_EQ(texts[0], L"Please, install Quorvi 98 before.");
    gui::Click(box, IDOK);
    EXPECT_TRUE(setup.Wait(10000));
    return setup.ExitCode();
}

TEST_F(ChainedRun, OverLongStartupPathIsNoHost) {
    const std::string diction = world.AddWord8();
    std::string longPath = "C:\\" + std::string(130, 'a');
    SetStartupPath(kWord8Key, longPath.c_str());
    world.SetUserDirectory();
    EXPECT_EQ(RunExpectingNoHostBox("-i -8"), 0u);
    EXPECT_FALSE(FileExists(diction + "\\qvUR.vt"));
}

TEST_F(ChainedRun, EmptyConfigurationFileIsNoHost) {
    const std::string diction = world.AddWord8();
    ASSERT_TRUE(WriteFileBytes(World::Path("word8\\startup\\QV.CFG"), ""));
    world.SetUserDirectory();
    EXPECT_EQ(RunExpectingNoHostBox("-i -8"), 0u);
}

TEST_F(ChainedRun, NoHostTouchesNothingButTheUserDirectory) {
    const std::string defaultUser = WindowsDirectory() + "\\msapps\\qv";
    RemoveTree(defaultUser);
    SetProfile("Report", "EU", "2");
    SetProfile("Report", "Result", "1");

    EXPECT_EQ(RunExpectingNoHostBox("-i -8"), 0u);

    // The default user directory is created, one level at a time, and written back.
    const DWORD attributes = GetFileAttributesA(defaultUser.c_str());
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(Profile("Path", "User"), defaultUser);
    EXPECT_EQ(Profile("Report", "EU"), "2");
    EXPECT_EQ(Profile("Report", "Result"), "1");
    EXPECT_FALSE(ProfileHas("Report", "UR"));
}

TEST_F(ChainedRun, DefaultUserDirectoryReceivesTheSavedDemo) {
    const std::string diction = world.AddWord8();
    const std::string defaultUser = WindowsDirectory() + "\\msapps\\qv";
    RemoveTree(WindowsDirectory() + "\\msapps");
    const std::string demo(777, 'm');
    ASSERT_TRUE(WriteFileBytes(diction + "\\qvUR.vt", demo));

    EXPECT_EQ(RunSetup("-i -8"), 1u);
    EXPECT_EQ(Profile("Path", "User"), defaultUser);
    EXPECT_TRUE(ReadFileBytes(defaultUser + "\\qvUR.vt") == demo);
}

}  // namespace
