// The page a landscape sheet is drawn on: the printable area of the device's own page (a printer's or
// a PDF file's) turned to landscape.
#pragma once

#include "reports/printablearea.h"

class QPagedPaintDevice;

// The printable area of the device's page turned to landscape; the usual A4 area when unknown.
PrintableArea landscapeArea(const QPagedPaintDevice& device);
