#include "reports/pdfexport.h"

#include "core/mirteerror.h"
#include "platform/japanese.h"
#include "platform/painterprinter.h"
#include "reports/schoolsummarysheet.h"
#include "reports/termtallysheet.h"
#include "reports/termtimetablesheet.h"
#include "reports/weekplansheet.h"
#include "reports/yearsheet.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>

namespace {

// The resolution of the program's printer, whose PDF the sheets were laid out on: text is measured in
// device pixels, so the same resolution gives the same lines of text.
constexpr int kPdfDpi = 1200;

// An A4 PDF with margins of `margins` millimetres; the default is narrow, as a printer's own, since the
// annual sheet needs almost the whole page. A PDF writer rather than a printer in PDF mode: a PDF file
// needs nothing of the print system, which a printer loads and asks for its default printer.
void preparePdf(QPdfWriter& device, double margins)
{
    installFontSubstitutions();
    device.setResolution(kPdfDpi);
    device.setCreator(QStringLiteral("ミルテ"));
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(margins, margins, margins, margins), QPageLayout::Millimeter));
}

void checkWritten(const Printer& printer, const QString& outPath)
{
    if (printer.hasFailed())
        throw MirteError(QStringLiteral("PDF ファイル %1 を書き込めません。")
                             .arg(QDir::toNativeSeparators(QFileInfo(outPath).absoluteFilePath())));
}

} // namespace

void printSheetToPdf(AppState& state, Sheet sheet, const QString& outPath, int term, double margins)
{
    QPdfWriter device(outPath);
    preparePdf(device, margins);
    PainterPrinter printer(device);
    switch (sheet) {
    case Sheet::Year: subPrintYear(state, printer, landscapeArea(device)); break;
    case Sheet::WeekPlan: subPrintWeekPlan(state, printer, portraitArea(device)); break;
    case Sheet::TermTimetable: subPrintSeasonTimeChart(state, printer, term, landscapeArea(device)); break;
    case Sheet::TermTally: subPrintSeasonTotal(state, printer, term, landscapeArea(device)); break;
    }
    checkWritten(printer, outPath);
}

void printSchoolSummaryToPdf(const SchoolSummary& summary, const QString& outPath)
{
    QPdfWriter device(outPath);
    preparePdf(device, kPdfMarginMillimetres);
    PainterPrinter printer(device);
    subPrintSchoolSummary(summary, printer, landscapeArea(device));
    checkWritten(printer, outPath);
}
