#include "driver/pairs.h"

namespace qv {

const DictionaryPair PairTable[kPairCount + 1] = {
    {"EU"}, {"ER"}, {"UE"}, {"UR"}, {"RE"}, {"RU"},
    {"GU"}, {"GR"}, {"UG"}, {"RG"}, {"EG"}, {"GE"},
    {""},
};

const int RowCheckBoxes[kRowCount + 2] = {1022, 1023, 1025, 1026, 1027, 1028, 0, 0};
const int RowReleaseLabels[kRowCount + 2] = {1040, 1041, 1042, 1043, 1044, 1053, 0, 0};
const int RowCommentLabels[kRowCount + 2] = {1045, 1046, 1047, 1048, 1049, 1055, 0, 0};

namespace {

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i])) return false;
    return true;
}

std::string Concat(std::initializer_list<std::string_view> parts) {
    size_t size = 0;
    for (auto p : parts) size += p.size();
    std::string out;
    out.reserve(size);
    for (auto p : parts) out.append(p);
    return out;
}

}  // namespace

int FindPairIndex(std::string_view code) {
    for (int i = 0; PairTable[i].code[0] != '\0'; ++i)
        if (EqualIgnoringCase(code, PairTable[i].code)) return i;
    return -1;
}

std::string_view PairCodeOfCarriedName(std::string_view carriedName) {
    return carriedName.size() >= 4 ? carriedName.substr(2, 2) : std::string_view{};
}

int OwnPairIndex(std::string_view carriedName) {
    return FindPairIndex(PairCodeOfCarriedName(carriedName));
}

int RowOfCheckBox(int controlId) {
    for (int r = 0; RowCheckBoxes[r] != 0; ++r)
        if (RowCheckBoxes[r] == controlId) return r;
    return -1;
}

std::string JoinPath(std::string_view directory, std::string_view name) {
    return Concat({directory, "\\", name});
}

std::string PairDictionaryPath(std::string_view directory, std::string_view code) {
    return Concat({directory, "\\", "qv", code, ".vt"});
}

std::string SetupProgramPath(std::string_view ownDirectory, std::string_view code) {
    return Concat({ownDirectory, "Setup", code, ".exe"});
}

std::string SetupProgramLookupPath(std::string_view ownDirectory, std::string_view code) {
    return Concat({ownDirectory, "setup", code, ".exe"});
}

std::string TempPackagePifPath(std::string_view tempDirectory) {
    return Concat({tempDirectory, "\\qv_temp.pif"});
}

std::string TempPackageExePath(std::string_view tempDirectory) {
    return Concat({tempDirectory, "\\qv_temp.exe"});
}

std::string UnpackedDictionaryPath(std::string_view tempDirectory, std::string_view code) {
    return Concat({tempDirectory, "\\qv", code, ".vt"});
}

std::string DirectoryOfFile(std::string_view fullFileName) {
    size_t slash = fullFileName.rfind('\\');
    if (slash == std::string_view::npos) return {};
    return std::string(fullFileName.substr(0, slash + 1));
}

}  // namespace qv
