// The part of the paper a sheet may draw on, as the printer's paper and margins leave it, and the
// factor that shrinks a sheet into it. Wide margins shrink a sheet as a whole; they never cut it off.
#pragma once

#include "platform/printer.h"

class QPrinter;

// Width and height in twips, from the top-left corner of the printable area.
struct PrintableArea {
    double width = 0;
    double height = 0;
};

// The printable area of the printer's page turned to `orientation`; `fallback` when the printer
// knows no page.
PrintableArea printableArea(const QPrinter& printer, Printer::Orientation orientation,
                            const PrintableArea& fallback);

// At most 1: the factor by which a drawing reaching from the top-left corner to (right, bottom)
// is drawn so that it stays within the area, in both directions alike.
double fitFactor(const PrintableArea& area, double right, double bottom);
