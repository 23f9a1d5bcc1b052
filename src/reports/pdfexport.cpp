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
#include <QPrinter>

namespace {

// An A4 PDF with a narrow margin, as a printer's own: the annual sheet needs almost the whole page.
void preparePdf(QPrinter& device, const QString& outPath)
{
    installFontSubstitutions();
    device.setOutputFormat(QPrinter::PdfFormat);
    device.setOutputFileName(outPath);
    device.setCreator(QStringLiteral("ミルテ"));
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                                     QPageLayout::Millimeter));
}

void checkWritten(const Printer& printer, const QString& outPath)
{
    if (printer.hasFailed())
        throw MirteError(QStringLiteral("PDF ファイル %1 を書き込めません。")
                             .arg(QDir::toNativeSeparators(QFileInfo(outPath).absoluteFilePath())));
}

} // namespace

void printSheetToPdf(AppState& state, Sheet sheet, const QString& outPath, int term)
{
    QPrinter device(QPrinter::HighResolution);
    preparePdf(device, outPath);
    PainterPrinter printer(device);
    switch (sheet) {
    case Sheet::Year: subPrintYear(state, printer, landscapeArea(device)); break;
    case Sheet::WeekPlan: subPrintWeekPlan(state, printer); break;
    case Sheet::TermTimetable: subPrintSeasonTimeChart(state, printer, term, landscapeArea(device)); break;
    case Sheet::TermTally: subPrintSeasonTotal(state, printer, term, landscapeArea(device)); break;
    }
    checkWritten(printer, outPath);
}

void printSchoolSummaryToPdf(const SchoolSummary& summary, const QString& outPath)
{
    QPrinter device(QPrinter::HighResolution);
    preparePdf(device, outPath);
    PainterPrinter printer(device);
    subPrintSchoolSummary(summary, printer, landscapeArea(device));
    checkWritten(printer, outPath);
}
