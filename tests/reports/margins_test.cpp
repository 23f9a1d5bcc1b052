// Both sheets on A4 with margins of 10, 25 and 40 mm: everything they draw stays inside the
// printable area, and a sheet too large for it is drawn smaller as a whole, never moved or cut.
#include "reports/weekplansheet.h"
#include "reports/yearsheet.h"
#include "reportsfixture.h"
#include "sheettesting.h"

#include <QPrinter>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

struct Extent {
    double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
    void add(double x, double y)
    {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x);
        bottom = std::max(bottom, y);
    }
};

// Where lines, text positions and pictures reach.
Extent extentOf(const RecordingPrinter& p)
{
    Extent e;
    for (const auto& l : p.lines()) {
        e.add(l.x1, l.y1);
        e.add(l.x2, l.y2);
    }
    for (const auto& t : p.texts())
        e.add(t.x, t.y);
    for (const auto& pic : p.pictures()) {
        e.add(pic.x, pic.y);
        e.add(pic.x + pic.width, pic.y + pic.height);
    }
    return e;
}

bool hasLineNear(const RecordingPrinter& p, double x1, double y1, double x2, double y2)
{
    return std::any_of(p.lines().begin(), p.lines().end(), [&](const RecordingPrinter::Line& l) {
        return std::abs(l.x1 - x1) < 0.01 && std::abs(l.y1 - y1) < 0.01 && std::abs(l.x2 - x2) < 0.01 &&
               std::abs(l.y2 - y2) < 0.01;
    });
}

} // namespace

TEST(SheetMargins, BothSheetsStayInsideThePrintableAreaOfAnyMargins)
{
    auto s = makePlan(2001, 3);
    // A lesson in the last period of every weekday, so the 土 column and the foot row are drawn.
    for (int w = 1; w <= 6; ++w)
        timetableDay(*s, w).strSubject = kE + QStringLiteral("国算理社音体");
    for (auto& lengths : s->strTimeCredit)
        lengths = QStringLiteral("1333333");

    for (const double mm : {10.0, 25.0, 40.0}) {
        QPrinter printer;
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(mm, mm, mm, mm), QPageLayout::Millimeter);
        // By hand: A4 is 210 × 297 mm, 1440 twips an inch of 25.4 mm.
        const double shortSide = (210 - 2 * mm) / 25.4 * 1440;
        const double longSide = (297 - 2 * mm) / 25.4 * 1440;

        const PrintableArea landscape = landscapeArea(printer);
        EXPECT_NEAR(landscape.width, longSide, 1) << mm;
        EXPECT_NEAR(landscape.height, shortSide, 1) << mm;
        RecordingPrinter year;
        subPrintYear(*s, year, landscape);
        const Extent y = extentOf(year);
        EXPECT_GE(y.left, 0) << mm;
        EXPECT_GE(y.top, 0) << mm;
        EXPECT_LE(y.right, landscape.width + 1e-6) << mm;
        EXPECT_LE(y.bottom, landscape.height + 1e-6) << mm;

        const PrintableArea portrait = portraitArea(printer);
        EXPECT_NEAR(portrait.width, shortSide, 1) << mm;
        EXPECT_NEAR(portrait.height, longSide, 1) << mm;
        RecordingPrinter week;
        subPrintWeekPlan(*s, week, portrait);
        const Extent w = extentOf(week);
        EXPECT_GE(w.left, 0) << mm;
        EXPECT_GE(w.top, 0) << mm;
        EXPECT_LE(w.right, portrait.width + 1e-6) << mm;
        EXPECT_LE(w.bottom, portrait.height + 1e-6) << mm;

        // The poster spans 10400 × 14750 twips: drawn at its size when that fits, else smaller by
        // one factor in both directions about the page's corner, its whole frame on the paper.
        const double f = std::min({1.0, shortSide / 10400, longSide / 14750});
        EXPECT_EQ(f == 1.0, mm == 10.0);
        EXPECT_TRUE(hasLineNear(week, 10400 * f, 2500 * f, 10400 * f, 14744 * f)) << mm << ": the right edge";
        EXPECT_TRUE(hasLineNear(week, 1000 * f, 14744 * f, 10400 * f, 14744 * f))
            << mm << ": the bottom edge";
        ASSERT_EQ(week.pictures().size(), 36) << mm;
        EXPECT_NEAR(week.pictures().last().x, (1750 + 1450 * 5) * f, 0.01) << mm << ": 土 keeps its column";
        EXPECT_NEAR(week.findText(QStringLiteral("土"))->fontSize, 18 * f, 1e-9) << mm;
    }
}
