// The demo's pilot: lays out a simulated installation of Quorvi 98 (both Word
// hosts, a mix of missing, demo and big dictionaries, all twelve setup
// programs side by side in a folder with a blank in its name), starts the
// setup program as a user would and reports what the run changed.
//
//   pilot.exe MODE SETUP_DIR MARKER_DIR LANGUAGE
//
// MODE "all" chooses every pair before it confirms, and times the run from
// the confirmation to the report.
//
// MODE "chained" runs "SetupUR.exe -i -8" and then "SetupUR.exe -d -8" as an
// installer would, and shows what each run changed.
// MODE "auto" accepts the preselection itself and, at each dialog, leaves a
// marker file with the dialog's screen rectangle in MARKER_DIR and waits
// briefly for "<name>.shot" so that a screenshot can be taken. MODE "user"
// leaves the dialogs to the person at the display.
#include <windows.h>

#include <cstdio>
#include <string>

#include "gui_driver.h"
#include "test_support.h"

using namespace testing_support;

namespace {

const char* const kCodes[] = {"EU", "ER", "UE", "UR", "RE", "RU", "GU", "GR", "UG", "RG", "EG", "GE"};
const std::string kRoot = "C:\\Quorvi98";
const std::string kSetupFolder = "C:\\Quorvi Setup";

// What lies in the Word 8 dictionary directory before the run, per pair:
// 0 nothing, 'd' a demo dictionary, 'b' a big one (with its saved demo).
const char kInstalled[] = {'b', 'd', 0, 'd', 'b', 0, 'd', 0, 'b', 0, 'd', 0};

std::string SetupProgram(const std::string& directory, const char* code) {
    return directory + "\\Setup" + code + ".exe";
}

std::string Word8Diction() { return kRoot + "\\Word8\\Diction"; }

void SetFileDate(const std::string& path, WORD year, WORD month) {
    SYSTEMTIME local{};
    local.wYear = year;
    local.wMonth = month;
    local.wDay = 15;
    local.wHour = 12;
    FILETIME localTime, utc;
    SystemTimeToFileTime(&local, &localTime);
    LocalFileTimeToFileTime(&localTime, &utc);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    SetFileTime(file, nullptr, nullptr, &utc);
    CloseHandle(file);
}

void LayOut(const std::string& setupDir, const std::string& language) {
    RemoveTree(kRoot);
    RemoveTree(kSetupFolder);
    DeleteSettingsFile();

    for (const char* host : {"Word7", "Word8"}) {
        const std::string base = kRoot + "\\" + host;
        MakeDirectories(base + "\\Diction");
        MakeDirectories(base + "\\Startup");
        SetProfile("Path", "Diction", (base + "\\Diction").c_str(), base + "\\Startup\\QV.CFG");
    }
    SetStartupPath(kWord7Key, (kRoot + "\\Word7\\Startup").c_str());
    SetStartupPath(kWord8Key, (kRoot + "\\Word8\\Startup").c_str());
    MakeDirectories(kRoot + "\\User");
    SetProfile("Path", "User", (kRoot + "\\User").c_str());
    SetProfile("Options", "DialogLanguage", language.c_str());

    for (int i = 0; i < 12; ++i) {
        const std::string name = std::string("\\qv") + kCodes[i] + ".vt";
        if (kInstalled[i] == 'd') {
            WriteFileOfSize(Word8Diction() + name, 40000 + 1000 * i, 'd');
            SetFileDate(Word8Diction() + name, 1998, 3);
        } else if (kInstalled[i] == 'b') {
            WriteFileOfSize(Word8Diction() + name, 700000 + 1000 * i, 'b');
            SetFileDate(Word8Diction() + name, 1998, 11);
            WriteFileOfSize(kRoot + "\\User" + name, 30000 + 1000 * i, 's');
        }
    }

    MakeDirectories(kSetupFolder);
    for (const char* code : kCodes)
        CopyFileA(SetupProgram(setupDir, code).c_str(), SetupProgram(kSetupFolder, code).c_str(), FALSE);
}

void PrintDictionaries(const char* heading) {
    std::printf("%s (%s):\n", heading, Word8Diction().c_str());
    for (const char* code : kCodes) {
        const long long size = FileSize(Word8Diction() + "\\qv" + code + ".vt");
        if (size < 0)
            std::printf("  qv%s.vt  -\n", code);
        else
            std::printf("  qv%s.vt  %9lld bytes  %s\n", code, size, size >= 100000 ? "big" : "demo");
    }
}

void PrintReport() {
    std::printf("[Report] section of qvword7.ini:\n");
    bool any = false;
    for (const char* code : kCodes) {
        if (!ProfileHas("Report", code)) continue;
        std::printf("  %s=%s\n", code, Profile("Report", code).c_str());
        any = true;
    }
    if (ProfileHas("Report", "Result")) std::printf("  Result=%s\n", Profile("Report", "Result").c_str());
    if (!any) std::printf("  (no pair reported)\n");
}

// Leaves "<name>" with the window's rectangle and waits up to `waitMs` for
// "<name>.shot".
void Mark(const std::string& markerDir, const char* name, HWND window, DWORD waitMs) {
    RECT rect;
    GetWindowRect(window, &rect);
    char line[96];
    std::snprintf(line, sizeof line, "%ldx%ld+%ld+%ld\n", rect.right - rect.left,
                  rect.bottom - rect.top, rect.left, rect.top);
    WriteFileBytes(markerDir + "\\" + name, line);
    const std::string shot = markerDir + "\\" + name + ".shot";
    for (DWORD waited = 0; waited < waitMs && !FileExists(shot); waited += 20) Sleep(20);
}

// The first top-level dialog without a caption: a progress notice.
HWND FindNotice() {
    struct Search { HWND found; } search{nullptr};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            wchar_t cls[16];
            GetClassNameW(window, cls, 16);
            if (IsWindowVisible(window) && lstrcmpW(cls, L"#32770") == 0 &&
                !(GetWindowLongW(window, GWL_STYLE) & WS_CAPTION)) {
                reinterpret_cast<Search*>(param)->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Scrolls to the lower six pairs, checks every available row there, and
// scrolls back: with the preselection of the upper six, every pair is chosen.
void ChooseEveryPair(HWND main) {
    constexpr int kScroller = 1054;
    const int checkBoxes[] = {1022, 1023, 1025, 1026, 1027, 1028};
    gui::Scroll(main, kScroller, SB_PAGEDOWN);
    for (int id : checkBoxes)
        if (gui::IsEnabled(main, id) && !gui::IsChecked(main, id)) gui::Click(main, id);
    gui::Scroll(main, kScroller, SB_PAGEUP);
}

int Pilot(const std::string& markerDir, bool automatic, bool everyPair) {
    const std::string program = SetupProgram(kSetupFolder, "UR");
    std::printf("Starting %s as a user would.\n", program.c_str());
    Child setup(Quote(program));
    if (!setup.Started()) {
        std::printf("could not start the setup program\n");
        return 1;
    }
    if (!automatic) {
        setup.Wait(INFINITE);
        return static_cast<int>(setup.ExitCode());
    }

    HWND main = gui::FindDialogOf(setup.Id());
    for (int i = 0; i < 500 && !main; ++i, Sleep(20)) main = gui::FindDialogOf(setup.Id());
    if (!main) {
        std::printf("the main dialog did not appear\n");
        return 1;
    }
    Sleep(300);
    Mark(markerDir, "main", main, 5000);
    if (everyPair) {
        ChooseEveryPair(main);
        std::printf("Main dialog: every pair chosen.\n");
    } else {
        std::printf("Main dialog: accepting the preselection.\n");
    }
    const DWORD confirmed = GetTickCount();
    gui::Click(main, IDOK);
    gui::WaitGone(main, 10000);

    // Notices come and go, one per selected pair; the first is shown.
    bool noticeShot = false;
    int notices = 0;
    HWND lastNotice = nullptr;
    HWND report = nullptr;
    while (!report && WaitForSingleObject(GetCurrentProcess(), 0) == WAIT_TIMEOUT) {
        if (HWND notice = FindNotice(); notice && notice != lastNotice) {
            ++notices;
            lastNotice = notice;
            if (!noticeShot) {
                Sleep(150);
                Mark(markerDir, "notice", notice, 1500);
                noticeShot = true;
            }
        }
        HWND candidate = gui::FindDialogOf(setup.Id());
        if (candidate && (GetWindowLongW(candidate, GWL_STYLE) & WS_CAPTION)) report = candidate;
        if (setup.Wait(20)) break;
    }
    if (report) {
        const double seconds = (GetTickCount() - confirmed) / 1000.0;
        std::printf("From the confirmation to the report: %.1f s, of which %d two-second notices.\n",
                    seconds, notices);
        Sleep(300);
        Mark(markerDir, "report", report, 5000);
        std::printf("Report:\n%ls\n", gui::ItemText(report, 1065).c_str());
        gui::Click(report, IDCANCEL);
    }
    setup.Wait(30000);
    return static_cast<int>(setup.ExitCode());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::printf("usage: pilot auto|all|user|chained SETUP_DIR MARKER_DIR LANGUAGE\n");
        return 2;
    }
    const std::string mode = argv[1];
    const bool automatic = mode == "auto" || mode == "all";
    std::string setupDir = argv[2], markerDir = argv[3];
    for (std::string* s : {&setupDir, &markerDir})
        for (char& c : *s)
            if (c == '/') c = '\\';

    LayOut(setupDir, argv[4]);
    PrintDictionaries("Before the run, Word 97's dictionaries");
    if (mode == "chained") {
        for (const char* options : {"-i -8", "-d -8"}) {
            const std::string command = Quote(SetupProgram(kSetupFolder, "UR")) + " " + options;
            std::printf("\n> %s\n", command.c_str());
            std::fflush(stdout);
            ProcessResult result = Run(command, INFINITE);
            std::printf("exit code %lu\n", result.exitCode);
            PrintDictionaries("Word 97's dictionaries");
            std::printf("Saved demo dictionary %s\\User\\qvUR.vt: %lld bytes\n", kRoot.c_str(),
                        FileSize(kRoot + "\\User\\qvUR.vt"));
            PrintReport();
        }
        std::fflush(stdout);
        return 0;
    }
    const int exitCode = Pilot(markerDir, automatic, mode == "all");
    std::printf("SetupUR.exe ended with exit code %d.\n", exitCode);
    PrintDictionaries("After the run");
    PrintReport();
    std::fflush(stdout);
    return 0;
}
