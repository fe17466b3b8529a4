// The main selection dialog of an interactive run, driven as a user would:
// the hosts it offers, the rows it fills from the disk, the scroll control
// that moves the six rows over the twelve pairs, and the ways out of it.
//
// Argument 0: the directory of the twelve real setup programs.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gui_driver.h"
#include "test_support.h"

using namespace testing_support;

namespace {

// Control ids of dialog 109.
constexpr int kSetup = 1;
constexpr int kClose = 2;
constexpr int kOffice95 = 1000;
constexpr int kOffice97 = 1001;
constexpr int kHostNotice = 1002;
constexpr int kScroller = 1054;
constexpr int kDictionaryHeader = 1050;
constexpr int kReleaseHeader = 1051;
constexpr int kCommentsHeader = 1052;
constexpr int kCheckBoxes[6] = {1022, 1023, 1025, 1026, 1027, 1028};
constexpr int kReleases[6] = {1040, 1041, 1042, 1043, 1044, 1053};
constexpr int kComments[6] = {1045, 1046, 1047, 1048, 1049, 1055};

const char* const kCodes[12] = {"EU", "ER", "UE", "UR", "RE", "RU",
                                "GU", "GR", "UG", "RG", "EG", "GE"};
const char* const kEnglishNames[12] = {
    "  English-Ukrainian", "  English-Russian",   "  Ukrainian-English", "  Ukrainian-Russian",
    "  Russian-English",   "  Russian-Ukrainian", "  German-Ukrainian",  "  German-Russian",
    "  Ukrainian-German",  "  Russian-German",    "  English-German",    "  German-English"};

constexpr int kBig = 100001;     // a big dictionary, or a setup program that carries one
constexpr int kDemo = 99999;     // the largest demo dictionary
constexpr int kSmallSetup = 50;  // a setup program too small to carry a dictionary

// ---------------------------------------------------------------------------
// Texts by language: comments, fixed labels, pair names of the first six.

enum Comment { NotPresent, NewWillBeInstalled, DemoInstalled, WillBeInstalled, BigInstalled,
               WillBeUninstalled, WillNotBeInstalled };

struct LanguageTexts {
    const char* letter;
    const char* caption;
    const char* setupButton;
    const char* closeButton;
    const char* headers[3];
    const char* demo;
    const char* names[6];
    const char* comments[7];   // by Comment
};

const LanguageTexts kLanguages[] = {
    {"E", "Dictionaries Setup", "&Setup", "Close", {" Dictionary ", " Release ", " Comments "}, "Demo",
     {"  English-Ukrainian", "  English-Russian", "  Ukrainian-English", "  Ukrainian-Russian",
      "  Russian-English", "  Russian-Ukrainian"},
     {"\nDictionary is not present", "New dictionary will be installed",
      "Demo dictionary is installed", "It will be installed", "Big dictionary is installed",
      "It will be uninstalled", "Dictionary will not be installed"}},
    {"U", "Установка словників", "Встановити", "Вихід", {" Словник ", " Версія ", " Коментарі "},
     "Демо",
     {"  Англо-український", "  Англо-російський", "  Українсько-англійський",
      "  Українсько-російський", "  Російсько-англійський", "  Російсько-український"},
     {"\nСловник відсутній", "Буде встановлено новий словник", "Встановлено демо-словник",
      "Буде інстальовано", "Встановлено повний словник", "Буде деінстальовано",
      "Словник не буде інстальовано"}},
    {"R", "Установка словарей", "Установить", "Выход", {" Словарь ", " Версия ", " Комментарии "},
     "Демо",
     {"  Англо-украинский", "  Англо-русский", "  Украинско-английский", "  Украинско-русский",
      "  Русско-английский", "  Русско-украинский"},
     {"\nСловарь отсутствует", "Будет установлен новый словарь", "Установлен демо-словарь",
      "Будет инсталлирован", "Установлен полный словарь", "Будет деинсталлирован",
      "Словарь не будет инсталлирован"}},
};

const LanguageTexts& English() { return kLanguages[0]; }

// ---------------------------------------------------------------------------
// The world: hosts, their dictionary directories, the program's directory.

const std::string kRoot = "C:\\qvtest\\main_dialog";
const std::string kSetupDir = kRoot + "\\setup";
const std::string kProgram = kSetupDir + "\\SetupUR.exe";
const std::string kWord7Startup = kRoot + "\\word7\\startup";
const std::string kWord7Dict = kRoot + "\\word7\\diction";
const std::string kWord8Startup = kRoot + "\\word8\\startup";
const std::string kWord8Dict = kRoot + "\\word8\\diction";
const std::string kStandaloneWin = kRoot + "\\qv\\WIN";
const std::string kStandaloneDict = kRoot + "\\qv\\diction";
const std::string kUserDir = kRoot + "\\user";

std::string Dictionary(const std::string& directory, const char* code) {
    return directory + "\\qv" + code + ".vt";
}
std::string SetupProgram(const char* code) { return kSetupDir + "\\Setup" + code + ".exe"; }

// Sets a file's last write to a local calendar time. The run shows the
// month and year of the local time, so a time early on the first of a month
// east of Greenwich tells local time from UTC.
void SetLocalWriteTime(const std::string& path, WORD year, WORD month, WORD day, WORD hour) {
    SYSTEMTIME local{};
    local.wYear = year;
    local.wMonth = month;
    local.wDay = day;
    local.wHour = hour;
    FILETIME localTime, utc;
    ASSERT_TRUE(SystemTimeToFileTime(&local, &localTime));
    ASSERT_TRUE(LocalFileTimeToFileTime(&localTime, &utc));
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &utc));
    CloseHandle(file);
}

struct Hosts {
    bool word7;
    bool word8;
    bool standalone;
};

class MainDialogTest : public ::testing::Test {
protected:
    void SetUp() override { LayOutWorld(); }
    void TearDown() override { ClearWorld(); }

    // For tests that walk a table of worlds: each case starts from scratch.
    void ResetWorld() {
        ClearWorld();
        LayOutWorld();
    }

    // No host, no settings, an empty tree with the started program alone.
    void LayOutWorld() {
        RemoveTree(kRoot);
        DeleteSettingsFile();
        SetStartupPath(kWord7Key, nullptr);
        SetStartupPath(kWord8Key, nullptr);
        for (const std::string& dir : {kSetupDir, kWord7Startup, kWord7Dict, kWord8Startup, kWord8Dict,
                                       kStandaloneWin, kStandaloneDict, kUserDir})
            ASSERT_TRUE(MakeDirectories(dir)) << dir;
        SetProfile("Path", "User", kUserDir.c_str());
        // The program that the user starts: this family's Ukrainian-Russian
        // setup, whose own row counts it as the pair's setup program.
        ASSERT_TRUE(CopyFileA((Arg(0) + "\\SetupUR.exe").c_str(), kProgram.c_str(), FALSE));
        SetLocalWriteTime(kProgram, 2002, 11, 1, 1);
    }

    // A dialog still open is ended at once: closing it is a test of its own,
    // and hiding a window costs seconds under a display without a manager.
    void ClearWorld() {
        if (child_) child_->Kill();
        child_.reset();
        SetStartupPath(kWord7Key, nullptr);
        SetStartupPath(kWord8Key, nullptr);
        DeleteSettingsFile();
        RemoveTree(kRoot);
    }

    static void UseHosts(Hosts hosts) {
        if (hosts.word7) {
            SetProfile("Path", "Diction", kWord7Dict.c_str(), kWord7Startup + "\\QV.CFG");
            SetStartupPath(kWord7Key, kWord7Startup.c_str());
        }
        if (hosts.word8) {
            SetProfile("Path", "Diction", kWord8Dict.c_str(), kWord8Startup + "\\QV.CFG");
            SetStartupPath(kWord8Key, kWord8Startup.c_str());
        }
        if (hosts.standalone) SetProfile("Path", "Win", kStandaloneWin.c_str());
    }

    static void UseLanguage(const LanguageTexts& language) {
        SetProfile("Options", "DialogLanguage", language.letter);
    }

    // Starts the program as the user does (no arguments) and waits for the dialog.
    HWND Start(const LanguageTexts& language = English()) {
        child_ = std::make_unique<Child>(Quote(kProgram));
        if (!child_->Started()) return nullptr;
        return gui::WaitForWindow(gui::W(language.caption), child_->Id());
    }

    DWORD WaitForExit() {
        EXPECT_TRUE(child_->Wait(20000));
        return child_->ExitCode();
    }

    std::unique_ptr<Child> child_;
};

// The pair shown in the first row, by its English name; -1 when unknown.
int FirstShownPair(HWND dialog) {
    const std::wstring name = gui::ItemText(dialog, kCheckBoxes[0]);
    for (int pair = 0; pair < 12; ++pair)
        if (name == gui::W(kEnglishNames[pair])) return pair;
    return -1;
}

// The six rows show the pairs from `first` on, in English.
void ExpectRowsFrom(HWND dialog, int first) {
    for (int row = 0; row < 6; ++row)
        EXPECT_EQ(gui::ItemText(dialog, kCheckBoxes[row]), gui::W(kEnglishNames[first + row]))
            << "row " << row;
}

std::vector<bool> CheckStates(HWND dialog) {
    std::vector<bool> states;
    for (int id : kCheckBoxes) states.push_back(gui::IsChecked(dialog, id));
    return states;
}

int Thumb(HWND dialog) { return gui::ScrollPosition(dialog, kScroller); }

void PageUp(HWND dialog) { gui::Scroll(dialog, kScroller, SB_PAGEUP); }
void PageDown(HWND dialog) { gui::Scroll(dialog, kScroller, SB_PAGEDOWN); }
void LineDowns(HWND dialog, int count) {
    for (int i = 0; i < count; ++i) gui::Scroll(dialog, kScroller, SB_LINEDOWN);
}

// ---------------------------------------------------------------------------
// Hosts at the dialog's start.

struct HostCase {
    const char* name;
    Hosts hosts;
    bool office95Enabled, office95Checked;
    bool office97Enabled, office97Checked;
    bool noticeEnabled;
    const char* notice;
    // Pair 0 lies differently in each directory: its row tells which one is shown.
    const char* firstRelease;
    Comment firstComment;
};

const HostCase kHostCases[] = {
    {"both Word hosts", {true, true, true}, true, false, true, true, true,
     "Quorvi 98 installed for two versions of Microsoft Office.\n\nChoose the necessary version:",
     "07.2001", BigInstalled},
    {"only Word 7", {true, false, true}, true, true, false, false, true,
     "Quorvi 98 installed for Microsoft Office 95 only.", "Demo", DemoInstalled},
    {"only Word 8", {false, true, true}, false, false, true, true, true,
     "Quorvi 98 installed for Microsoft Office 97 only.", "07.2001", BigInstalled},
    {"no Word host", {false, false, true}, false, false, false, false, false,
     "Microsoft Office can not be found.\nDictionaries will be installed for stand-alone "
     "application\nQuorvi.exe only.",
     "09.2000", BigInstalled},
};

TEST_F(MainDialogTest, OffersTheHostsThatWereFound) {
    for (const HostCase& c : kHostCases) {
        SCOPED_TRACE(c.name);
        ResetWorld();
        UseHosts(c.hosts);
        ASSERT_TRUE(WriteFileOfSize(Dictionary(kWord7Dict, "EU"), 500));
        ASSERT_TRUE(WriteFileOfSize(Dictionary(kWord8Dict, "EU"), kBig));
        SetLocalWriteTime(Dictionary(kWord8Dict, "EU"), 2001, 7, 1, 2);
        ASSERT_TRUE(WriteFileOfSize(Dictionary(kStandaloneDict, "EU"), kBig));
        SetLocalWriteTime(Dictionary(kStandaloneDict, "EU"), 2000, 9, 1, 2);

        HWND dialog = Start();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(gui::IsEnabled(dialog, kOffice95), c.office95Enabled);
        EXPECT_EQ(gui::IsChecked(dialog, kOffice95), c.office95Checked);
        EXPECT_EQ(gui::IsEnabled(dialog, kOffice97), c.office97Enabled);
        EXPECT_EQ(gui::IsChecked(dialog, kOffice97), c.office97Checked);
        EXPECT_EQ(gui::IsEnabled(dialog, kHostNotice), c.noticeEnabled);
        EXPECT_EQ(gui::ItemText(dialog, kHostNotice), gui::W(c.notice));
        EXPECT_EQ(gui::ItemText(dialog, kReleases[0]), gui::W(c.firstRelease));
        EXPECT_EQ(gui::ItemText(dialog, kComments[0]), gui::W(English().comments[c.firstComment]));
        EXPECT_FALSE(gui::IsEnabled(dialog, kCheckBoxes[0]));
    }
}

// ---------------------------------------------------------------------------
// Rows from the disk.

struct RowCase {
    const char* code;
    int installedSize;     // 0: no file
    int setupSize;         // 0: no file; -1: the running program itself
    bool enabled;
    bool checked;
    const char* release;   // nullptr: the demo label of the language
    Comment comment;
};

// Pairs 0 to 5, in the Word 8 directory, as the dialog opens.
const RowCase kFirstRows[] = {
    {"EU", 0, 0, false, false, "", NotPresent},
    {"ER", 0, kBig, true, true, "03.1999", NewWillBeInstalled},
    {"UE", kDemo, 0, false, false, nullptr, DemoInstalled},
    {"UR", kBig, -1, true, true, "11.2002", WillBeInstalled},
    {"RE", kBig, 0, false, false, "07.2001", BigInstalled},
    {"RU", 1, kSmallSetup, true, true, "03.1999", WillBeInstalled},
};

// Pairs 6 to 11, scrolled into view: none of them was ever selected.
const RowCase kLastRows[] = {
    {"GU", 0, 100000, false, false, "", NotPresent},   // too small to carry a dictionary
    {"GR", 100000, kSmallSetup, true, false, "03.1999", WillBeUninstalled},
    {"UG", kBig, 200000, true, false, "03.1999", WillBeUninstalled},
    {"RG", 500, kBig, true, false, "03.1999", WillNotBeInstalled},
    {"EG", 0, kBig, true, false, "03.1999", NewWillBeInstalled},
    {"GE", 0, 0, false, false, "", NotPresent},
};

void LayOutRows(const RowCase (&rows)[6]) {
    for (const RowCase& row : rows) {
        if (row.installedSize > 0) {
            const std::string path = Dictionary(kWord8Dict, row.code);
            ASSERT_TRUE(WriteFileOfSize(path, static_cast<size_t>(row.installedSize)));
            SetLocalWriteTime(path, 2001, 7, 1, 2);
        }
        if (row.setupSize > 0) {
            ASSERT_TRUE(WriteFileOfSize(SetupProgram(row.code), static_cast<size_t>(row.setupSize)));
            SetLocalWriteTime(SetupProgram(row.code), 1999, 3, 1, 3);
        }
    }
}

void ExpectRows(HWND dialog, const RowCase (&rows)[6], const LanguageTexts& language) {
    for (int r = 0; r < 6; ++r) {
        const RowCase& row = rows[r];
        SCOPED_TRACE(row.code);
        EXPECT_EQ(gui::IsEnabled(dialog, kCheckBoxes[r]), row.enabled);
        EXPECT_EQ(gui::IsChecked(dialog, kCheckBoxes[r]), row.checked);
        EXPECT_EQ(gui::ItemText(dialog, kReleases[r]), gui::W(row.release ? row.release : language.demo));
        EXPECT_EQ(gui::ItemText(dialog, kComments[r]), gui::W(language.comments[row.comment]));
    }
}

TEST_F(MainDialogTest, RowsShowTheDiskInEachLanguage) {
    for (const LanguageTexts& language : kLanguages) {
        SCOPED_TRACE(language.letter);
        ResetWorld();
        UseHosts({false, true, false});
        UseLanguage(language);
        LayOutRows(kFirstRows);
        LayOutRows(kLastRows);

        HWND dialog = Start(language);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(gui::ItemText(dialog, kSetup), gui::W(language.setupButton));
        EXPECT_EQ(gui::ItemText(dialog, kClose), gui::W(language.closeButton));
        EXPECT_EQ(gui::ItemText(dialog, kDictionaryHeader), gui::W(language.headers[0]));
        EXPECT_EQ(gui::ItemText(dialog, kReleaseHeader), gui::W(language.headers[1]));
        EXPECT_EQ(gui::ItemText(dialog, kCommentsHeader), gui::W(language.headers[2]));
        for (int r = 0; r < 6; ++r)
            EXPECT_EQ(gui::ItemText(dialog, kCheckBoxes[r]), gui::W(language.names[r]));
        ExpectRows(dialog, kFirstRows, language);

        PageDown(dialog);
        ExpectRows(dialog, kLastRows, language);
    }
}

TEST_F(MainDialogTest, CommentFollowsTheUsersChoice) {
    UseHosts({false, true, false});
    LayOutRows(kFirstRows);
    HWND dialog = Start();
    ASSERT_NE(dialog, nullptr);

    struct Step {
        int row;
        bool checkedAfter;
        Comment comment;
    };
    const Step steps[] = {
        {3, false, WillBeUninstalled},    // big dictionary, unchecked
        {5, false, WillNotBeInstalled},   // demo dictionary, unchecked
        {1, false, NewWillBeInstalled},   // new dictionary: the same either way
        {3, true, WillBeInstalled},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.row);
        gui::Click(dialog, kCheckBoxes[step.row]);
        EXPECT_EQ(gui::IsChecked(dialog, kCheckBoxes[step.row]), step.checkedAfter);
        EXPECT_EQ(gui::ItemText(dialog, kComments[step.row]),
                  gui::W(English().comments[step.comment]));
    }
}

// ---------------------------------------------------------------------------
// Scrolling.

// Every pair offers a new dictionary, so every row is available.
void LayOutAvailablePairs() {
    for (const char* code : kCodes)
        if (std::string(code) != "UR") ASSERT_TRUE(WriteFileOfSize(SetupProgram(code), kBig));
}

TEST_F(MainDialogTest, LineDownsWalkToTheLastSixPairs) {
    UseHosts({false, true, false});
    LayOutAvailablePairs();
    HWND dialog = Start();
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(FirstShownPair(dialog), 0);

    for (int step = 1; step <= 6; ++step) {
        SCOPED_TRACE(step);
        gui::Scroll(dialog, kScroller, SB_LINEDOWN);
        ExpectRowsFrom(dialog, step);
    }
    EXPECT_EQ(Thumb(dialog), 12);

    // A seventh request neither moves the rows nor looks at the disk again.
    ASSERT_TRUE(WriteFileOfSize(Dictionary(kWord8Dict, "GU"), 500));
    gui::Scroll(dialog, kScroller, SB_LINEDOWN);
    ExpectRowsFrom(dialog, 6);
    EXPECT_EQ(gui::ItemText(dialog, kComments[0]), gui::W(English().comments[NewWillBeInstalled]));
    EXPECT_EQ(Thumb(dialog), 12);
    // A page request always fills the rows anew.
    PageDown(dialog);
    EXPECT_EQ(gui::ItemText(dialog, kComments[0]), gui::W(English().comments[WillNotBeInstalled]));

    // And back up, line by line; the thumb returns to the top with the first pair.
    for (int step = 5; step >= 0; --step) {
        SCOPED_TRACE(step);
        gui::Scroll(dialog, kScroller, SB_LINEUP);
        ExpectRowsFrom(dialog, step);
    }
    EXPECT_EQ(Thumb(dialog), 0);
}

struct ScrollCase {
    const char* name;
    int lineDowns;   // from the top, before the request
    int request;
    int position;
    int firstPair;   // after the request
    int thumb;       // after the request; -1: not looked at
};

const ScrollCase kScrollCases[] = {
    {"page down from the top", 0, SB_PAGEDOWN, 0, 6, 12},
    {"page down from the middle", 3, SB_PAGEDOWN, 0, 6, 12},
    {"page up from the bottom", 6, SB_PAGEUP, 0, 0, 0},
    {"page up from the middle", 3, SB_PAGEUP, 0, 0, 0},
    {"thumb released at 5", 6, SB_THUMBPOSITION, 5, 0, 0},
    {"thumb released at 6", 0, SB_THUMBPOSITION, 6, 6, 12},
    {"thumb released at the bottom", 3, SB_THUMBPOSITION, 12, 6, 12},
    {"thumb released at the top", 3, SB_THUMBPOSITION, 0, 0, 0},
    {"line up to the top", 1, SB_LINEUP, 0, 0, 0},
    {"line up at the top", 0, SB_LINEUP, 0, 0, 0},
    {"thumb dragged", 3, SB_THUMBTRACK, 12, 3, -1},
    {"end of scroll", 3, SB_ENDSCROLL, 0, 3, -1},
};

TEST_F(MainDialogTest, ScrollRequestsMoveRowsAndThumb) {
    UseHosts({false, true, false});
    LayOutAvailablePairs();
    HWND dialog = Start();
    ASSERT_NE(dialog, nullptr);

    for (const ScrollCase& c : kScrollCases) {
        SCOPED_TRACE(c.name);
        PageUp(dialog);
        LineDowns(dialog, c.lineDowns);
        ASSERT_EQ(FirstShownPair(dialog), c.lineDowns);
        gui::Scroll(dialog, kScroller, c.request, c.position);
        ExpectRowsFrom(dialog, c.firstPair);
        if (c.thumb >= 0) EXPECT_EQ(Thumb(dialog), c.thumb);
    }
}

TEST_F(MainDialogTest, ChoicesSurviveScrolling) {
    UseHosts({false, true, false});
    LayOutAvailablePairs();
    HWND dialog = Start();
    ASSERT_NE(dialog, nullptr);
    const std::vector<bool> all(6, true), none(6, false);
    ASSERT_EQ(CheckStates(dialog), all);

    // Pairs 6 to 11 come unchecked; the user checks them all, then unchecks
    // the third row: pair 8.
    PageDown(dialog);
    ASSERT_EQ(CheckStates(dialog), none);
    for (int id : kCheckBoxes) gui::Click(dialog, id);
    gui::Click(dialog, kCheckBoxes[2]);

    // Two lines up the rows show pairs 4 to 9; pair 8 is the fifth row.
    // Unchecking the first row there is pair 4.
    gui::Scroll(dialog, kScroller, SB_LINEUP);
    gui::Scroll(dialog, kScroller, SB_LINEUP);
    ExpectRowsFrom(dialog, 4);
    EXPECT_EQ(CheckStates(dialog), (std::vector<bool>{true, true, true, true, false, true}));
    gui::Click(dialog, kCheckBoxes[0]);

    PageUp(dialog);
    EXPECT_EQ(CheckStates(dialog), (std::vector<bool>{true, true, true, true, false, true}));
    PageDown(dialog);
    EXPECT_EQ(CheckStates(dialog), (std::vector<bool>{true, true, false, true, true, true}));
    gui::Scroll(dialog, kScroller, SB_THUMBPOSITION, 2);
    EXPECT_EQ(CheckStates(dialog), (std::vector<bool>{true, true, true, true, false, true}));
}

TEST_F(MainDialogTest, HostClickStartsTheChoiceAfresh) {
    UseHosts({true, true, false});
    LayOutAvailablePairs();
    // Pair 0 reads differently per host: a demo dictionary to replace in the
    // Word 7 directory, a new one for Word 8.
    ASSERT_TRUE(WriteFileOfSize(Dictionary(kWord7Dict, "EU"), 500));
    HWND dialog = Start();
    ASSERT_NE(dialog, nullptr);
    const std::vector<bool> all(6, true), none(6, false);

    for (int host : {kOffice95, kOffice95, kOffice97}) {
        SCOPED_TRACE(host);
        // Some choices below and above, scrolled to the last six pairs.
        gui::Click(dialog, kCheckBoxes[1]);
        PageDown(dialog);
        gui::Click(dialog, kCheckBoxes[0]);
        ASSERT_EQ(Thumb(dialog), 12);

        gui::Click(dialog, host);
        EXPECT_TRUE(gui::IsChecked(dialog, host));
        ExpectRowsFrom(dialog, 0);
        EXPECT_EQ(CheckStates(dialog), all);
        EXPECT_EQ(gui::ItemText(dialog, kComments[0]),
                  gui::W(English().comments[host == kOffice95 ? WillBeInstalled
                                                              : NewWillBeInstalled]));
        // The thumb stays down until the next request brings it back up.
        EXPECT_EQ(Thumb(dialog), 12);
        gui::Scroll(dialog, kScroller, SB_LINEUP);
        ExpectRowsFrom(dialog, 0);
        EXPECT_EQ(Thumb(dialog), 0);

        // The choice of pair 6 is gone.
        PageDown(dialog);
        EXPECT_EQ(CheckStates(dialog), none);
        PageUp(dialog);
    }
}

// A host that was not chosen is forgotten: the run restores the demo
// dictionary of the unchecked own pair in the chosen host's directory only.
TEST_F(MainDialogTest, SetupActsOnTheChosenHostOnly) {
    struct Case {
        const char* name;
        int click;   // 0: leave Office 97 checked
        const std::string* restored;
        const std::string* untouched;
    };
    const Case cases[] = {
        {"Office 95 chosen", kOffice95, &kWord7Dict, &kWord8Dict},
        {"Office 97 kept", 0, &kWord8Dict, &kWord7Dict},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetWorld();
        UseHosts({true, true, false});
        for (const std::string* dir : {&kWord7Dict, &kWord8Dict})
            ASSERT_TRUE(WriteFileOfSize(Dictionary(*dir, "UR"), kBig));
        ASSERT_TRUE(WriteFileOfSize(kUserDir + "\\qvUR.vt", 500, 's'));

        HWND dialog = Start();
        ASSERT_NE(dialog, nullptr);
        if (c.click) gui::Click(dialog, c.click);
        // The own pair, row 3: a big dictionary with its setup program.
        ASSERT_TRUE(gui::IsChecked(dialog, kCheckBoxes[3]));
        gui::Click(dialog, kCheckBoxes[3]);
        gui::Click(dialog, kSetup);

        HWND report = gui::WaitForWindow(L"Final Report", child_->Id());
        ASSERT_NE(report, nullptr);
        gui::Click(report, IDCANCEL);
        EXPECT_EQ(WaitForExit(), 1u);
        EXPECT_EQ(Profile("Report", "UR"), "2");
        EXPECT_EQ(FileSize(Dictionary(*c.restored, "UR")), 500);
        EXPECT_EQ(FileSize(Dictionary(*c.untouched, "UR")), kBig);
    }
}

// ---------------------------------------------------------------------------
// Leaving without a choice.

TEST_F(MainDialogTest, CloseEscapeAndCloseBoxEndTheRunUntouched) {
    struct Case {
        const char* name;
        void (*leave)(HWND);
    };
    const Case cases[] = {
        {"Close", [](HWND d) { gui::Click(d, kClose); }},
        {"Escape", [](HWND d) { gui::PressEscape(d); }},
        {"close box", [](HWND d) { gui::CloseBox(d); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetWorld();
        UseHosts({false, true, false});
        SetProfile("Report", "EU", "4");
        SetProfile("Report", "UR", "1");
        SetProfile("Report", "Result", "1");
        ASSERT_TRUE(WriteFileOfSize(Dictionary(kWord8Dict, "UR"), 500));

        HWND dialog = Start();
        ASSERT_NE(dialog, nullptr);
        c.leave(dialog);
        EXPECT_TRUE(gui::WaitGone(dialog));
        EXPECT_EQ(WaitForExit(), 0u);
        EXPECT_EQ(Profile("Report", "EU"), "4");
        EXPECT_EQ(Profile("Report", "UR"), "1");
        EXPECT_EQ(Profile("Report", "Result"), "1");
        EXPECT_EQ(FileSize(Dictionary(kWord8Dict, "UR")), 500);
    }
}

}  // namespace
