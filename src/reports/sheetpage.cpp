#include "reports/sheetpage.h"

PrintableArea landscapeArea(const QPagedPaintDevice& device)
{
    return printableArea(device, Printer::Orientation::Landscape, PrintableArea{});
}
