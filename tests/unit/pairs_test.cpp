#include "driver/pairs.h"

#include <string>

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(PairTable, HoldsTheTwelveCodesInOrderThenAnEmptyEntry) {
    const char* expected[kPairCount] = {"EU", "ER", "UE", "UR", "RE", "RU",
                                        "GU", "GR", "UG", "RG", "EG", "GE"};
    for (int i = 0; i < kPairCount; ++i) {
        EXPECT_STREQ(PairTable[i].code, expected[i]) << "index " << i;
        EXPECT_EQ(FindPairIndex(expected[i]), i);
    }
    EXPECT_STREQ(PairTable[kPairCount].code, "");
}

TEST(PairTable, LookupIgnoresCaseAndRejectsOtherCodes) {
    EXPECT_EQ(FindPairIndex("ur"), 3);
    EXPECT_EQ(FindPairIndex("gE"), 11);
    EXPECT_EQ(FindPairIndex("EE"), -1);
    EXPECT_EQ(FindPairIndex(""), -1);   // the end entry is not a pair
    EXPECT_EQ(FindPairIndex("E"), -1);
    EXPECT_EQ(FindPairIndex("EUR"), -1);
}

TEST(OwnPair, TakesCharactersThreeAndFourOfTheCarriedName) {
    EXPECT_EQ(PairCodeOfCarriedName("qvUR.vt"), "UR");
    EXPECT_EQ(OwnPairIndex("qvUR.vt"), 3);
    EXPECT_EQ(OwnPairIndex("qvur.vt"), 3);
    EXPECT_EQ(OwnPairIndex("qvGE.vt"), 11);
    EXPECT_EQ(PairCodeOfCarriedName("qvU"), "");
    EXPECT_EQ(OwnPairIndex("qvU"), -1);
    EXPECT_EQ(OwnPairIndex("qvXX.vt"), -1);
}

TEST(RowControls, CheckBoxesMapToTheirRowsAndTheListsEndInZeros) {
    const int boxes[kRowCount] = {1022, 1023, 1025, 1026, 1027, 1028};
    for (int r = 0; r < kRowCount; ++r) EXPECT_EQ(RowOfCheckBox(boxes[r]), r);
    EXPECT_EQ(RowOfCheckBox(1024), -1);   // the gap in the numbering
    EXPECT_EQ(RowOfCheckBox(1040), -1);   // a release label, not a box
    EXPECT_EQ(RowOfCheckBox(0), -1);      // the end marker is no control

    const int releases[kRowCount] = {1040, 1041, 1042, 1043, 1044, 1053};
    const int comments[kRowCount] = {1045, 1046, 1047, 1048, 1049, 1055};
    for (int r = 0; r < kRowCount; ++r) {
        EXPECT_EQ(RowReleaseLabels[r], releases[r]);
        EXPECT_EQ(RowCommentLabels[r], comments[r]);
    }
    for (const int* list : {RowCheckBoxes, RowReleaseLabels, RowCommentLabels}) {
        EXPECT_EQ(list[kRowCount], 0);
        EXPECT_EQ(list[kRowCount + 1], 0);
    }
}

TEST(RowControls, RowsShowSixExistingPairsWhereverTheyStart) {
    EXPECT_STREQ(PairTable[PairOfRow(0, 0)].code, "EU");
    EXPECT_STREQ(PairTable[PairOfRow(kLastFirstRow, kRowCount - 1)].code, "GE");
    EXPECT_EQ(PairOfRow(kLastFirstRow, kRowCount - 1), kPairCount - 1);
}

TEST(FileNames, AreBuiltFromDirectoryAndPairCode) {
    struct Case {
        std::string actual;
        const char* expected;
    } cases[] = {
        {JoinPath("C:\\QV\\diction", "qvUR.vt"), "C:\\QV\\diction\\qvUR.vt"},
        {PairDictionaryPath("C:\\QV\\diction", "GE"), "C:\\QV\\diction\\qvGE.vt"},
        // The backslash is added even after one that is already there.
        {PairDictionaryPath("C:\\QV\\diction\\", "GE"), "C:\\QV\\diction\\\\qvGE.vt"},
        {SetupProgramPath("D:\\", "EU"), "D:\\SetupEU.exe"},
        {SetupProgramLookupPath("D:\\", "GE"), "D:\\setupGE.exe"},
        {TempPackagePifPath("C:\\WINDOWS\\temp"), "C:\\WINDOWS\\temp\\qv_temp.pif"},
        {TempPackageExePath("C:\\WINDOWS\\temp"), "C:\\WINDOWS\\temp\\qv_temp.exe"},
        {UnpackedDictionaryPath("C:\\WINDOWS\\temp", "UR"), "C:\\WINDOWS\\temp\\qvUR.vt"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected);
}

TEST(FileNames, LongDirectoriesAreKeptWhole) {
    std::string directory = "C:\\" + std::string(300, 'd');
    std::string path = PairDictionaryPath(directory, "UR");
    EXPECT_EQ(path, directory + "\\qvUR.vt");
    EXPECT_EQ(SetupProgramPath(directory + "\\", "EU"), directory + "\\SetupEU.exe");
}

TEST(FileNames, OwnDirectoryIsCutAfterTheLastBackslash) {
    EXPECT_EQ(DirectoryOfFile("D:\\my dir\\SetupUR.exe"), "D:\\my dir\\");
    EXPECT_EQ(DirectoryOfFile("D:\\SetupUR.exe"), "D:\\");
    EXPECT_EQ(DirectoryOfFile("SetupUR.exe"), "");
    EXPECT_EQ(DirectoryOfFile(""), "");
}

}  // namespace
}  // namespace qv
