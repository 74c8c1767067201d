#pragma once

#include <QRect>

namespace rukcon::ui {

// Places and sizes are kept in twips (1440 per inch); the screen is taken as 96 dpi.
inline constexpr int kTwipsPerPixel = 15;

// Twips to pixels, rounded to the nearest pixel (halves away from zero), so that negative
// positions of dragged buttons round the same way as positive ones.
constexpr int twips(int t)
{
    return (t >= 0 ? t + kTwipsPerPixel / 2 : t - kTwipsPerPixel / 2) / kTwipsPerPixel;
}

constexpr int toTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

// Left, Top, Width, Height in twips as a pixel rectangle.
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

} // namespace rukcon::ui
