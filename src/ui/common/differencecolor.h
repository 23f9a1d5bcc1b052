// The colour a difference is shown in, in every grid that shows one: a shortfall red, an excess
// blue, none black.
#pragma once

#include <QColor>

inline QColor differenceColor(long long difference)
{
    if (difference < 0)
        return QColor(255, 0, 0);
    return difference > 0 ? QColor(0, 0, 255) : QColor(0, 0, 0);
}
