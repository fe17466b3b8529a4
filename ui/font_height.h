// The height of the bold dialog font, scaled from the display's physical size.
#pragma once

namespace qv {

// Pixels per inch from the vertical resolution and the physical height in
// millimetres. A display that reports 0 mm (or less) is taken as 96 pixels
// per inch.
float VerticalPixelsPerInch(int verticalPixels, int verticalMillimetres);

// The point (in tenths of a device pixel) of a font of `tenthsOfPoint`,
// truncated toward zero and held within the 32-bit range.
int DeviceHeightInTenths(int tenthsOfPoint, float pixelsPerInch);

// The LOGFONT height for a logical height in tenths: rounded half up, negated.
int LogFontHeight(int logicalTenths);

// Both steps for a display whose device and logical units agree.
int DialogFontHeight(int verticalPixels, int verticalMillimetres, int tenthsOfPoint);

}  // namespace qv
