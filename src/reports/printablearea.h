// The part of the paper a sheet may draw on, as the printer's paper and margins leave it, and the
// factor that shrinks a sheet into it. Wide margins shrink a sheet as a whole; they never cut it off.
#pragma once

#include "platform/printer.h"

class QPagedPaintDevice;

// What an A4 page turned to landscape leaves with the printers' usual margins, in twips.
inline constexpr double kLandscapeAreaWidth = 16200;
inline constexpr double kLandscapeAreaHeight = 11300;

// Width and height in twips, from the top-left corner of the printable area; by default the usual
// landscape area.
struct PrintableArea {
    double width = kLandscapeAreaWidth;
    double height = kLandscapeAreaHeight;
};

// The printable area of the device's page turned to `orientation`; `fallback` when the device
// knows no page.
PrintableArea printableArea(const QPagedPaintDevice& device, Printer::Orientation orientation,
                            const PrintableArea& fallback);

// At most 1: the factor by which a drawing reaching from the top-left corner to (right, bottom)
// is drawn so that it stays within the area, in both directions alike.
double fitFactor(const PrintableArea& area, double right, double bottom);
