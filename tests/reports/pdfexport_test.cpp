// Every sheet to A4 PDF files, without the print system, and the example plan's sheets on the page
// they must fit.
#include "reports/pdfexport.h"

#include "core/mirteerror.h"
#include "planfile/planfile.h"
#include "reports/weekplansheet.h"
#include "reports/yearsheet.h"
#include "reportsfixture.h"
#include "sheettesting.h"
#include "summary/schoolsummary.h"

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

qsizetype pageCount(const QByteArray& pdf)
{
    return QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type /Page\\b(?!s)")));
}

// A4 is 210 × 297 mm, 595.28 × 841.89 points; a landscape page lies on its long side.
constexpr const char* kLandscapeA4 = "/MediaBox [0 0 842";
constexpr const char* kPortraitA4 = "/MediaBox [0 0 595";

} // namespace

TEST(PdfExport, EachSheetIsOneA4PageInItsOrientation)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto s = makePlan(2001, 3);
    timetableDay(*s, 1).strSubject = kE + QStringLiteral("国算");
    struct Case {
        Sheet sheet;
        int term;
        const char* mediaBox;
    };
    const Case cases[] = {{Sheet::Year, 1, kLandscapeA4},
                          {Sheet::WeekPlan, 1, kPortraitA4},
                          {Sheet::TermTimetable, 2, kLandscapeA4},
                          {Sheet::TermTally, 3, kLandscapeA4}};
    for (const Case& c : cases) {
        const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
        printSheetToPdf(*s, c.sheet, path, c.term);
        const QByteArray pdf = readAll(path);
        const int sheet = static_cast<int>(c.sheet);
        ASSERT_TRUE(pdf.startsWith("%PDF")) << sheet;
        EXPECT_EQ(pageCount(pdf), 1) << sheet;
        EXPECT_TRUE(pdf.contains(c.mediaBox)) << sheet;
        EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF")) << sheet;
    }
}

// The poster shows a subject's picture in every period it is taught; the file holds each picture once.
TEST(PdfExport, PosterHoldsEachSubjectsPictureOnce)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto s = makePlan(2001, 3);
    timetableDay(*s, 1).strSubject = kE + QStringLiteral("国算国");
    timetableDay(*s, 2).strSubject = kE + QStringLiteral("算国");
    const QString path = dir.filePath(QStringLiteral("week.pdf"));
    printSheetToPdf(*s, Sheet::WeekPlan, path);
    EXPECT_EQ(readAll(path).count("/Subtype /Image"), 2) << "国語 and 算数, five lessons";
}

TEST(PdfExport, SchoolSummaryHasALandscapeA4PagePerSchoolYear)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // The example plan is of school year 2001, the hand-made plan of 2004.
    const SchoolSummary summary =
        summarizePlanFiles({QStringLiteral(MIRTE_SOURCE_DIR "/examples/sample.rv"),
                            QStringLiteral(MIRTE_SOURCE_DIR "/tests/data/hand-2004.rv")});
    ASSERT_EQ(summary.years.size(), 2u);
    const QString path = dir.filePath(QStringLiteral("summary.pdf"));
    printSchoolSummaryToPdf(summary, path);
    const QByteArray pdf = readAll(path);
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pageCount(pdf), 2);
    EXPECT_EQ(pdf.count(kLandscapeA4), 2);
    EXPECT_FALSE(pdf.contains(kPortraitA4));
}

// A PDF file needs nothing of the print system: it is written the same on a machine without a
// printer, and nothing waits for a print spooler. Loading it would map its plugin and libcups.
TEST(PdfExport, WritesWithoutLoadingThePrintSystem)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto s = makePlan(2001, 3);
    for (const Sheet sheet : {Sheet::Year, Sheet::WeekPlan, Sheet::TermTimetable, Sheet::TermTally})
        printSheetToPdf(*s, sheet, dir.filePath(QStringLiteral("sheet.pdf")));
    printSchoolSummaryToPdf(summarizePlanFiles({QStringLiteral(MIRTE_SOURCE_DIR "/examples/sample.rv")}),
                            dir.filePath(QStringLiteral("summary.pdf")));

    const QByteArray maps = readAll(QStringLiteral("/proc/self/maps"));
    ASSERT_FALSE(maps.isEmpty());
    EXPECT_FALSE(maps.contains("/printsupport/")) << "a print-support plugin was loaded";
    EXPECT_FALSE(maps.contains("libcups")) << "the print spooler's library was loaded";
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
