#include "install/sibling_command.h"

#include <gtest/gtest.h>

#include "driver/decisions.h"

namespace qv {
namespace {

TEST(HostOption, PrefersWord7ThenWord8ThenStandalone) {
    EXPECT_EQ(HostOption("C:\\w7", "C:\\w8"), " -7");
    EXPECT_EQ(HostOption("C:\\w7", ""), " -7");
    EXPECT_EQ(HostOption("", "C:\\w8"), " -8");
    EXPECT_EQ(HostOption("", ""), " -0");
}

TEST(SiblingCommandLine, QuotesTheProgramThenSelectionThenHost) {
    EXPECT_EQ(SiblingCommandLine("D:\\my dir\\SetupEU.exe", true, "", "C:\\w8"),
              "\"D:\\my dir\\SetupEU.exe\" -i -8");
    EXPECT_EQ(SiblingCommandLine("D:\\SetupGE.exe", false, "C:\\w7", ""),
              "\"D:\\SetupGE.exe\" -d -7");
    EXPECT_EQ(SiblingCommandLine("D:\\SetupRU.exe", false, "", ""),
              "\"D:\\SetupRU.exe\" -d -0");
}

// The sibling reads its options from what follows its own name, so a blank
// in the directory must not make part of the path look like an argument.
TEST(SiblingCommandLine, SiblingSeesOnlyItsOptionsWhenTheDirectoryHasBlanks) {
    std::string line = SiblingCommandLine("D:\\my -dir -0\\SetupEU.exe", true, "", "C:\\w8");
    std::string_view arguments = ArgumentsOf(line);
    EXPECT_EQ(arguments, "-i -8");
    EXPECT_FALSE(HasOption(arguments, "-d"));
    EXPECT_FALSE(HasOption(arguments, "-0"));
}

}  // namespace
}  // namespace qv
