#include "ui/row_status.h"

#include <cstdint>
#include <string>

#include "driver/decisions.h"
#include "driver/handles.h"
#include "driver/own_program.h"
#include "driver/pairs.h"
#include "driver/setup_state.h"
#include "resources/resource_ids.h"
#include "ui/catalogue.h"
#include "ui/dialog_font.h"
#include "ui/row_state.h"
#include "ui/win_text.h"

namespace qv {

namespace {

struct FoundFile {
    std::int32_t size = 0;   // 0 when there is no such file
    std::string release;     // "MM.YYYY" of the local last-write time; empty when absent
};

// Size and release of the first directory entry matching `path`. A lookup
// that fails for any reason counts as a missing file.
FoundFile LookUpFile(const std::string& path) {
    FoundFile found;
    WIN32_FIND_DATAA entry;
    UniqueFind find(FindFirstFileA(path.c_str(), &entry));
    if (!find) return found;
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        found.size = SizeFromParts(entry.nFileSizeLow, entry.nFileSizeHigh);

    FILETIME local;
    SYSTEMTIME calendar;
    if (FileTimeToLocalFileTime(&entry.ftLastWriteTime, &local) &&
        FileTimeToSystemTime(&local, &calendar))
        found.release = ReleaseLabel(calendar.wMonth, calendar.wYear);
    return found;
}

// The dictionary directory of the host chosen with the dialog's host buttons.
const std::string& ChosenDirectory(HWND dialog) {
    if (IsDlgButtonChecked(dialog, IDC_MAIN_OFFICE97) == BST_CHECKED) return g_state.word8DictDir;
    if (IsDlgButtonChecked(dialog, IDC_MAIN_OFFICE95) == BST_CHECKED) return g_state.word7DictDir;
    return g_state.standaloneDictDir;
}

}  // namespace

void RefreshDictionaryRows(HWND dialog, int mode) {
    const bool initial = mode == -1;
    const int firstPair = initial ? 0 : mode;
    if (firstPair < 0 || firstPair > kPairCount) return;

    const std::string directory = ChosenDirectory(dialog);
    const std::string ownDirectory = OwnDirectory();
    const UiLanguage language = g_state.uiLanguage;

    for (int row = 0; row < kRowCount; ++row) {
        const int pair = PairOfRow(firstPair, row);
        const std::string_view code = PairTable[pair].code;
        if (code.empty()) break;

        SetItemText1251(dialog, RowCheckBoxes[row], FormatPairName(code, 0, language));

        const FoundFile installed = LookUpFile(PairDictionaryPath(directory, code));
        const FoundFile setup = LookUpFile(SetupProgramLookupPath(ownDirectory, code));
        RowFiles files;
        files.installedSize = installed.size;
        files.installedRelease = installed.release;
        files.setupSize = setup.size;
        files.setupRelease = setup.release;

        unsigned char& flag = g_state.selected[static_cast<size_t>(pair)];
        const RowView view = DecideRow(files, flag != 0, initial, language);
        flag = view.selected ? 1 : 0;

        const int checkBox = RowCheckBoxes[row];
        EnableWindow(GetDlgItem(dialog, checkBox), view.available ? TRUE : FALSE);
        SendDlgItemMessageW(dialog, checkBox, BM_SETCHECK, view.selected ? BST_CHECKED : BST_UNCHECKED,
                            0);
        SetItemTextWithFont(dialog, RowReleaseLabels[row], view.release, false);
        SetItemTextWithFont(dialog, RowCommentLabels[row], view.comment, false);
    }
}

}  // namespace qv
