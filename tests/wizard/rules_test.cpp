// The wizard's rules without a display: conversions of the boxes, the hour-box check, the key
// moves of the annual plan, the list of added days off and the composed label texts.
#include "calendar/dates.h"
#include "core/plandefaults.h"
#include "ui/wizard/classrules.h"
#include "ui/wizard/daysoff.h"
#include "ui/wizard/holidayboxes.h"
#include "ui/wizard/periodlengths.h"
#include "ui/wizard/timetablerules.h"
#include "ui/wizard/wizardtexts.h"
#include "ui/wizard/yearplanboxes.h"

#include <gtest/gtest.h>

TEST(ClassRules, YearEntriesAndStoredYears)
{
    EXPECT_EQ(yearEntryText(0), QStringLiteral("平成12年度"));
    EXPECT_EQ(yearEntryText(10), QStringLiteral("平成22年度"));
    EXPECT_EQ(yearEntryText(18), QStringLiteral("平成30年度"));
    EXPECT_EQ(yearEntryText(19), QStringLiteral("令和元年度"));
    EXPECT_EQ(yearEntryText(26), QStringLiteral("令和8年度"));
    EXPECT_EQ(yearEntryText(30), QStringLiteral("令和12年度"));
    const std::pair<int, int> years[] = {{2000, 0},  {2005, 5},  {2010, 10}, {2011, 11}, {2026, 26},
                                         {2030, 30}, {1999, -1}, {2031, -1}, {0, -1},    {-5, -1}};
    for (const auto& [year, entry] : years)
        EXPECT_EQ(yearEntryOfYear(year), entry) << year;
}

TEST(ClassRules, GradeTextNeverFailsAndDefaultsToOne)
{
    const std::pair<const char*, int> grades[] = {{"1", 1},  {"6", 6},  {" 4 ", 4},   {"", 1},
                                                  {"三", 1}, {"2a", 1}, {"99999", 1}, {"-3", -3}};
    for (const auto& [text, grade] : grades)
        EXPECT_EQ(gradeFromText(QString::fromUtf8(text)), grade) << '"' << text << '"';
}

TEST(ClassRules, LineBreaksAreTakenOut)
{
    EXPECT_EQ(withoutLineBreaks(QStringLiteral("山田\r\n太郎\n先生\r")), QStringLiteral("山田太郎先生"));
    EXPECT_EQ(withoutLineBreaks(QString::fromUtf16(u"a\u2028b\u2029c")), QStringLiteral("abc"));
    EXPECT_EQ(withoutLineBreaks(QStringLiteral("1年 2組")), QStringLiteral("1年 2組"));
}

TEST(HolidayBoxRules, OffersAndNumbers)
{
    EXPECT_EQ(holidayBoxOffer(0).firstDay, 2);
    EXPECT_EQ(holidayBoxOffer(0).lastDay, 11);
    EXPECT_EQ(holidayBoxOffer(8).lastDay, 28);
    EXPECT_LT(holidayBoxOffer(6).lastDay, holidayBoxOffer(6).firstDay) << "there is no box 6";
    const std::pair<const char*, std::optional<int>> texts[] = {{"31", 31},
                                                                {" 7 ", 7},
                                                                {"０", 0},
                                                                {"２５", 25},
                                                                {"", std::nullopt},
                                                                {"a", std::nullopt},
                                                                {"2.5", std::nullopt},
                                                                {"1 2", std::nullopt},
                                                                {"99999", std::nullopt}};
    for (const auto& [text, number] : texts)
        EXPECT_EQ(dayBoxNumber(QString::fromUtf8(text)), number) << '"' << text << '"';
    std::array<QString, kHolidayBoxCount> all;
    all.fill(QStringLiteral("3"));
    all[2] = QStringLiteral("x");
    const HolidayBoxes boxes = holidayBoxesFromTexts(all);
    EXPECT_EQ(boxes[0], 3);
    EXPECT_FALSE(boxes[2].has_value());
    EXPECT_FALSE(boxes[6].has_value());
}

TEST(PeriodLengthRules, EntriesAndStrings)
{
    const struct {
        const char* credit;
        int period;
        int entry;
    } cases[] = {{"1333320", 0, 1}, {"1333320", 5, 2}, {"1333320", 6, 0}, {"13333", 5, 0},   {"", 0, 0},
                 {"9333330", 0, 4}, {"x333330", 0, 0}, {"1333320", 7, 0}, {"1333320", -1, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(periodLengthEntry(QString::fromUtf8(c.credit), c.period), c.entry)
            << c.credit << " " << c.period;
    EXPECT_EQ(timeCreditOfEntries({1, 3, 3, 3, 3, 2, 0}), QStringLiteral("1333320"));
    EXPECT_EQ(timeCreditOfEntries({-1, 5, 4, 0, 0, 0, 9}), QStringLiteral("0040000"));
}

TEST(TimetableRules, PaletteAndPeriodLooks)
{
    EXPECT_EQ(subGetSubject(u'総'), 0);
    EXPECT_EQ(subGetSubject(u'ク'), 12);
    for (QChar c : {u'児', u'行', u'切', u'予', u'　', u'x'})
        EXPECT_EQ(subGetSubject(c), -1);

    const struct {
        char16_t initial;
        const char16_t* caption;
        int palette;
    } looks[] = {{u'国', u"国語", 1},  {u'ク', u"クラブ", 12}, {u'児', u"児童会", -1}, {u'切', u"打切り", -1},
                 {u'予', u"予備", -1}, {u'　', u"", -1},       {u'Z', u"Z", -1}};
    for (const auto& l : looks) {
        const PeriodLook look = periodLook(QChar(l.initial));
        EXPECT_EQ(look.caption, QString::fromUtf16(l.caption));
        EXPECT_EQ(look.paletteIndex, l.palette);
    }
    EXPECT_EQ(periodInitial(QStringLiteral("　国"), 1), QChar(u'国'));
    EXPECT_EQ(periodInitial(QStringLiteral("　国"), 2), QChar(u'　'));
    EXPECT_EQ(periodInitial(QString(), 0), QChar(u'　'));
    EXPECT_EQ(daySubjects({u'　', u'国', u'算', QChar(), u'予', u'　', u'体'}),
              QStringLiteral("　国算　予　体"));
}

TEST(HourBoxCheck, ValidAndInvalidTexts)
{
    const struct {
        const char* text;
        std::optional<int> units;
    } cases[] = {
        {"32.1", 97},
        {"32", 96},
        {"0.2", 2},
        {"0", 0},
        {"-1.1", -4},
        {"+2.2", 8},
        {"1.0", 3},
        {" 3", 9},
        {"32.5", std::nullopt},
        {"3.12", std::nullopt},
        {"32.", std::nullopt},
        {".1", std::nullopt},
        {"1.a", std::nullopt},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"1.2.3", std::nullopt},
        {"-.1", std::nullopt},
        {"1e9", std::nullopt},
        {"10922.2", std::nullopt},
        {"10922.1", 32767},
        {"-10922.2", -32768},
        {"nan", std::nullopt},
        {"inf", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(hourBoxUnits(QString::fromUtf8(c.text)), c.units) << '"' << c.text << '"';
        if (c.units) {
            EXPECT_TRUE(isValidHourBox(QString::fromUtf8(c.text))) << c.text;
        }
    }
}

namespace {
std::array<QString, kBaseBoxes> baseOf(std::initializer_list<const char*> texts)
{
    std::array<QString, kBaseBoxes> boxes;
    boxes.fill(QStringLiteral("0"));
    std::size_t i = 0;
    for (const char* t : texts)
        boxes[i++] = QString::fromUtf8(t);
    return boxes;
}
std::array<QString, kPlanBoxes> planOf(std::initializer_list<std::pair<int, const char*>> texts)
{
    std::array<QString, kPlanBoxes> boxes;
    boxes.fill(QStringLiteral("0"));
    for (const auto& [i, t] : texts)
        boxes[static_cast<std::size_t>(i)] = QString::fromUtf8(t);
    return boxes;
}
} // namespace

TEST(YearPlanCheck, FiguresOfThePlan)
{
    const CheckedYearPlan checked = checkYearPlan(
        baseOf({"105", "70", "x"}), planOf({{0, "35"}, {1, "35.0"}, {2, "35.1"}, {4, "1.a"}, {50, "2"}}));
    const YearPlanFigures& f = checked.figures;
    EXPECT_EQ(checked.baseTexts[2], QStringLiteral("0"));
    EXPECT_EQ(checked.planTexts[4], QStringLiteral("0"));
    EXPECT_EQ(checked.planTexts[2], QStringLiteral("35.1"));
    EXPECT_EQ(f.base.kokugo, 315);
    EXPECT_EQ(f.base.KyoukaSyoukei, 525);
    EXPECT_EQ(f.base.SouJisuu, 525);
    EXPECT_EQ(f.term[2].kokugo, 106);
    EXPECT_EQ(f.term[2].yobi, 6);
    EXPECT_EQ(f.term[2].SouJisuu, 112);
    EXPECT_EQ(f.year.kokugo, 316);
    EXPECT_EQ(f.year.SouJisuu, 322);
    EXPECT_EQ(f.difference[0], 1);
    EXPECT_EQ(f.difference[1], -210);
    EXPECT_EQ(f.difference[16], 6);
    EXPECT_EQ(f.difference[17], 322 - 525);
}

TEST(YearPlanCheck, ValuesThatWouldOverflowAreResetInIndexOrder)
{
    // 国語 and 社会 together leave the subtotal; the later box gives way.
    CheckedYearPlan c = checkYearPlan(baseOf({"10922.1", "0.1"}), planOf({}));
    EXPECT_EQ(c.baseTexts[0], QStringLiteral("10922.1"));
    EXPECT_EQ(c.baseTexts[1], QStringLiteral("0"));
    EXPECT_EQ(c.figures.base.SouJisuu, 32767);

    // A base of -32768 would make the difference with an empty plan 32768.
    c = checkYearPlan(baseOf({"-10922.2"}), planOf({}));
    EXPECT_EQ(c.baseTexts[0], QStringLiteral("0"));

    // The terms sum into the year.
    c = checkYearPlan(baseOf({}), planOf({{0, "5000"}, {1, "5000"}, {2, "5000"}}));
    EXPECT_EQ(c.planTexts[1], QStringLiteral("5000"));
    EXPECT_EQ(c.planTexts[2], QStringLiteral("0"));
    EXPECT_EQ(c.figures.year.kokugo, 30000);

    // The difference year minus base leaves the range although every sum fits.
    c = checkYearPlan(baseOf({"-5000"}), planOf({{0, "6000"}}));
    EXPECT_EQ(c.baseTexts[0], QStringLiteral("-5000"));
    EXPECT_EQ(c.planTexts[0], QStringLiteral("0"));
    EXPECT_EQ(c.figures.difference[0], 15000);
}

TEST(YearPlanKeys, KeysAndWhereTheyMove)
{
    EXPECT_EQ(classifyBoxKey(Qt::Key_5, Qt::NoModifier), BoxKey::Typed);
    EXPECT_EQ(classifyBoxKey(Qt::Key_5, Qt::KeypadModifier), BoxKey::Typed);
    EXPECT_EQ(classifyBoxKey(Qt::Key_Period, Qt::KeypadModifier), BoxKey::Typed);
    EXPECT_EQ(classifyBoxKey(Qt::Key_Comma, Qt::KeypadModifier), BoxKey::Typed);
    EXPECT_EQ(classifyBoxKey(Qt::Key_Comma, Qt::NoModifier), BoxKey::ResetsBox);
    EXPECT_EQ(classifyBoxKey(Qt::Key_Enter, Qt::KeypadModifier), BoxKey::Enter);
    for (int key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Minus, Qt::Key_A, Qt::Key_Space, Qt::Key_Home})
        EXPECT_EQ(classifyBoxKey(key, Qt::NoModifier), BoxKey::ResetsBox) << key;
    for (int key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Tab, Qt::Key_Backtab})
        EXPECT_EQ(classifyBoxKey(key, Qt::NoModifier), BoxKey::Ignored) << key;

    const struct {
        int from;
        BoxKey key;
        int base;
        int plan;
    } moves[] = {
        {0, BoxKey::Left, 16, 50}, {0, BoxKey::Up, 16, 48},    {1, BoxKey::Up, 0, 49},
        {49, BoxKey::Down, -1, 1}, {16, BoxKey::Right, 0, 17}, {16, BoxKey::Enter, 0, 17},
        {16, BoxKey::Down, 0, 19}, {50, BoxKey::Right, -1, 0}, {48, BoxKey::Down, -1, 0},
        {2, BoxKey::Up, 1, 50},    {5, BoxKey::Typed, -1, -1},
    };
    for (const auto& m : moves) {
        if (m.from < kBaseBoxes) {
            EXPECT_EQ(baseBoxAfter(m.from, m.key), m.base) << m.from;
        }
        EXPECT_EQ(planBoxAfter(m.from, m.key), m.plan) << m.from;
    }
}

TEST(DaysOff, AddingAndRemovingKeepsTheListInOrder)
{
    AppState state;
    InitPlanDefaults(state);
    const QDate a(2001, 6, 15), b(2001, 9, 10), c(2002, 2, 5);
    for (const QDate d : {a, b, c})
        EXPECT_EQ(addDayOff(state, d), AddDayOff::Added);
    EXPECT_EQ(state.intHolidayCount, 17);
    EXPECT_TRUE(removeDayOff(state, b));
    EXPECT_EQ(state.intHolidayCount, 16);
    EXPECT_EQ(state.dateHoliday[15], c);
    EXPECT_EQ(state.intHoliday[15], DayOfYear(c));
    EXPECT_EQ(state.dateHoliday[16], zeroDate()) << "the freed slot looks unused again";
    EXPECT_FALSE(removeDayOff(state, b));

    // Entries 0 to 13 are the national holidays; only added days are removed.
    state.intHoliday[3] = DayOfYear(QDate(2001, 5, 5));
    EXPECT_FALSE(removeDayOff(state, QDate(2001, 5, 5)));
}

TEST(DaysOff, RegisteredDaysAndAFullListAreRefused)
{
    AppState state;
    InitPlanDefaults(state);
    auto day = std::make_unique<RivoDayTime>();
    day->dateThisDay = QDate(2002, 1, 22);
    day->intThisDay = DayOfYear(day->dateThisDay);
    day->boolWorkDay = true;
    state.objDayChain->appendDay(std::move(day));
    EXPECT_EQ(addDayOff(state, QDate(2002, 1, 22)), AddDayOff::Registered);
    EXPECT_EQ(state.intHolidayCount, 14);

    state.intHolidayCount = kMaxHolidayCount - 1;
    EXPECT_EQ(addDayOff(state, QDate(2001, 10, 1)), AddDayOff::Added);
    EXPECT_EQ(state.intHolidayCount, kMaxHolidayCount);
    EXPECT_EQ(addDayOff(state, QDate(2001, 10, 2)), AddDayOff::ListFull);
    EXPECT_EQ(state.intHolidayCount, kMaxHolidayCount);
    EXPECT_EQ(state.dateHoliday[kHolidaySlots - 1], zeroDate()) << "the last slot stays free";
}

TEST(WizardTexts, ComposedLabels)
{
    EXPECT_EQ(schoolDaysLabel(1, 71), QStringLiteral("１学期の授業日数　71日"));
    EXPECT_EQ(schoolDaysLabel(3, 0), QStringLiteral("３学期の授業日数　0日"));
    EXPECT_EQ(schoolDaysLabel(0, 203), QStringLiteral("年間の授業日数　203日"));
    EXPECT_EQ(weekTimeLabel(1, 15), QStringLiteral("国語　　5.0 時間"));
    EXPECT_EQ(weekTimeLabel(12, 4), QStringLiteral("クラブ　1.1 時間"));
    EXPECT_EQ(periodName(0, 2), QStringLiteral("月曜 2時限"));
    EXPECT_EQ(periodName(5, 0), QStringLiteral("土曜 0時限"));
    EXPECT_EQ(periodHeading(6), QStringLiteral("６"));
}
