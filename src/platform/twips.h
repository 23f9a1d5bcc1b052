// Screen sizes and positions are given in twips: 1440 per inch, 96 logical dpi, so 15 per pixel.
#pragma once

#include <cmath>

inline constexpr double kTwipsPerPixel = 15.0;

inline int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}
inline double pixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}
