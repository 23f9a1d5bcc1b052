#include "reports/pdfexport.h"

#include "core/mirteerror.h"
#include "platform/japanese.h"
#include "platform/painterprinter.h"
#include "reports/weekplansheet.h"
#include "reports/yearsheet.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>

void printSheetToPdf(AppState& state, Sheet sheet, const QString& outPath, double margins)
{
    installFontSubstitutions();

    QPrinter device(QPrinter::HighResolution);
    device.setOutputFormat(QPrinter::PdfFormat);
    device.setOutputFileName(outPath);
    device.setCreator(QStringLiteral("ミルテ"));
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(margins, margins, margins, margins), QPageLayout::Millimeter));

    PainterPrinter printer(device);
    if (sheet == Sheet::Year)
        subPrintYear(state, printer, landscapeArea(device));
    else
        subPrintWeekPlan(state, printer, portraitArea(device));
    if (printer.hasFailed())
        throw MirteError(QStringLiteral("PDF ファイル %1 を書き込めません。")
                             .arg(QDir::toNativeSeparators(QFileInfo(outPath).absoluteFilePath())));
}
