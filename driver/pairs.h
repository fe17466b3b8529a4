// The twelve language pairs of the family, the pair this program carries,
// the rows of the main dialog and the file names built from pair codes.
// Platform-free: used by the Win32 layer and by the native unit tests.
#pragma once

#include <string>
#include <string_view>

namespace qv {

// Two upper-case letters, source language first: E, U, R or G.
struct DictionaryPair {
    char code[3];
};

inline constexpr int kPairCount = 12;

// Twelve codes in their fixed order, then an empty entry that ends the table.
extern const DictionaryPair PairTable[kPairCount + 1];

// Index of a pair code in PairTable, ignoring case; -1 when it is not there.
int FindPairIndex(std::string_view code);

// The pair code of a carried dictionary name such as "qvUR.vt": its third and
// fourth characters. Empty when the name is too short.
std::string_view PairCodeOfCarriedName(std::string_view carriedName);

// Index of the carried pair in PairTable, or -1.
int OwnPairIndex(std::string_view carriedName);

// The main dialog's six rows: check box, release label and comment label ids,
// each list in row order and ended by two zero entries.
inline constexpr int kRowCount = 6;
inline constexpr int kLastFirstRow = kPairCount - kRowCount;  // 6
extern const int RowCheckBoxes[kRowCount + 2];
extern const int RowReleaseLabels[kRowCount + 2];
extern const int RowCommentLabels[kRowCount + 2];

// Row index (0..5) of a row check box id, or -1.
int RowOfCheckBox(int controlId);

// PairTable index shown by row `row` when the first row shows `firstVisibleRow`.
constexpr int PairOfRow(int firstVisibleRow, int row) { return firstVisibleRow + row; }

// File names. Directories are taken whole, however long.
std::string JoinPath(std::string_view directory, std::string_view name);         // "%s\%s"
std::string PairDictionaryPath(std::string_view directory, std::string_view code);  // "%s\" then "%sqv%s.vt"
std::string SetupProgramPath(std::string_view ownDirectory, std::string_view code);        // "%sSetup%s.exe"
std::string SetupProgramLookupPath(std::string_view ownDirectory, std::string_view code);  // "%ssetup%s.exe"
std::string TempPackagePifPath(std::string_view tempDirectory);   // "%s\qv_temp.pif"
std::string TempPackageExePath(std::string_view tempDirectory);   // "%s\qv_temp.exe"
std::string UnpackedDictionaryPath(std::string_view tempDirectory, std::string_view code);  // "%s\qvXX.vt"

// The directory of a full file name, cut after its last backslash (the
// backslash is kept). Empty when there is none.
std::string DirectoryOfFile(std::string_view fullFileName);

}  // namespace qv
