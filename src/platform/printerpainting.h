// Drawing the sheets on a QPrinter, which unlike a PDF writer keeps a colour mode that the sheets set.
#pragma once

#include "platform/painterprinter.h"

#include <memory>

class QPrinter;

// Passes the sheets' colour mode (2 = colour, 1 = monochrome) on to the printer.
PainterPrinter::ColorModeSetter colorModeOf(QPrinter& printer);

// A PainterPrinter on the printer, with its colour mode.
std::unique_ptr<PainterPrinter> paintOnPrinter(QPrinter& printer);
