// An interactive run staged in a folder of its own, with a blank in its name:
// a copy of the real setup program beside stand-in siblings (the recorder,
// sibling_recorder.cpp) that log how they were started and write the
// [Report] value they are told to. The test program's arguments are the
// directory of the real setup programs and the recorder program.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "test_support.h"
#include "world.h"

namespace chain {

inline const std::string kFolder = "C:\\qv sib test";

// The main dialog's check box of the own pair (UR, pair 3, row 3).
inline constexpr int kOwnRowCheck = 1026;

std::wstring MainTitle(char language);
std::wstring ReportTitle(char language);

// One line of the recorders' log.
struct Start {
    std::string code;
    std::string commandLine;
    unsigned flags = 0;
    unsigned show = 0;
    std::string position;  // "x,y"
};

class Stage {
public:
    // Starts from nothing: the folder emptied, the settings file holding the
    // language, the stand-alone host and the user directory; no Word keys.
    // Leaves nothing behind.
    explicit Stage(char language);
    ~Stage();
    Stage(const Stage&) = delete;
    Stage& operator=(const Stage&) = delete;

    const std::string& StandaloneDir() const { return standaloneDir_; }
    const std::string& UserDir() const { return userDir_; }

    std::string Path(const std::string& name) const { return kFolder + "\\" + name; }

    // A copy of the real program of `pair` ("UR") under `name`.
    void PlaceSetup(const std::string& name = "SetupUR.exe", const std::string& pair = "UR");
    // The recorder as "Setup<code>.exe", padded to a setup program's size so
    // that the main dialog offers its pair. `reportValue` nullptr: it writes
    // no [Report] key.
    void PlaceRecorder(const std::string& code, const char* reportValue = "1");
    // A file that is no program, as "Setup<code>.exe".
    void PlaceBrokenProgram(const std::string& code);
    // Milliseconds each recorder spends between its log lines.
    void SetRecorderDelay(unsigned ms);

    // A Word host (7 or 8) found through its STARTUP-PATH and "QV.CFG".
    void AddWordHost(int version);

    // The recorders' starts, in order.
    std::vector<Start> Starts() const;
    // Every log line as "begin XX" or "end XX", in order.
    std::vector<std::string> Events() const;

private:
    void WriteRecorderConfig() const;

    testing_support::World world_;
    std::string standaloneDir_;
    std::string userDir_;
    std::string options_;
    std::string reports_;
};

// Presses the check box `id` when its state differs from `checked`.
void SetCheck(HWND dialog, int id, bool checked);

// The own pair unchecked: the run does nothing for it.
void UncheckOwnPair(HWND main);

// Waits for the main dialog of `setup`, lets `choose` set it, presses
// "&Setup", then waits for the report (the siblings run meanwhile).
HWND RunToReport(const testing_support::Child& setup, char language,
                 const std::function<void(HWND)>& choose = UncheckOwnPair);

}  // namespace chain
