// The weekly timetable poster on the recording printer: titles per grade, pictures, period lengths
// and the grid.
#include "reports/weekplansheet.h"

#include "platform/subjectpictures.h"
#include "reportsfixture.h"
#include "sheettesting.h"

#include <gtest/gtest.h>

namespace {

RecordingPrinter printWeek(const AppState& s)
{
    RecordingPrinter p;
    subPrintWeekPlan(s, p);
    return p;
}

// The picture drawn in the cell of a weekday (1 = Monday) and period, or nullptr.
const RecordingPrinter::Picture* pictureIn(const RecordingPrinter& p, int weekName, int period)
{
    for (const auto& pic : p.pictures())
        if (pic.x == 1750 + 1450 * (weekName - 1) && pic.y == 3250 + 1650 * period)
            return &pic;
    return nullptr;
}

QString lengthIn(const RecordingPrinter& p, int weekName, int period)
{
    return textAt(p, 2200 + 1450 * (weekName - 1), 4600 + 1650 * period);
}

} // namespace

TEST(WeekPlanSheet, LowerGradesAreAddressedInHiragana)
{
    auto s = makePlan(2001, 1);
    timetableDay(*s, 1).strSubject = kE + QStringLiteral("国") + kE + kE + kE + kE + kE;
    const RecordingPrinter p = printWeek(*s);

    EXPECT_EQ(p.settings().mid(0, 3),
              QStringList({"colorMode 2", "orientation portrait", QStringLiteral("font ＭＳ ゴシック")}));
    EXPECT_EQ(p.documentsEnded(), 1);
    const RecordingPrinter::Text* title = drawnAt(p, 1000, 1000);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text, QStringLiteral("１ねん２くみ   じかんわり"));
    EXPECT_EQ(title->fontSize, 32);
    EXPECT_EQ(textAt(p, 6000, 2000), QStringLiteral("せんせい　　山田花子"));

    const RecordingPrinter::Picture* kokugo = pictureIn(p, 1, 1);
    ASSERT_NE(kokugo, nullptr);
    EXPECT_EQ(kokugo->image, sheetPicture(12)); // こくご
    EXPECT_EQ(kokugo->width, 1350);
    EXPECT_EQ(kokugo->height, 1350);
    EXPECT_EQ(p.pictures().size(), 1);
    EXPECT_EQ(lengthIn(p, 1, 1), QStringLiteral("４５分"));
}

TEST(WeekPlanSheet, UpperGradesGetKanjiTitlesAndPictures)
{
    auto s = makePlan(2001, 5);
    s->strClass = QStringLiteral("3");
    timetableDay(*s, 3).strSubject = kE + kE + QStringLiteral("国");
    const RecordingPrinter p = printWeek(*s);
    EXPECT_EQ(textAt(p, 1000, 1000), QStringLiteral("５年３組   時 間 割"));
    EXPECT_EQ(textAt(p, 6000, 2000), QStringLiteral("担任　（山田花子）"));
    const RecordingPrinter::Picture* kokugo = pictureIn(p, 3, 2);
    ASSERT_NE(kokugo, nullptr);
    EXPECT_EQ(kokugo->image, sheetPicture(0));
}

TEST(WeekPlanSheet, ALongTeacherLineShrinksToStayInsideTheFrame)
{
    // 12 full-width characters at 18 points (360 twips each) reach 10320 of the frame's 10400: as
    // before. Two names and a role make 18 characters: 4400 / 18 / 20 points.
    const struct {
        QString teacher;
        double points;
    } cases[] = {
        {QStringLiteral("山田花子太郎次"), 18},
        {QStringLiteral("長谷川奈々子・副担任佐々木"), 4400.0 / (18 * 20)},
        {QStringLiteral("Yamada Hanako, Sasaki Hina"), 4400.0 / ((5 + 26 * 0.5) * 20)},
    };
    for (const auto& c : cases) {
        auto s = makePlan(2001, 5);
        s->strTeacher = c.teacher;
        const RecordingPrinter p = printWeek(*s);
        const RecordingPrinter::Text* line = drawnAt(p, 6000, 2000);
        ASSERT_NE(line, nullptr);
        EXPECT_NEAR(line->fontSize, c.points, 1e-9) << c.teacher.toStdString();
        EXPECT_EQ(drawnAt(p, 1170, 3800)->fontSize, 18) << "the headings keep their size";
    }
}

TEST(WeekPlanSheet, TitleWithAClassThatIsNoDigit)
{
    struct Case {
        int grade;
        const char* strClass;
        const char16_t* title;
    };
    for (const Case& c : {Case{2, "さくら", u"２年さくら組   じかんわり"},
                          {2, "10", u"２年10組   じかんわり"},
                          {4, "ひまわり", u"４年ひまわり組   時 間 割"}}) {
        auto s = makePlan(2001, c.grade);
        s->strClass = QString::fromUtf8(c.strClass);
        EXPECT_EQ(textAt(printWeek(*s), 1000, 1000), QString::fromUtf16(c.title)) << c.strClass;
    }
}

TEST(WeekPlanSheet, PeriodLengthsUnderThePictures)
{
    auto s = makePlan(2001, 4);
    s->strTimeCredit[1] = QStringLiteral("12340"); // Tuesday: no digits for periods 5 and 6
    timetableDay(*s, 2).strSubject = QStringLiteral("算算算算算算算");
    const RecordingPrinter p = printWeek(*s);

    const char16_t* expected[] = {u"１５分", u"３０分", u"４５分", u"６０分", nullptr, u"６０分", u"６０分"};
    for (int period = 0; period < 7; ++period) {
        if (expected[period]) {
            EXPECT_EQ(lengthIn(p, 2, period), QString::fromUtf16(expected[period])) << period;
            ASSERT_NE(pictureIn(p, 2, period), nullptr) << period;
            EXPECT_EQ(pictureIn(p, 2, period)->image, sheetPicture(2)) << period;
        } else {
            // A period the weekday does not have shows no lesson, whatever its subject.
            EXPECT_EQ(lengthIn(p, 2, period), QStringLiteral("<none>"));
            EXPECT_EQ(pictureIn(p, 2, period), nullptr);
        }
    }
    EXPECT_EQ(drawnAt(p, 2200 + 1450, 4600)->fontSize, 10);
}

TEST(WeekPlanSheet, BlankAndMissingPeriodsStayEmpty)
{
    auto s = makePlan(2001, 3);
    timetableDay(*s, 5).strSubject = QStringLiteral("体") + kE + QStringLiteral("音"); // periods 3–6 missing
    const RecordingPrinter p = printWeek(*s);
    EXPECT_NE(pictureIn(p, 5, 0), nullptr);
    EXPECT_EQ(pictureIn(p, 5, 1), nullptr);
    EXPECT_EQ(lengthIn(p, 5, 1), QStringLiteral("<none>"));
    EXPECT_NE(pictureIn(p, 5, 2), nullptr);
    EXPECT_EQ(p.pictures().size(), 2);
}

TEST(WeekPlanSheet, EmptyTimetablePrintsOnlyTitlesHeadingsAndGrid)
{
    auto s = makePlan(2001, 3);
    const RecordingPrinter p = printWeek(*s);
    EXPECT_TRUE(p.pictures().isEmpty());
    EXPECT_EQ(p.texts().size(), 2 + 6 + 7);
    EXPECT_EQ(textAt(p, 2250, 2720), QStringLiteral("月"));
    EXPECT_EQ(textAt(p, 2250 + 5 * 1450, 2720), QStringLiteral("土"));
    EXPECT_EQ(textAt(p, 1170, 3800), QStringLiteral("０"));
    EXPECT_EQ(textAt(p, 1170, 3800 + 6 * 1650), QStringLiteral("６"));
    EXPECT_EQ(drawnAt(p, 1170, 3800)->fontSize, 18);

    struct Line {
        double x1, y1, x2, y2;
        int width;
    };
    const Line lines[] = {
        {1000, 2500, 1000, 14744, 8},   {10400, 2500, 10400, 14744, 8}, {1000, 2500, 10400, 2500, 8},
        {1000, 14744, 10400, 14744, 8}, {1700, 2500, 1700, 14744, 5},   {1000, 3200, 10400, 3200, 5},
        {3150, 2500, 3150, 14744, 2},   {10400, 2500, 10400, 14744, 2}, {1000, 4850, 10400, 4850, 2},
        {1000, 14750, 10400, 14750, 2},
    };
    for (const Line& l : lines)
        EXPECT_TRUE(p.hasLine(l.x1, l.y1, l.x2, l.y2, l.width))
            << l.x1 << "," << l.y1 << " - " << l.x2 << "," << l.y2 << " width " << l.width;
    EXPECT_EQ(p.lines().size(), 4 + 2 + 6 + 7);
}

TEST(WeekPlanSheet, SubjectsWithoutAPictureAreNamedInTheirCell)
{
    for (int grade : {1, 5}) {
        auto s = makePlan(2001, grade);
        timetableDay(*s, 4).strSubject = kE + QStringLiteral("児社");
        const RecordingPrinter p = printWeek(*s);
        EXPECT_EQ(pictureIn(p, 4, 1), nullptr) << grade;
        EXPECT_EQ(textsWithin(p, 1750 + 3 * 1450, 3250 + 1650, 1750 + 4 * 1450, 3250 + 2 * 1650), 2) << grade;
        EXPECT_NE(p.findText(QStringLiteral("児童会")), nullptr) << grade;
        ASSERT_NE(pictureIn(p, 4, 2), nullptr) << grade;
        EXPECT_EQ(pictureIn(p, 4, 2)->image, sheetPicture(1)) << grade; // 社会 in every grade
    }
}

TEST(WeekPlanSheet, DaysOutsideMondayToSaturdayArePassedOver)
{
    auto s = makePlan(2001, 3);
    RivoDayTime& saturday = timetableDay(*s, 6);
    saturday.strSubject = QStringLiteral("国国");
    saturday.intWeekName = 0;
    const RecordingPrinter p = printWeek(*s);
    EXPECT_TRUE(p.pictures().isEmpty());
    EXPECT_EQ(p.documentsEnded(), 1);
}
