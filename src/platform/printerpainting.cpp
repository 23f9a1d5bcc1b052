#include "platform/printerpainting.h"

#include <QPrinter>

PainterPrinter::ColorModeSetter colorModeOf(QPrinter& printer)
{
    return [&printer](int mode) {
        if (mode == 2)
            printer.setColorMode(QPrinter::Color);
        else if (mode == 1)
            printer.setColorMode(QPrinter::GrayScale);
    };
}

std::unique_ptr<PainterPrinter> paintOnPrinter(QPrinter& printer)
{
    return std::make_unique<PainterPrinter>(printer, colorModeOf(printer));
}
