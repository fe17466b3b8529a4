#include "driver/run_setup.h"

#include "driver/decisions.h"
#include "driver/file_probe.h"
#include "driver/setup_state.h"
#include "driver/show_message.h"
#include "environment/discovery.h"
#include "environment/settings.h"
#include "install/extract.h"
#include "install/replace_file.h"
#include "install/siblings.h"
#include "resources/resource_ids.h"
#include "ui/catalogue.h"
#include "ui/main_dialog.h"
#include "ui/progress_dialog.h"
#include "ui/report_dialog.h"

namespace qv {
namespace {

std::string LoadCarriedName(HINSTANCE instance) {
    char buffer[64];
    int length = LoadStringA(instance, IDS_CARRIED_NAME, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

// Installs the carried dictionary, saving a demo dictionary first. Whatever
// fails leaves its code in [Report] and the installed file as it was.
void InstallOwnPair(SetupState& state, OwnPairAction action) {
    const std::string_view code = state.OwnPairCode();
    if (action == OwnPairAction::ReplaceDemo && IsDemoSize(ProbeFileSize(state.targetFile))) {
        // Without its saved copy the demo dictionary could never come back:
        // it is not replaced unless the copy is there.
        if (!ReplaceFileWithCopy(state.targetFile, JoinPath(state.userDir, state.carriedName))) {
            WriteReportCode(code, '4');
            return;
        }
    }
    if (!ExtractDictionary(state.targetFile, state.ownPairIndex)) return;
    if (action == OwnPairAction::InstallNew || action == OwnPairAction::ReplaceDemo)
        WriteReportResult();
    WriteReportCode(code, '1');
}

// Puts the saved demo dictionary back over a big one: "2" once the target is
// a complete copy of it, else "3" with the big dictionary left in place.
void RestoreDemo(SetupState& state) {
    const std::string saved = JoinPath(state.userDir, state.carriedName);
    const bool restored =
        IsDemoSize(ProbeFileSize(saved)) && ReplaceFileWithCopy(saved, state.targetFile);
    WriteReportCode(state.OwnPairCode(), restored ? '2' : '3');
}

}  // namespace

int RunSetup(HINSTANCE instance, std::string_view commandLine) {
    SetupState& state = g_state;
    state.instance = instance;
    state.carriedName = LoadCarriedName(instance);
    state.uiLanguage = UiLanguageFromSetting(ReadDialogLanguage());
    state.commandLine = std::string(commandLine);

    DiscoverHost();
    if (!AnyHostFound()) {
        ShowMessage(FormatMessageText(MessageKind::InstallProductFirst, state.uiLanguage),
                    MB_ICONSTOP | MB_OK);
        return 0;
    }

    // A dialog that could not be created chose nothing: nothing is done.
    if (state.Interactive() && RunMainDialog() != IDOK) return 0;

    state.ownPairIndex = OwnPairIndex(state.carriedName);
    if (state.ownPairIndex < 0) return 0;

    if (state.Interactive())
        ClearReport();
    else
        state.selected[state.ownPairIndex] = HasOption(state.commandLine, "-i") ? 1 : 0;

    const std::string_view directory = ChooseDictionaryDirectory(
        state.word7DictDir, state.word8DictDir, state.standaloneDictDir);
    state.targetFile = JoinPath(directory, state.carriedName);
    const bool ownSelected = state.selected[state.ownPairIndex] != 0;
    const OwnPairAction action = DecideOwnPairAction(ProbeFileSize(state.targetFile), ownSelected);

    state.stopRequested = 0;
    if (ownSelected) {
        RunProgressDialog();
        if (state.stopRequested) return 0;
        InstallOwnPair(state, action);
    } else if (action == OwnPairAction::RestoreDemo) {
        RestoreDemo(state);
    }

    if (state.Interactive()) RunSiblingSetups();

    const long result = ReadReportResult();
    if (!state.Interactive()) return static_cast<int>(result);
    DeleteReportResult();
    return static_cast<int>(RunReportDialog());
}

}  // namespace qv
