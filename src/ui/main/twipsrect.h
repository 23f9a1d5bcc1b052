// Window layouts are written in twips, as the program's forms were drawn; this turns them into pixels.
#pragma once

#include "platform/twips.h"

#include <QRect>

inline QRect twipsRect(double left, double top, double width, double height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}
