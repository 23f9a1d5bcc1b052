#include "ui/main/mainplacement.h"

#include "platform/twips.h"

#include <cmath>

namespace {
// A strip this high along the top of the window must show on a screen for at least this width.
constexpr int kGripHeight = 24;
constexpr int kMinGripOnScreen = 12;
constexpr int kMinGripWidth = 48;
// Anything beyond this many twips (about 70 000 pixels) is no placement of a real screen.
constexpr double kLargestTwips = 1.0e6;

bool isPlausible(double v)
{
    return std::isfinite(v) && std::abs(v) <= kLargestTwips;
}
} // namespace

QRect placementPixels(const WindowPlacement& placement)
{
    return {twipsToPixels(placement.left), twipsToPixels(placement.top), twipsToPixels(placement.width),
            twipsToPixels(placement.height)};
}

WindowPlacement placementTwips(const QRect& pixels)
{
    return {pixelsToTwips(pixels.x()), pixelsToTwips(pixels.y()), pixelsToTwips(pixels.width()),
            pixelsToTwips(pixels.height())};
}

WindowPlacement reachablePlacement(const WindowPlacement& saved, const QList<QRect>& screens)
{
    if (!isPlausible(saved.left) || !isPlausible(saved.top) || !isPlausible(saved.width) ||
        !isPlausible(saved.height) || saved.width <= 0 || saved.height <= 0)
        return {};
    const QRect window = placementPixels(saved);
    const QRect grip(window.x(), window.y(), std::max(window.width(), kMinGripWidth), kGripHeight);
    for (const QRect& screen : screens) {
        const QRect onScreen = grip.intersected(screen);
        if (onScreen.width() >= kMinGripWidth && onScreen.height() >= kMinGripOnScreen)
            return saved;
    }
    return {};
}
