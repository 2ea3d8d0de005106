#pragma once

#include <cmath>

// Window layouts are written in twips, fifteen to the pixel.
namespace Twips {

inline constexpr int PerPixel = 15;

// The whole pixels in a length, a part pixel dropped.
constexpr int WholePixels(int twips) {
    return twips / PerPixel;
}

// The pixel nearest to a length, for a layout that places its controls to
// the nearer pixel.
inline int NearestPixels(double twips) {
    return static_cast<int>(std::lround(twips / PerPixel));
}

constexpr int FromPixels(int pixels) {
    return pixels * PerPixel;
}

} // namespace Twips
