#include "reports/sheetpage.h"

PrintableArea landscapeArea(const QPrinter& printer)
{
    return printableArea(printer, Printer::Orientation::Landscape, PrintableArea{});
}
