#include "ui/row_state.h"

#include <string>

#include <gtest/gtest.h>

#include "cp1251.h"

namespace qv {
namespace {

constexpr std::int32_t kBig = 836463;

RowFiles Files(std::int32_t installedSize, std::int32_t setupSize) {
    RowFiles files;
    files.installedSize = installedSize;
    files.installedRelease = installedSize > 0 ? "12.1998" : "";
    files.setupSize = setupSize;
    files.setupRelease = setupSize > 0 ? "03.1999" : "";
    return files;
}

// The English comment texts of the row states.
const char kNotPresent[] = "\nDictionary is not present";
const char kNewWillBeInstalled[] = "New dictionary will be installed";
const char kDemoInstalled[] = "Demo dictionary is installed";
const char kBigInstalled[] = "Big dictionary is installed";
const char kWillBeInstalled[] = "It will be installed";
const char kWillBeUninstalled[] = "It will be uninstalled";
const char kWillNotBeInstalled[] = "Dictionary will not be installed";

struct RowCase {
    const char* what;
    std::int32_t installed;
    std::int32_t setup;
    bool flag;
    bool initial;
    bool available;
    bool selected;
    const char* release;
    const char* comment;
};

TEST(DecideRow, FollowsTheRowStateTable) {
    const RowCase cases[] = {
        {"nothing at all", 0, 0, true, true, false, false, "", kNotPresent},
        {"new dictionary, initial", 0, 100001, false, true, true, true, "03.1999", kNewWillBeInstalled},
        {"new dictionary, unchecked", 0, 100001, false, false, true, false, "03.1999", kNewWillBeInstalled},
        {"new dictionary, checked", 0, kBig, true, false, true, true, "03.1999", kNewWillBeInstalled},
        {"demo, no setup", 99999, 0, true, true, false, false, "Demo", kDemoInstalled},
        {"demo, small setup, initial", 99999, 50, false, true, true, true, "03.1999", kWillBeInstalled},
        {"demo, unchecked", 1, 50, false, false, true, false, "03.1999", kWillNotBeInstalled},
        {"demo, checked", 1, kBig, true, false, true, true, "03.1999", kWillBeInstalled},
        {"big, no setup", 100001, 0, true, false, false, false, "12.1998", kBigInstalled},
        {"big, initial", kBig, 1, false, true, true, true, "03.1999", kWillBeInstalled},
        {"big, unchecked", kBig, kBig, false, false, true, false, "03.1999", kWillBeUninstalled},
        {"big, checked", kBig, kBig, true, false, true, true, "03.1999", kWillBeInstalled},
    };
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.what);
        RowView view = DecideRow(Files(c.installed, c.setup), c.flag, c.initial, 'E');
        EXPECT_EQ(view.available, c.available);
        EXPECT_EQ(view.selected, c.selected);
        EXPECT_EQ(view.release, c.release);
        EXPECT_EQ(view.comment, c.comment);
    }
}

// Combinations that fall between the size classes get a definite state, so a
// row never keeps what the pair shown before it left there.
TEST(DecideRow, SizesBetweenTheClassesHaveADefiniteState) {
    const RowCase cases[] = {
        // Exactly 100,000 bytes is big, as the driver counts it.
        {"100,000 bytes, no setup", 100000, 0, true, true, false, false, "12.1998", kBigInstalled},
        {"100,000 bytes, unchecked", 100000, kBig, false, false, true, false, "03.1999", kWillBeUninstalled},
        // A setup program too small to carry a dictionary offers nothing new.
        {"no dictionary, small setup", 0, 50, true, true, false, false, "", kNotPresent},
        {"no dictionary, 100,000 setup", 0, 100000, true, true, false, false, "", kNotPresent},
        // Negative sizes (a wrapped lookup) count as absent files.
        {"negative dictionary", -1, kBig, false, true, true, true, "03.1999", kNewWillBeInstalled},
        {"negative setup", kBig, -5, true, true, false, false, "12.1998", kBigInstalled},
        {"both negative", -1, -1, true, true, false, false, "", kNotPresent},
    };
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.what);
        RowFiles files = Files(c.installed, c.setup);
        if (c.installed < 0) files.installedRelease = "";
        if (c.setup < 0) files.setupRelease = "";
        RowView view = DecideRow(files, c.flag, c.initial, 'E');
        EXPECT_EQ(view.available, c.available);
        EXPECT_EQ(view.selected, c.selected);
        EXPECT_EQ(view.release, c.release);
        EXPECT_EQ(view.comment, c.comment);
    }
}

TEST(DecideRow, TextsFollowTheUiLanguage) {
    RowView demo = DecideRow(Files(99999, 0), false, true, 'U');
    EXPECT_EQ(demo.release, Cp1251("Демо"));
    EXPECT_EQ(demo.comment, Cp1251("Встановлено демо-словник"));

    demo = DecideRow(Files(99999, 0), false, true, 'R');
    EXPECT_EQ(demo.release, Cp1251("Демо"));
    EXPECT_EQ(demo.comment, Cp1251("Установлен демо-словарь"));

    RowView absent = DecideRow(Files(0, 0), false, true, 'R');
    EXPECT_EQ(absent.comment, Cp1251("\nСловарь отсутствует"));

    RowView uninstall = DecideRow(Files(kBig, kBig), false, false, 'U');
    EXPECT_EQ(uninstall.comment, Cp1251("Буде деінстальовано"));
}

TEST(ReleaseLabel, IsTwoDigitMonthAndYear) {
    EXPECT_EQ(ReleaseLabel(3, 1999), "03.1999");
    EXPECT_EQ(ReleaseLabel(12, 1998), "12.1998");
    EXPECT_EQ(ReleaseLabel(1, 2024), "01.2024");
}

}  // namespace
}  // namespace qv
