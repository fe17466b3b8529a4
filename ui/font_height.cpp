#include "ui/font_height.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace qv {

namespace {

constexpr float kDefaultPixelsPerInch = 96.0f;
constexpr double kMillimetresPerInch = 25.4;
// 1/72 as the single-precision value: a hair above 1/72, so that a product
// that is whole in exact arithmetic (90 * 96 / 72) does not truncate below.
constexpr float kPointsPerInchInverse = static_cast<float>(1.0 / 72);

// Truncation toward zero, held within the 32-bit range.
int TruncateToInt(double value) {
    constexpr double kMax = std::numeric_limits<std::int32_t>::max();
    constexpr double kMin = std::numeric_limits<std::int32_t>::min();
    if (std::isnan(value)) return 0;
    if (value >= kMax) return std::numeric_limits<std::int32_t>::max();
    if (value <= kMin) return std::numeric_limits<std::int32_t>::min();
    return static_cast<int>(std::trunc(value));
}

}  // namespace

float VerticalPixelsPerInch(int verticalPixels, int verticalMillimetres) {
    if (verticalMillimetres <= 0) return kDefaultPixelsPerInch;
    return static_cast<float>(static_cast<double>(verticalPixels) / verticalMillimetres *
                              kMillimetresPerInch);
}

int DeviceHeightInTenths(int tenthsOfPoint, float pixelsPerInch) {
    double y = static_cast<double>(tenthsOfPoint) * static_cast<double>(pixelsPerInch) *
               static_cast<double>(kPointsPerInchInverse);
    return TruncateToInt(y);
}

int LogFontHeight(int logicalTenths) {
    double magnitude = std::fabs(static_cast<double>(logicalTenths));
    return -TruncateToInt(magnitude * 0.1 + 0.5);
}

int DialogFontHeight(int verticalPixels, int verticalMillimetres, int tenthsOfPoint) {
    return LogFontHeight(
        DeviceHeightInTenths(tenthsOfPoint, VerticalPixelsPerInch(verticalPixels, verticalMillimetres)));
}

}  // namespace qv
