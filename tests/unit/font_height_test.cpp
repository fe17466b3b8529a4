#include "ui/font_height.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(DialogFontHeight, ScalesNinePointsByTheDisplaysDensity) {
    struct Case {
        int pixels;
        int millimetres;
        int height;
    } cases[] = {
        {600, 240, -8},    // 63.5 pixels per inch
        {768, 240, -10},   // 81.28 pixels per inch
        {1200, 0, -12},    // no physical size: 96 pixels per inch
    };
    for (const Case& c : cases)
        EXPECT_EQ(DialogFontHeight(c.pixels, c.millimetres, 90), c.height)
            << c.pixels << " px on " << c.millimetres << " mm";
}

TEST(DialogFontHeight, AWholeProductIsNotTruncatedBelow) {
    // 90 tenths of a point at 96 pixels per inch is 120 tenths of a pixel in
    // exact arithmetic and must not come out as 119.
    EXPECT_EQ(DeviceHeightInTenths(90, 96.0f), 120);
    EXPECT_EQ(LogFontHeight(120), -12);
    EXPECT_EQ(DeviceHeightInTenths(72, 100.0f), 100);
}

TEST(DialogFontHeight, MissingPhysicalSizeMeans96PixelsPerInch) {
    EXPECT_FLOAT_EQ(VerticalPixelsPerInch(1024, 0), 96.0f);
    EXPECT_FLOAT_EQ(VerticalPixelsPerInch(1024, -3), 96.0f);
    EXPECT_FLOAT_EQ(VerticalPixelsPerInch(600, 240), 63.5f);
}

TEST(LogFontHeight, RoundsTenthsHalfUpAndNegates) {
    EXPECT_EQ(LogFontHeight(79), -8);
    EXPECT_EQ(LogFontHeight(74), -7);
    EXPECT_EQ(LogFontHeight(75), -8);
    EXPECT_EQ(LogFontHeight(-75), -8);   // a logical point above the origin
    EXPECT_EQ(LogFontHeight(0), 0);
}

TEST(DeviceHeightInTenths, TruncatesTowardZeroAndStaysInRange) {
    EXPECT_EQ(DeviceHeightInTenths(90, 63.5f), 79);        // 79.375
    EXPECT_EQ(DeviceHeightInTenths(-90, 63.5f), -79);
    EXPECT_GT(DeviceHeightInTenths(2000000000, 1.0e30f), 0);
}

}  // namespace
}  // namespace qv
