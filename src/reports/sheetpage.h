// The page a landscape sheet is drawn on: the printable area of the printer's own page turned to
// landscape.
#pragma once

#include "reports/printablearea.h"

class QPrinter;

// The printable area of the printer's page turned to landscape; the usual A4 area when unknown.
PrintableArea landscapeArea(const QPrinter& printer);
