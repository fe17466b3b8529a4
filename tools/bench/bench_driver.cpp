// The Wine half of the benchmark: times, inside one warm Wine, what a user
// waits for and the floors they are held against.
//
//   qv_bench.exe WORK_DIR RUNS
//
// WORK_DIR (this program's own directory, so that the main dialog finds the
// twelve setup programs beside it) holds qv_empty.exe, qv_empty_gui.exe, Setup??.exe,
// package_UR.bin and qvUR.vt, the dictionary the package carries. Each
// figure is printed as one line
//
//   NAME MEDIAN_MS MIN_MS MAX_MS RUNS
//
// and a failed run (wrong exit code, wrong file) ends the program with 1:
// a time of a run that did not do its job is no figure. The world (Word 8,
// its dictionary directory, the settings file) is the Wine tests' own; the
// prefix should be the benchmark's, never a test run's.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "driver/pairs.h"
#include "driver/setup_state.h"
#include "resources/resource_ids.h"
#include "ui/main_dialog.h"
#include "ui/row_status.h"
#include "test_support.h"
#include "world.h"

using namespace testing_support;

namespace {

constexpr DWORD kNoticeMs = 2000;
constexpr DWORD kRunTimeoutMs = 60000;

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "qv_bench: %s\n", what.c_str());
    std::fflush(stderr);
    ExitProcess(1);
}

void Print(const char* name, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%s %.3f %.3f %.3f %zu\n", name, times[times.size() / 2], times.front(), times.back(),
                times.size());
    std::fflush(stdout);
}

// Runs `prepare` (untimed), then `measure` (timed), `warmUps + runs` times;
// `check` (untimed) must hold after every run.
std::vector<double> Repeat(int runs, const std::function<void()>& prepare,
                           const std::function<void()>& measure, const std::function<void(int)>& check,
                           int warmUps = 1) {
    std::vector<double> times;
    for (int i = 0; i < warmUps + runs; ++i) {
        prepare();
        const double start = Now();
        measure();
        const double elapsed = Now() - start;
        check(i);
        if (i >= warmUps) times.push_back(elapsed);
    }
    return times;
}

// Starts a program, waits for its end and returns its exit code.
DWORD RunProgram(const std::string& commandLine, const std::string& directory = {}) {
    ProcessResult result = Run(commandLine, kRunTimeoutMs, directory);
    if (!result.started) Fail("cannot start " + commandLine + " (error " + std::to_string(GetLastError()) + ")");
    if (!result.ended) Fail("no end in time: " + commandLine);
    return result.exitCode;
}

struct Bench {
    std::string work;
    int runs = 0;
    std::string dictionary;  // the bytes the package carries

    std::string In(const char* name) const { return work + "\\" + name; }

    void EmptyStart() {
        const std::string empty = Quote(In("qv_empty.exe"));
        DWORD code = 0;
        Print("empty_start", Repeat(runs, [] {}, [&] { code = RunProgram(empty); },
                                    [&](int) {
                                        if (code != 0) Fail("qv_empty.exe ended with " + std::to_string(code));
                                    },
                                    3));
    }

    // What Wine charges a program with the setup program's DLLs, and one
    // that shows a dialog box for two seconds (the two seconds taken off).
    void GuiStart() {
        const std::string gui = Quote(In("qv_empty_gui.exe"));
        DWORD code = 0;
        const auto succeeded = [&](int) {
            if (code != 0) Fail("qv_empty_gui.exe ended with " + std::to_string(code));
        };
        Print("gui_start", Repeat(runs, [] {}, [&] { code = RunProgram(gui); }, succeeded, 3));
        std::vector<double> times = Repeat(runs, [] {}, [&] { code = RunProgram(gui + " notice"); }, succeeded);
        for (double& t : times) t -= kNoticeMs;
        Print("notice_program_beyond_notice", times);
    }

    // The package as the setup program starts it: "qv_temp.exe -o" in the
    // temporary directory, the unpacked file removed before each run.
    void Unpack() {
        const std::string directory = WindowsDirectory() + "\\temp\\qvbench";
        RemoveTree(directory);
        MakeDirectories(directory);
        const std::string program = directory + "\\qv_temp.exe";
        const std::string unpacked = directory + "\\QVUR.VT";
        if (!CopyFileA(In("package_UR.bin").c_str(), program.c_str(), FALSE)) Fail("cannot copy the package");
        DWORD code = 0;
        Print("unpack", Repeat(runs, [&] { DeleteFileA(unpacked.c_str()); },
                               [&] { code = RunProgram(Quote(program) + " -o", directory); },
                               [&](int i) {
                                   if (code != 0) Fail("the package ended with " + std::to_string(code));
                                   if (i == 0 ? ReadFileBytes(unpacked) != dictionary
                                              : FileSize(unpacked) != static_cast<std::int64_t>(dictionary.size()))
                                       Fail("the package did not unpack the dictionary");
                               }));
        RemoveTree(directory);
    }

    // "-i -8" into an empty Word 8 dictionary directory: the carried
    // dictionary is installed; the 2-second notice is taken off.
    void ChainedInstall(World& world) {
        const std::string target = world.AddWord8() + "\\qvUR.vt";
        world.SetUserDirectory();
        const std::string setup = Quote(In("SetupUR.exe")) + " -i -8";
        DWORD code = 0;
        std::vector<double> times = Repeat(
            runs, [&] { DeleteFileA(target.c_str()); }, [&] { code = RunProgram(setup); },
            [&](int i) {
                if (code != 1) Fail("SetupUR.exe -i -8 ended with " + std::to_string(code));
                if (i == 0 ? ReadFileBytes(target) != dictionary
                           : FileSize(target) != static_cast<std::int64_t>(dictionary.size()))
                    Fail("SetupUR.exe -i -8 did not install the dictionary");
            });
        for (double& t : times) t -= kNoticeMs;
        Print("install_beyond_notice", times);
    }

    // "-d -8" over the installed dictionary with a saved demo dictionary:
    // the demo comes back (report "2"). A restore shows no notice.
    void ChainedRestore(World& world) {
        const std::string diction = world.AddWord8();
        const std::string user = world.SetUserDirectory();
        const std::string target = diction + "\\qvUR.vt";
        const std::string demo(4321, 'd');
        if (!WriteFileBytes(user + "\\qvUR.vt", demo)) Fail("cannot write the saved demo dictionary");
        const std::string setup = Quote(In("SetupUR.exe")) + " -d -8";
        DWORD code = 0;
        Print("restore", Repeat(runs,
                                [&] {
                                    if (!WriteFileBytes(target, dictionary)) Fail("cannot write " + target);
                                    SetProfile("Report", "", nullptr);
                                },
                                [&] { code = RunProgram(setup); },
                                [&](int) {
                                    if (code != 0) Fail("SetupUR.exe -d -8 ended with " + std::to_string(code));
                                    if (Profile("Report", "UR") != "2" || ReadFileBytes(target) != demo)
                                        Fail("SetupUR.exe -d -8 did not restore the demo dictionary");
                                }));
    }

    // One RefreshDictionaryRows pass over the six visible rows (twelve file
    // look-ups) in a main dialog made by the setup program's own code, and
    // the floor: the same twelve look-ups alone.
    void Refresh(World& world) {
        const std::string diction = world.AddWord8();
        // Half the pairs installed, so that rows of both kinds are drawn.
        for (const char* code : {"EU", "UE", "RE", "GU", "UG", "EG"})
            WriteFileOfSize(diction + "\\qv" + code + ".vt", 100000 + 1000 * code[0]);
        qv::SetupState& state = qv::g_state;
        state.instance = GetModuleHandleW(nullptr);
        state.uiLanguage = 'E';
        state.word8DictDir = diction;
        HWND dialog = CreateDialogParamW(state.instance, MAKEINTRESOURCEW(IDD_MAIN), nullptr,
                                         qv::MainDialogProc, 0);
        if (!dialog) Fail("cannot create the main dialog");
        ShowWindow(dialog, SW_SHOW);
        const auto pump = [] {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        };
        pump();

        const int passes = std::max(runs * 5, 25);
        const auto noCheck = [](int) {};
        Print("refresh_rows", Repeat(passes, pump, [&] { qv::RefreshDictionaryRows(dialog, 0); }, noCheck, 5));

        char own[MAX_PATH];
        GetModuleFileNameA(nullptr, own, MAX_PATH);
        const std::string ownDirectory = qv::DirectoryOfFile(own);
        std::vector<std::string> paths;
        for (int row = 0; row < qv::kRowCount; ++row) {
            const std::string_view code = qv::PairTable[row].code;
            paths.push_back(qv::PairDictionaryPath(diction, code));
            paths.push_back(qv::SetupProgramLookupPath(ownDirectory, code));
        }
        int found = 0;
        Print("twelve_lookups", Repeat(passes, [&] { found = 0; },
                                       [&] {
                                           for (const std::string& path : paths) {
                                               WIN32_FIND_DATAA entry;
                                               HANDLE find = FindFirstFileA(path.c_str(), &entry);
                                               if (find != INVALID_HANDLE_VALUE) {
                                                   ++found;
                                                   FindClose(find);
                                               }
                                           }
                                       },
                                       [&](int) {
                                           // Six setup programs and three dictionaries of rows 0-5.
                                           if (found != 9) Fail("the look-ups found " + std::to_string(found) + " files, not 9");
                                       },
                                       5));
        DestroyWindow(dialog);
        pump();
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: qv_bench WORK_DIR RUNS\n");
        return 2;
    }
    Bench bench;
    bench.work = argv[1];
    bench.runs = std::max(1, std::atoi(argv[2]));
    bench.dictionary = ReadFileBytes(bench.In("qvUR.vt"));
    if (bench.dictionary.empty()) Fail("no " + bench.In("qvUR.vt"));

    bench.EmptyStart();
    bench.GuiStart();
    bench.Unpack();
    {
        World world;
        bench.ChainedInstall(world);
    }
    {
        World world;
        bench.ChainedRestore(world);
    }
    {
        World world;
        bench.Refresh(world);
    }
    return 0;
}
