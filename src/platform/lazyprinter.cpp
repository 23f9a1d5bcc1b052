#include "platform/lazyprinter.h"

LazyPrinter::LazyPrinter(QPrinter::PrinterMode mode) : m_mode(mode) {}

LazyPrinter::~LazyPrinter() = default;

QPrinter& LazyPrinter::operator*()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(m_mode);
    return *m_printer;
}
