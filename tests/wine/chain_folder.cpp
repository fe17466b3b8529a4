#include "chain_folder.h"

#include <gtest/gtest.h>

#include "gui_driver.h"

using namespace testing_support;

namespace chain {

namespace {

// Bigger than any demo dictionary: the main dialog offers a pair whose setup
// program has this size even when no dictionary of it is installed.
constexpr size_t kSetupProgramSize = 150000;

std::vector<std::vector<std::string>> LogRecords() {
    std::vector<std::vector<std::string>> records;
    const std::string log = ReadFileBytes(kFolder + "\\siblings.log");
    size_t start = 0;
    while (start < log.size()) {
        size_t end = log.find("\r\n", start);
        if (end == std::string::npos) end = log.size();
        std::vector<std::string> fields;
        size_t field = start;
        for (;;) {
            size_t bar = log.find('|', field);
            if (bar == std::string::npos || bar > end) {
                fields.push_back(log.substr(field, end - field));
                break;
            }
            fields.push_back(log.substr(field, bar - field));
            field = bar + 1;
        }
        records.push_back(fields);
        start = end + 2;
    }
    return records;
}

}  // namespace

std::wstring MainTitle(char language) {
    if (language == 'U') return gui::W("Установка словників");
    if (language == 'R') return gui::W("Установка словарей");
    return L"Dictionaries Setup";
}

std::wstring ReportTitle(char language) {
    if (language == 'U') return gui::W("Звіт");
    if (language == 'R') return gui::W("Отчет");
    return L"Final Report";
}

Stage::Stage(char language) {
    RemoveTree(kFolder);
    EXPECT_TRUE(MakeDirectories(kFolder));
    const char languageSetting[] = {language, '\0'};
    world_.SetLanguage(languageSetting);
    standaloneDir_ = world_.AddStandalone();
    userDir_ = world_.SetUserDirectory();
    WriteRecorderConfig();
}

Stage::~Stage() { RemoveTree(kFolder); }

void Stage::PlaceSetup(const std::string& name, const std::string& pair) {
    const std::string program = ReadFileBytes(Arg(0) + "\\Setup" + pair + ".exe");
    ASSERT_FALSE(program.empty()) << "no setup program for " << pair << " in " << Arg(0);
    ASSERT_TRUE(WriteFileBytes(Path(name), program));
}

void Stage::PlaceRecorder(const std::string& code, const char* reportValue) {
    std::string program = ReadFileBytes(Arg(1));
    ASSERT_FALSE(program.empty()) << "no recorder at " << Arg(1);
    // Bytes after the image are not loaded: the program runs as it is.
    if (program.size() < kSetupProgramSize) program.resize(kSetupProgramSize, '\0');
    ASSERT_TRUE(WriteFileBytes(Path("Setup" + code + ".exe"), program));
    if (reportValue != nullptr) {
        reports_ += code + "=" + reportValue + "\r\n";
        WriteRecorderConfig();
    }
}

void Stage::PlaceBrokenProgram(const std::string& code) {
    std::string bytes;
    for (size_t i = 0; i < kSetupProgramSize; ++i) bytes += static_cast<char>('a' + i % 23);
    ASSERT_TRUE(WriteFileBytes(Path("Setup" + code + ".exe"), bytes));
}

void Stage::SetRecorderDelay(unsigned ms) {
    options_ = "Delay=" + std::to_string(ms) + "\r\n";
    WriteRecorderConfig();
}

void Stage::WriteRecorderConfig() const {
    // Written whole, past any profile cache.
    WriteFileBytes(Path("recorder.ini"), "[Options]\r\n" + options_ + "[Report]\r\n" + reports_);
}

void Stage::AddWordHost(int version) {
    if (version == 7)
        world_.AddWord7();
    else
        world_.AddWord8();
}

std::vector<Start> Stage::Starts() const {
    std::vector<Start> starts;
    for (const auto& fields : LogRecords()) {
        if (fields.size() != 6 || fields[0] != "begin") continue;
        Start start;
        start.code = fields[1];
        start.commandLine = fields[2];
        start.flags = static_cast<unsigned>(std::stoul(fields[3]));
        start.show = static_cast<unsigned>(std::stoul(fields[4]));
        start.position = fields[5];
        starts.push_back(start);
    }
    return starts;
}

std::vector<std::string> Stage::Events() const {
    std::vector<std::string> events;
    for (const auto& fields : LogRecords())
        if (fields.size() >= 2) events.push_back(fields[0] + " " + fields[1]);
    return events;
}

void SetCheck(HWND dialog, int id, bool checked) {
    if (gui::IsChecked(dialog, id) != checked) gui::Click(dialog, id);
    EXPECT_EQ(gui::IsChecked(dialog, id), checked) << "check box " << id;
}

void UncheckOwnPair(HWND main) { SetCheck(main, kOwnRowCheck, false); }

HWND RunToReport(const Child& setup, char language, const std::function<void(HWND)>& choose) {
    if (!setup.Started()) {
        ADD_FAILURE() << "the setup program did not start";
        return nullptr;
    }
    HWND main = gui::WaitForWindow(MainTitle(language), setup.Id());
    if (main == nullptr) {
        ADD_FAILURE() << "no main dialog";
        return nullptr;
    }
    choose(main);
    gui::Click(main, IDOK);
    HWND report = gui::WaitForWindow(ReportTitle(language), setup.Id(), 60000);
    if (report == nullptr) ADD_FAILURE() << "no report dialog";
    return report;
}

}  // namespace chain
