// The program's one printer, made when it is first needed (page set-up, printing) and kept from then
// on with whatever paper and margins the teacher chose. Making a QPrinter loads the print system and
// asks it for the default printer, which start-up has no need to wait for.
#pragma once

#include <QPrinter>
#include <memory>

class LazyPrinter {
public:
    explicit LazyPrinter(QPrinter::PrinterMode mode = QPrinter::ScreenResolution);
    ~LazyPrinter();
    LazyPrinter(const LazyPrinter&) = delete;
    LazyPrinter& operator=(const LazyPrinter&) = delete;

    // The printer, made on the first call.
    QPrinter& operator*();
    QPrinter* operator->() { return &**this; }

    // Whether the printer has been made yet.
    bool isMade() const { return m_printer != nullptr; }

private:
    QPrinter::PrinterMode m_mode;
    std::unique_ptr<QPrinter> m_printer;
};
