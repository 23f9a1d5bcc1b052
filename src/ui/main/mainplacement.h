// Where the main window goes: its saved placement, unless that would leave it out of reach.
#pragma once

#include "platform/placementstore.h"

#include <QList>
#include <QRect>

// The placement in pixels (left, top, width, height), the frame's top-left at (left, top).
QRect placementPixels(const WindowPlacement& placement);
WindowPlacement placementTwips(const QRect& pixels);

// The saved placement when a piece of the window's top edge, where it is dragged, lies on one of
// the screens (their available areas, in pixels); the defaults otherwise, for instance when the
// placement was saved on a monitor that is gone.
WindowPlacement reachablePlacement(const WindowPlacement& saved, const QList<QRect>& screens);
