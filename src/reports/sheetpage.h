// The page a landscape sheet is drawn on: the printable area it has to stay within, and the factor
// that shrinks a drawing larger than that area so it fits whole on one page.
#pragma once

class QPrinter;

// The height and width a landscape sheet is laid out for: an A4 page with the printers' usual margins.
inline constexpr double kLandscapeAreaWidth = 16200;
inline constexpr double kLandscapeAreaHeight = 11300;

// The area a sheet has to stay within, in twips from the top-left corner of the printable area.
// A sheet larger than the area (more week rows than usual, wide margins) is drawn smaller as a whole.
struct PrintableArea {
    double width = kLandscapeAreaWidth;
    double height = kLandscapeAreaHeight;
};

// The printable area of the printer's page turned to landscape; the default area when unknown.
PrintableArea landscapeArea(const QPrinter& printer);

// How much a drawing reaching right and bottom (twips) must shrink to fit the area; never enlarges.
double fitFactor(const PrintableArea& area, double right, double bottom);
