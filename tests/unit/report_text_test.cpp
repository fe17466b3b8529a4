#include "ui/report_text.h"

#include <string>

#include <gtest/gtest.h>

#include "cp1251.h"

namespace qv {
namespace {

using Values = std::array<std::string, kPairCount>;

constexpr int kEU = 0, kER = 1, kUR = 3, kRU = 5, kGU = 6, kGE = 11;

const std::string kEnglishHead =
    "\r\n                    Setup has been completed.\r\n\r\nActions was done:\r\n\r\n";

TEST(ComposeReport, ListsOneLinePerReportedPairInTableOrder) {
    Values values;
    values[kGE] = "6";   // reported first by the work, shown last
    values[kUR] = "1";
    values[kEU] = "2";
    values[kRU] = "3";
    values[kGU] = "4";
    values[kER] = "5";
    EXPECT_EQ(ComposeReport(values, 'E'),
              kEnglishHead +
                  "English-Ukrainian Dictionary has been uninstalled\r\n"
                  "English-Russian - Error: dictionary can not be unpacked\r\n"
                  "Ukrainian-Russian Dictionary has been installed successfully\r\n"
                  "Russian-Ukrainian - Error: demo dictionary can not be recovered\r\n"
                  "German-Ukrainian - Error: dictionary can not be prepared\r\n"
                  "German-English - Error: dictionary can not be unpacked\r\n");
}

TEST(ComposeReport, ValuesOutsideOneToSixGiveNoLine) {
    Values values;
    values[0] = "0";
    values[1] = "7";
    values[2] = "-1";
    values[3] = "abc";
    values[4] = "";
    values[5] = " ";
    values[6] = "3x";   // read as 3
    values[7] = " +1";  // read as 1
    values[8] = "99999999999999999999";
    EXPECT_EQ(ComposeReport(values, 'E'),
              kEnglishHead +
                  "German-Ukrainian - Error: demo dictionary can not be recovered\r\n"
                  "German-Russian Dictionary has been installed successfully\r\n");
}

TEST(ComposeReport, WithoutAnyLineOnlyNothingDoneIsShown) {
    Values empty;
    EXPECT_EQ(ComposeReport(empty, 'E'), "\r\n          Nothing done");

    Values outOfRange;
    outOfRange.fill("0");
    EXPECT_EQ(ComposeReport(outOfRange, 'R'), "\r\n" + Cp1251("          Не сделано никаких действий"));
    EXPECT_EQ(ComposeReport(outOfRange, 'U'), "\r\n" + Cp1251("          Не зроблено ніяких дій"));
}

TEST(ComposeReport, HeadingsAndLinesFollowTheUiLanguage) {
    Values values;
    values[kUR] = "1";
    values[kEU] = "6";
    EXPECT_EQ(ComposeReport(values, 'R'),
              Cp1251("\r\n                    Установка словарей закончена.\r\n\r\n"
                     "Со словарями выполнены следующие действия:\r\n\r\n"
                     "Англо-украинский - Ошибка: словарь не может быть распакован\r\n"
                     "Украинско-русский полный словарь был успешно инсталлирован\r\n"));
    EXPECT_EQ(ComposeReport(values, 'U'),
              Cp1251("\r\n                    Установку словників закінчено.\r\n\r\n"
                     "Зі словниками виконано наступні дії:\r\n\r\n"
                     "Англо-український - Помилка: словник не можна розпакувати\r\n"
                     "Українсько-російський повний словник було успішно інстальовано\r\n"));
}

TEST(ComposeReport, EveryPairReportedStaysWithinTheReportBlock) {
    Values values;
    values.fill("3");   // the longest line in every language
    for (UiLanguage language : {'E', 'U', 'R'}) {
        std::string text = ComposeReport(values, language);
        EXPECT_LT(text.size(), 3072u) << language;
    }
}

}  // namespace
}  // namespace qv
