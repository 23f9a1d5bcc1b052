// Looking up what a sheet drew on the recording printer.
#pragma once

#include "platform/recordingprinter.h"

#include <QString>

// The text drawn exactly at (x, y); "<none>" when there is none.
inline QString textAt(const RecordingPrinter& p, double x, double y)
{
    for (const RecordingPrinter::Text& t : p.texts())
        if (t.x == x && t.y == y)
            return t.text;
    return QStringLiteral("<none>");
}

inline const RecordingPrinter::Text* drawnAt(const RecordingPrinter& p, double x, double y)
{
    for (const RecordingPrinter::Text& t : p.texts())
        if (t.x == x && t.y == y)
            return &t;
    return nullptr;
}

// Texts drawn inside the rectangle [x1, x2) × [y1, y2).
inline int textsWithin(const RecordingPrinter& p, double x1, double y1, double x2, double y2)
{
    int n = 0;
    for (const RecordingPrinter::Text& t : p.texts())
        if (t.x >= x1 && t.x < x2 && t.y >= y1 && t.y < y2)
            ++n;
    return n;
}
