#include "environment/discovery_rules.h"

#include <string>

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(HostSearch, CommandLineChoosesTheHostsLookedUp) {
    struct Case {
        const char* commandLine;
        bool word7;
        bool word8;
    } cases[] = {
        {"", true, true},          // an interactive run looks everywhere
        {"-i -8", false, true},
        {"-i -7", true, false},
        {"-d -0", false, false},
        {"-i -7 -0", true, false},
        {"-i -7 -8", true, true},
        {"-i", false, false},      // chained without a host option
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SearchesWord7(c.commandLine), c.word7) << c.commandLine;
        EXPECT_EQ(SearchesWord8(c.commandLine), c.word8) << c.commandLine;
    }
}

TEST(HostSearch, StandaloneOnRequestOrWhenNoWordHostWasFound) {
    EXPECT_FALSE(SearchesStandalone("", true));
    EXPECT_TRUE(SearchesStandalone("", false));
    EXPECT_TRUE(SearchesStandalone("-d -0", true));
    EXPECT_TRUE(SearchesStandalone("-i -7 -0", true));
    EXPECT_FALSE(SearchesStandalone("-i -7", true));
    EXPECT_TRUE(SearchesStandalone("-i -7", false));
}

TEST(ConfigFile, FromWordStartupPathAddsABackslashOnlyWhenMissing) {
    EXPECT_EQ(ConfigFileFromStartupPath("C:\\MSOFFICE\\WINWORD\\STARTUP"),
              "C:\\MSOFFICE\\WINWORD\\STARTUP\\QV.CFG");
    EXPECT_EQ(ConfigFileFromStartupPath("C:\\MSOFFICE\\WINWORD\\STARTUP\\"),
              "C:\\MSOFFICE\\WINWORD\\STARTUP\\QV.CFG");
    EXPECT_EQ(ConfigFileFromStartupPath(""), "\\QV.CFG");
}

TEST(ConfigFile, FromFallbackAlwaysAppendsBackslashAndName) {
    EXPECT_EQ(ConfigFileFromFallback("C:\\QV\\STARTUP"), "C:\\QV\\STARTUP\\QV.CFG");
    EXPECT_EQ(ConfigFileFromFallback("C:\\QV\\STARTUP\\"), "C:\\QV\\STARTUP\\\\QV.CFG");
}

TEST(ConfigFile, LongValuesAreKeptWhole) {
    std::string value = "C:\\" + std::string(kMaxPathValue, 'x');
    EXPECT_EQ(ConfigFileFromStartupPath(value), value + "\\QV.CFG");
    EXPECT_EQ(ConfigFileFromFallback(value), value + "\\QV.CFG");
}

TEST(StandaloneDirectory, IsDictionBesideTheProgramDirectory) {
    struct Case {
        const char* win;
        const char* directory;
    } cases[] = {
        {"C:\\QV\\WIN", "C:\\QV\\diction"},
        {"C:\\QV\\WIN\\", "C:\\QV\\diction"},
        {"C:\\QV\\WIN\\\\", "C:\\QV\\WIN\\diction"},   // only one backslash goes
        {"WIN", "WIN"},
        {"WIN\\", "WIN"},
        {"\\", ""},
        {"\\WIN", "\\diction"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(StandaloneDictionaryDirectory(c.win), c.directory) << c.win;
}

}  // namespace
}  // namespace qv
