#include "reports/pdfexport.h"

#include "core/mirteerror.h"
#include "platform/japanese.h"
#include "platform/painterprinter.h"
#include "reports/termtallysheet.h"
#include "reports/termtimetablesheet.h"
#include "reports/weekplansheet.h"
#include "reports/yearsheet.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>

void printSheetToPdf(AppState& state, Sheet sheet, const QString& outPath, int term)
{
    installFontSubstitutions();

    QPrinter device(QPrinter::HighResolution);
    device.setOutputFormat(QPrinter::PdfFormat);
    device.setOutputFileName(outPath);
    device.setCreator(QStringLiteral("ミルテ"));
    // A narrow margin, as a printer's own: the annual sheet needs almost the whole page.
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                                     QPageLayout::Millimeter));

    PainterPrinter printer(device);
    switch (sheet) {
    case Sheet::Year: subPrintYear(state, printer, landscapeArea(device)); break;
    case Sheet::WeekPlan: subPrintWeekPlan(state, printer); break;
    case Sheet::TermTimetable: subPrintSeasonTimeChart(state, printer, term, landscapeArea(device)); break;
    case Sheet::TermTally: subPrintSeasonTotal(state, printer, term, landscapeArea(device)); break;
    }
    if (printer.hasFailed())
        throw MirteError(QStringLiteral("PDF ファイル %1 を書き込めません。")
                             .arg(QDir::toNativeSeparators(QFileInfo(outPath).absoluteFilePath())));
}
