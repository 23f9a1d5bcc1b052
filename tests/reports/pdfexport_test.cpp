// Both sheets to A4 PDF files, and the example plan's sheets on the page they must fit.
#include "reports/pdfexport.h"

#include "core/mirteerror.h"
#include "planfile/planfile.h"
#include "reports/weekplansheet.h"
#include "reports/yearsheet.h"
#include "reportsfixture.h"
#include "sheettesting.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(PdfExport, EachSheetIsOneA4PageInItsOrientation)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto s = makePlan(2001, 3);
    timetableDay(*s, 1).strSubject = kE + QStringLiteral("国算");
    struct Case {
        Sheet sheet;
        const char* mediaBox;
    };
    for (const Case& c : {Case{Sheet::Year, "/MediaBox [0 0 842"}, {Sheet::WeekPlan, "/MediaBox [0 0 595"}}) {
        const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
        printSheetToPdf(*s, c.sheet, path);
        const QByteArray pdf = readAll(path);
        ASSERT_TRUE(pdf.startsWith("%PDF")) << c.mediaBox;
        EXPECT_EQ(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type /Page\\b(?!s)"))),
                  1)
            << c.mediaBox;
        EXPECT_TRUE(pdf.contains(c.mediaBox)) << c.mediaBox;
    }
}

TEST(PdfExport, FileThatCannotBeWrittenIsAnError)
{
    auto s = makePlan(2001, 3);
    EXPECT_THROW(printSheetToPdf(*s, Sheet::Year, QStringLiteral("/nonexistent/folder/year.pdf")),
                 MirteError);
}

TEST(ExamplePlanSheets, FitTheirPagesWithEveryLesson)
{
    AppState s;
    LoadPlanFile(s, QStringLiteral(MIRTE_SOURCE_DIR "/examples/sample.rv"));

    RecordingPrinter year;
    subPrintYear(s, year);
    const double bottom = yearSheetBottom(yearSheetTerms(s));
    EXPECT_LE(bottom, kYearSheetPageBottom); // drawn at its own size
    EXPECT_TRUE(year.hasLine(200, bottom, 15825, bottom, 4));
    EXPECT_EQ(year.documentsEnded(), 1);

    RecordingPrinter week;
    subPrintWeekPlan(s, week);
    int lessons = 0;
    for (const RivoDayTime* d = s.objWeekTimetable->objFirstDay; d; d = d->objNextDay.get()) {
        for (int p = 0; p < d->strSubject.size(); ++p)
            lessons +=
                d->strSubject.at(p) != kE.at(0) &&
                s.strTimeCredit[static_cast<std::size_t>(d->intWeekName - 1)].mid(p, 1) != QLatin1String("0");
        if (d == s.objWeekTimetable->objLastDay)
            break;
    }
    EXPECT_GT(lessons, 20);
    EXPECT_EQ(week.pictures().size(), lessons);
}
