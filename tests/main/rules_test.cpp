// The pure rules beside the main window: subject strings and stamps, the shown week's edges,
// event texts and where the window may be placed.
#include "planfixture.h"
#include "ui/main/mainplacement.h"
#include "ui/main/schoolevents.h"
#include "ui/main/subjectstamps.h"
#include "ui/main/weekview.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
const QString E = QStringLiteral("　");

std::array<QString, 7> captions(std::initializer_list<const char*> texts)
{
    std::array<QString, 7> result;
    std::size_t i = 0;
    for (const char* t : texts)
        result[i++] = QString::fromUtf8(t);
    return result;
}
} // namespace

TEST(SubjectString, CaptionsBecomeSevenInitials)
{
    struct Case {
        std::array<QString, 7> captions;
        QString stored;
        QString expected;
    } cases[] = {
        // Nothing stamped: a registered day without lessons.
        {captions({"", "", "", "", "", "", ""}), {}, E + E + E + E + E + E + E},
        {captions({"", "国語", "打切り", "行事", "", "", ""}), {}, QStringLiteral("　国切行　　　")},
        {captions({"", "国語", "算数", "理科", "音楽", "体育", ""}), {}, QStringLiteral("　国算理音体　")},
        // The spare time read from a file names no palette subject: its initial stays.
        {captions({"", "国語", "予備", "算数", "", "", ""}), QStringLiteral("　国予算　　　"),
         QStringLiteral("　国予算　　　")},
        // Stamped over, the spare period takes the new subject.
        {captions({"", "国語", "算数", "算数", "", "", ""}), QStringLiteral("　国予算　　　"),
         QStringLiteral("　国算算　　　")},
        // A stray caption past the end of a short stored string becomes an empty period.
        {captions({"", "", "", "", "", "", "？"}), QStringLiteral("　国"), E + E + E + E + E + E + E},
    };
    for (const Case& c : cases) {
        const QString subjects = subjectStringFromCaptions(c.captions, c.stored);
        EXPECT_EQ(subjects, c.expected) << c.expected.toStdString();
        EXPECT_EQ(subjects.size(), 7);
    }
}

TEST(SubjectString, StampOfEachInitial)
{
    const QString subjects = QStringLiteral("総切　予Ｘ国");
    struct Case {
        int period;
        QString caption;
        int paletteIndex;
    } cases[] = {
        {0, QStringLiteral("総合"), 0},
        {1, QStringLiteral("打切り"), 15},
        {2, {}, -1},
        {3, QStringLiteral("予備"), -1},
        {4, QStringLiteral("Ｘ"), -1},
        {5, QStringLiteral("国語"), 1},
        {6, {}, -1}, // past the end of the string
    };
    for (const Case& c : cases) {
        const PeriodStamp stamp = periodStamp(subjects, c.period);
        EXPECT_EQ(stamp.caption, c.caption) << "period " << c.period;
        EXPECT_EQ(stamp.paletteIndex, c.paletteIndex) << "period " << c.period;
    }
    EXPECT_EQ(subGetIcon(QStringLiteral("総")), 0);
    EXPECT_EQ(subGetIcon(QStringLiteral("切")), 15);
    EXPECT_EQ(subGetIcon(QStringLiteral("予")), -1);
    EXPECT_EQ(subGetIcon(QString()), -1);
    EXPECT_EQ(subGetIcon(QStringLiteral("国語")), -1);
}

TEST(ShownWeek, SundayThirtyFirstOfMarchShowsNoRow)
{
    // School year 2001 ends on Sunday 31 March 2002: its week would start in the next school year.
    AppState state;
    makePlan(state, 2001);
    const ShownWeek week = shownWeek(state, QDate(2002, 3, 31));
    for (const WeekRow& row : week.rows) {
        EXPECT_TRUE(isZeroDate(row.date));
        EXPECT_TRUE(row.label.isEmpty());
        EXPECT_EQ(row.state, RowState::Hidden);
    }
}

TEST(ShownWeek, RecordsOfAnotherYearNeverStandIn)
{
    // 15 October is day 288 in 2001 and in 2002; only the record of the date itself belongs to it.
    AppState state;
    makePlan(state, 2002);
    addDay(state, QDate(2001, 10, 15), QStringLiteral("　国国国国国　"));
    const ShownWeek week = shownWeek(state, QDate(2002, 10, 16));
    const WeekRow& tuesday = week.rows[1];
    EXPECT_EQ(tuesday.date, QDate(2002, 10, 15));
    EXPECT_EQ(tuesday.state, RowState::Open);
    EXPECT_EQ(tuesday.subjects, kTimetable[1]);
}

TEST(ShownWeek, LabelsAndAccessibleNames)
{
    EXPECT_EQ(rowLabel(QDate(2001, 4, 10), 1), QStringLiteral("04/10(火)"));
    EXPECT_EQ(rowLabel(QDate(2001, 10, 15), 0), QStringLiteral("10/15(月)"));
    const QString label = QStringLiteral("10/15(月)");
    EXPECT_EQ(periodAccessibleName(label, 0, 2), QStringLiteral("10/15(月) 2時限"));
    EXPECT_EQ(eventAccessibleName(label, 0), QStringLiteral("10/15(月) 行事"));
    EXPECT_EQ(registerAccessibleName(label, 0, QStringLiteral("取消")), QStringLiteral("10/15(月) 取消"));
    EXPECT_EQ(periodAccessibleName({}, 5, 0), QStringLiteral("土曜日 0時限"));
}

TEST(SchoolEvents, ListAndLineBreaks)
{
    const QStringList& events = schoolEvents();
    ASSERT_EQ(events.size(), 26);
    EXPECT_EQ(events.first(), QStringLiteral("入学式"));
    EXPECT_EQ(events.at(2), QStringLiteral("入学式・始業式"));
    EXPECT_EQ(events.at(23), QStringLiteral("習慣病検診"));
    EXPECT_EQ(events.last(), QStringLiteral("修学旅行"));

    struct Case {
        QString typed, kept;
    } cases[] = {
        {QStringLiteral("運動会"), QStringLiteral("運動会")},
        {QStringLiteral("秋季\n遠足"), QStringLiteral("秋季遠足")},
        {QStringLiteral("\r\n卒業式\r\n"), QStringLiteral("卒業式")},
        {QStringLiteral("音楽会\u2028練習"), QStringLiteral("音楽会練習")},
        {QStringLiteral("入学式・始業式"), QStringLiteral("入学式・始業式")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(oneLineEvent(c.typed), c.kept);
}

TEST(MainPlacement, OnlyReachablePlacementsAreKept)
{
    const QRect primary(0, 0, 1920, 1080);
    const QRect second(1920, 0, 1280, 1024);
    const WindowPlacement defaults;
    struct Case {
        const char* what;
        WindowPlacement saved;
        QList<QRect> screens;
        bool kept;
    } cases[] = {
        {"defaults", {1000, 1000, 10725, 9855}, {primary}, true},
        {"on the second monitor", {35000, 1500, 10725, 9855}, {primary, second}, true},
        {"second monitor gone", {35000, 1500, 10725, 9855}, {primary}, false},
        {"mostly off the right edge", {27000, 1500, 10725, 9855}, {primary}, true},
        {"only its last pixels on screen", {28500, 1500, 10725, 9855}, {primary}, false},
        {"title bar above the screen", {1500, -3000, 10725, 9855}, {primary}, false},
        {"left of every screen", {-12000, 1500, 10725, 9855}, {primary}, false},
        {"not a number", {std::nan(""), 1000, 10725, 9855}, {primary}, false},
        {"absurdly far", {1.0e30, 1000, 10725, 9855}, {primary}, false},
        {"no width", {1000, 1000, 0, 9855}, {primary}, false},
    };
    for (const Case& c : cases) {
        const WindowPlacement p = reachablePlacement(c.saved, c.screens);
        const WindowPlacement& expected = c.kept ? c.saved : defaults;
        EXPECT_EQ(p.left, expected.left) << c.what;
        EXPECT_EQ(p.top, expected.top) << c.what;
        EXPECT_EQ(p.width, expected.width) << c.what;
        EXPECT_EQ(p.height, expected.height) << c.what;
    }
}

TEST(MainPlacement, TwipsAndPixels)
{
    EXPECT_EQ(placementPixels({1000, 1500, 10725, 9855}), QRect(67, 100, 715, 657));
    const WindowPlacement back = placementTwips(QRect(67, 100, 715, 657));
    EXPECT_EQ(back.left, 1005);
    EXPECT_EQ(back.top, 1500);
    EXPECT_EQ(back.width, 10725);
    EXPECT_EQ(back.height, 9855);
}
