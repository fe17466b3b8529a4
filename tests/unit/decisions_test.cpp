#include "driver/decisions.h"

#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(HasOption, FindsTheTwoCharactersAnywhereCaseSensitive) {
    EXPECT_TRUE(HasOption(" -i -8", "-i"));
    EXPECT_TRUE(HasOption("-8-i", "-i"));               // no separation needed
    EXPECT_TRUE(HasOption("dir\\x -i -7", "-7"));        // a path in front does not hide it
    EXPECT_FALSE(HasOption(" -I -8", "-i"));
    EXPECT_FALSE(HasOption("", "-i"));
    EXPECT_FALSE(HasOption("-", "-i"));
}

TEST(ArgumentsOf, DropsTheProgramNameAndTheBlanksAfterIt) {
    struct Case {
        const char* line;
        const char* arguments;
    } cases[] = {
        {"SetupUR.exe", ""},
        {"SetupUR.exe -i -8", "-i -8"},
        {"SetupUR.exe  \t -i", "-i"},
        {"\"D:\\my dir\\SetupUR.exe\" -i -8", "-i -8"},
        {"\"D:\\my dir\\SetupUR.exe\"", ""},
        {"\"D:\\my dir\\SetupUR.exe\"   ", ""},
        {"\"D:\\unterminated -i", ""},                 // the name runs to the end
        {"D:\\SetupUR.exe -d -0 ", "-d -0 "},          // trailing blanks are arguments
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ArgumentsOf(c.line), c.arguments) << c.line;
}

TEST(DecideOwnPairAction, FollowsTheSizeClassesAndTheSelection) {
    struct Case {
        std::int32_t size;
        bool selected;
        OwnPairAction action;
    } cases[] = {
        {-1, true, OwnPairAction::InstallNew},
        {-1, false, OwnPairAction::InstallNew},
        {0, true, OwnPairAction::InstallNew},
        {std::numeric_limits<std::int32_t>::min(), false, OwnPairAction::InstallNew},
        {1, true, OwnPairAction::ReplaceDemo},
        {99999, true, OwnPairAction::ReplaceDemo},
        {99999, false, OwnPairAction::ReplaceDemo},
        {100000, true, OwnPairAction::Reinstall},
        {100000, false, OwnPairAction::RestoreDemo},
        {836463, true, OwnPairAction::Reinstall},
        {836463, false, OwnPairAction::RestoreDemo},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecideOwnPairAction(c.size, c.selected), c.action)
            << "size " << c.size << " selected " << c.selected;
}

TEST(ChooseDictionaryDirectory, TakesTheLastNonEmptyOfWord7Word8Standalone) {
    EXPECT_EQ(ChooseDictionaryDirectory("w7", "w8", "sa"), "sa");
    EXPECT_EQ(ChooseDictionaryDirectory("w7", "w8", ""), "w8");
    EXPECT_EQ(ChooseDictionaryDirectory("w7", "", "sa"), "sa");
    EXPECT_EQ(ChooseDictionaryDirectory("w7", "", ""), "w7");
    EXPECT_EQ(ChooseDictionaryDirectory("", "w8", ""), "w8");
    EXPECT_EQ(ChooseDictionaryDirectory("", "", ""), "");
}

TEST(ReadDecimal, ReadsLikeAtol) {
    struct Case {
        const char* text;
        long value;
    } cases[] = {
        {"1", 1},        {"6", 6},         {"  3", 3},     {"\t4", 4},
        {"+2", 2},       {"-1", -1},       {"3abc", 3},    {"12x5", 12},
        {"", 0},         {"abc", 0},       {"-", 0},       {"+-1", 0},
        {"- 1", 0},      {"0007", 7},      {"7", 7},       {" \r\n5", 5},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadDecimal(c.text), c.value) << '"' << c.text << '"';
}

TEST(ReadDecimal, HoldsLongDigitRunsAtTheEndsOfThe32BitRange) {
    constexpr long kMax = std::numeric_limits<std::int32_t>::max();
    constexpr long kMin = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(ReadDecimal("2147483647"), kMax);
    EXPECT_EQ(ReadDecimal("2147483648"), kMax);
    EXPECT_EQ(ReadDecimal("-2147483648"), kMin);
    EXPECT_EQ(ReadDecimal("-2147483649"), kMin);
    EXPECT_EQ(ReadDecimal("9999999999999999999999999999999"), kMax);
    EXPECT_EQ(ReadDecimal("-9999999999999999999999999999999"), kMin);
}

TEST(SizeFromParts, IsLowLessHighWrappedToSigned32Bits) {
    EXPECT_EQ(SizeFromParts(836463, 0), 836463);
    EXPECT_EQ(SizeFromParts(0, 0), 0);
    EXPECT_EQ(SizeFromParts(100, 1), 99);
    EXPECT_EQ(SizeFromParts(0x7FFFFFFFu, 0), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(SizeFromParts(0x80000000u, 0), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(SizeFromParts(0xFFFFFFFFu, 0), -1);
    EXPECT_EQ(SizeFromParts(0, 1), -1);             // exactly 4 GB
    EXPECT_EQ(SizeFromParts(5, 0xFFFFFFFFu), 6);    // wraps around
}

}  // namespace
}  // namespace qv
