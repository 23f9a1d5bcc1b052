// The plan file: what the writer puts on each line, what the reader makes of it, and what a bad
// file, a text the code page cannot hold or a failed save leave behind.
#include "planbuilder.h"

#include "calendar/schoolday.h"
#include "core/mirteerror.h"
#include "core/subjects.h"
#include "planfile/planfile.h"
#include "planfile/planformat.h"
#include "planfile/planreader.h"
#include "planfile/planwriter.h"
#include "totals/tally.h"
#include "totals/yeartotals.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

// A plan with something in every part of the file: Thursday's lengths left unset, days off added
// in two terms, base and plan hours, a withdrawn day, an empty event and characters only the
// Windows code page has.
AppState richPlan()
{
    AppState s = makePlan(2001, 3);
    s.strClass = u"2"_s;
    s.strTeacher = u"髙橋 美咲"_s;
    s.strTimeCredit[3].clear();
    setTimetable(s, {u"学国算社体学　"_s, u"国国算理音図　"_s, u"算国社算体道　"_s, u"　国算理図総　"_s,
                     u"国国社算音総　"_s, u"　国体　　　　"_s});
    addDayOff(s, QDate(2001, 5, 21));
    addDayOff(s, QDate(2002, 2, 12));
    s.objYearBase->kokugo = 705;
    s.objYearBase->doutoku = -4; // typed as minus 1.1
    s.objYearBase->recomputeSubtotals();
    auto terms = s.objYearPlan->terms();
    terms[0]->kokugo = 247;
    terms[1]->kokugo = 282;
    terms[2]->kokugo = 176;
    terms[1]->yobi = 5;
    terms[2]->KyoukaSyoukei = 999; // stored as typed, never recomputed by the reader
    calculate(*s.objYearPlan);
    addDay(s, QDate(2001, 4, 5), u"　行学　　　　"_s, u"始業式"_s);
    addDay(s, QDate(2001, 4, 23), u"学国算社切切　"_s, u"家庭訪問"_s);
    addDay(s, QDate(2001, 7, 18), u"国国算理音図　"_s, {}, true);
    addDay(s, QDate(2002, 1, 15), u"国国算理音図　"_s, u"①～Ⅰ﨑"_s);
    addDay(s, QDate(2002, 3, 18), u"算国社算体道　"_s);
    return s;
}

QStringList linesOf(const QByteArray& bytes)
{
    QStringDecoder decoder(kPlanCodePage);
    QStringList lines = QString(decoder.decode(bytes)).split(u"\r\n"_s);
    EXPECT_TRUE(lines.last().isEmpty()) << "the last line ends with CR LF";
    lines.removeLast();
    return lines;
}

void expectSameCounts(const UnitCounts& a, const UnitCounts& b, const char* what)
{
    for (Field f : kAllFields)
        EXPECT_EQ(a[f], b[f]) << what << " " << fieldName(f).toStdString();
}

// Everything the file stores, and what the reader rebuilds from it.
void expectSamePlan(const AppState& a, const AppState& b)
{
    for (std::size_t d = 0; d < 6; ++d)
        EXPECT_EQ(a.strTimeCredit[d], b.strTimeCredit[d]) << "strTimeCredit " << d;
    EXPECT_EQ(a.intYear, b.intYear);
    EXPECT_EQ(a.intGrade, b.intGrade);
    EXPECT_EQ(a.strClass, b.strClass);
    EXPECT_EQ(a.strTeacher, b.strTeacher);
    for (const CalendarDateSlot& slot : kCalendarDates) {
        EXPECT_EQ(a.*slot.date, b.*slot.date);
        EXPECT_EQ(a.*slot.dayOfYear, b.*slot.dayOfYear);
    }
    EXPECT_EQ(a.boolSat2nd4thOff, b.boolSat2nd4thOff);
    EXPECT_EQ(a.boolSatAllOff, b.boolSatAllOff);
    ASSERT_EQ(a.intHolidayCount, b.intHolidayCount);
    for (std::size_t i = 0; i < static_cast<std::size_t>(a.intHolidayCount); ++i) {
        EXPECT_EQ(a.dateHoliday[i], b.dateHoliday[i]) << "holiday " << i;
        EXPECT_EQ(a.intHoliday[i], b.intHoliday[i]) << "holiday " << i;
    }
    expectSameCounts(*a.objYearBase, *b.objYearBase, "base");
    const RivoDayTime* da = a.objWeekTimetable->objFirstDay;
    const RivoDayTime* db = b.objWeekTimetable->objFirstDay;
    for (int d = 0; d < 6; ++d, da = da->objNextDay.get(), db = db->objNextDay.get())
        EXPECT_EQ(da->strSubject, db->strSubject) << "timetable " << d;
    expectSameCounts(*a.objWeekTimetable, *b.objWeekTimetable, "timetable");
    for (int t = 0; t < 3; ++t)
        expectSameCounts(*a.objYearPlan->terms()[t], *b.objYearPlan->terms()[t], "plan term");
    expectSameCounts(*a.objYearPlan, *b.objYearPlan, "plan year");
    ASSERT_EQ(countDays(*a.objDayChain), countDays(*b.objDayChain));
    da = a.objDayChain->objNextDay.get();
    db = b.objDayChain->objNextDay.get();
    for (; da; da = da->objNextDay.get(), db = db->objNextDay.get()) {
        EXPECT_EQ(da->dateThisDay, db->dateThisDay);
        EXPECT_EQ(da->intThisDay, db->intThisDay);
        EXPECT_EQ(da->intWeekName, db->intWeekName);
        EXPECT_EQ(da->strSubject, db->strSubject);
        EXPECT_EQ(da->strComment, db->strComment);
        EXPECT_EQ(da->boolNowPlanning, db->boolNowPlanning);
        EXPECT_EQ(da->boolWorkDay, db->boolWorkDay);
    }
}

QByteArray cp932(const QString& text)
{
    QStringEncoder encoder(kPlanCodePage);
    return encoder.encode(text);
}

QByteArray joinLines(const QList<QByteArray>& lines)
{
    QByteArray out;
    for (const QByteArray& l : lines)
        out += l + "\r\n";
    return out;
}

QList<QByteArray> byteLines(const QByteArray& bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();
    for (QByteArray& l : lines)
        l.chop(1);
    return lines;
}

int lineCount(const QByteArray& bytes)
{
    return static_cast<int>(bytes.count("\r\n"));
}

// Line numbers of a plan with N holidays: the first line of each part.
struct Layout {
    int holidays;
    int firstPair() const { return 38; }
    int base() const { return 38 + 2 * (holidays + 1); }
    int timetable() const { return base() + 21; }
    int plan() const { return timetable() + 6; }
    int days() const { return plan() + 63; }
};

class TempDir : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray readFile(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir m_dir;
};

} // namespace

// ---------------------------------------------------------------------------------------------
// Writing and reading back

TEST(PlanFileRoundTrip, WrittenAndReadBackIsTheSamePlanAndTheSameBytes)
{
    const AppState plan = richPlan();
    const QByteArray bytes = serializePlan(plan);
    const AppState back = readPlan(bytes, u"rich.rv"_s);
    expectSamePlan(plan, back);
    EXPECT_EQ(serializePlan(back), bytes);
}

TEST(PlanFileRoundTrip, LineCountIsTheLayoutFormula)
{
    struct Case {
        int addedDaysOff;
        int days;
    };
    for (const Case c : {Case{0, 0}, Case{0, 1}, Case{3, 0}, Case{186, 40}}) {
        AppState plan = makePlan(2004, 1);
        for (int i = 0; i < c.addedDaysOff; ++i)
            addDayOff(plan, QDate(2004, 6, 1).addDays(i));
        for (int i = 0; i < c.days; ++i)
            addDay(plan, QDate(2005, 1, 10).addDays(i), u"国国国国国国国"_s);
        const QByteArray bytes = serializePlan(plan);
        const int n = kFixedHolidayCount + c.addedDaysOff;
        EXPECT_EQ(lineCount(bytes), 37 + 2 * (n + 1) + 21 + 6 + 63 + 5 * c.days) << n << " " << c.days;
        EXPECT_EQ(lineCount(bytes), planFileLineCount(n, c.days));
        EXPECT_EQ(bytes.count('\n'), lineCount(bytes)) << "every line ends with CR LF";
        EXPECT_EQ(readPlan(bytes, u"x.rv"_s).intHolidayCount, n);
    }
}

TEST(PlanFileRoundTrip, ValueFormsOnTheirLines)
{
    const AppState plan = richPlan();
    const QStringList lines = linesOf(serializePlan(plan));
    const Layout at{plan.intHolidayCount};
    EXPECT_EQ(lines[0], u"1333320"_s);
    EXPECT_EQ(lines[3], QString()) << "unset period lengths stay an empty line";
    EXPECT_EQ(lines[6], u" 2001"_s);
    EXPECT_EQ(lines[7], u" 3"_s);
    EXPECT_EQ(lines[8], u"2"_s);
    EXPECT_EQ(lines[9], u"髙橋 美咲"_s);
    EXPECT_EQ(lines.mid(10, 4), (QStringList{u" 4"_s, u" 1"_s, u" 4"_s, u" 4"_s}))
        << "spring vacation 4/1–4/4";
    EXPECT_EQ(lines[34], u"False"_s);
    EXPECT_EQ(lines[36], u" 16"_s);
    // 29 April 2001 is a Sunday: the entry moved to Monday 30 April.
    EXPECT_EQ(lines.mid(37, 2), (QStringList{u" 4"_s, u" 30"_s}));
    // Field blocks are alphabetical: doutoku first, kokugo sixth.
    EXPECT_EQ(lines[at.base() - 1], u"-4 "_s);
    EXPECT_EQ(lines[at.base() - 1 + 5], u" 705 "_s);
    EXPECT_EQ(lines[at.timetable() - 1], u"学国算社体学　"_s);
    EXPECT_EQ(lines[at.plan() - 1 + 5], u" 247 "_s);
    EXPECT_EQ(lines[at.plan() - 1 + 21 + 19], u" 5 "_s) << "term 2 yobi";
    EXPECT_EQ(lines.mid(at.days() - 1, 5),
              (QStringList{u" 4"_s, u" 5"_s, u"　行学　　　　"_s, u"始業式"_s, u"False"_s}));
}

TEST(PlanFileRoundTrip, NewPlanWritesFourteenHolidaysAndFifteenPairs)
{
    const AppState plan = makePlan(2000, 2);
    const QStringList lines = linesOf(serializePlan(plan));
    EXPECT_EQ(lines[36], u" 14"_s);
    // Slot 14 was never used: the zero date, month 12 and day 30.
    EXPECT_EQ(lines.mid(37 + 28, 2), (QStringList{u" 12"_s, u" 30"_s}));
    EXPECT_EQ(lines[37 + 30], u" 0 "_s) << "the base block follows the fifteenth pair";

    const AppState back = readPlan(serializePlan(plan), u"new.rv"_s);
    EXPECT_EQ(back.intHolidayCount, 14);
    EXPECT_EQ(back.dateHoliday[14], QDate(2000, 12, 30));
    // Beyond the count it is no day off: a plan without a winter vacation still has lessons then.
    AppState open = readPlan(serializePlan(plan), u"new.rv"_s);
    open.intWinterFrom = 366;
    open.intWinterTo = 0;
    EXPECT_TRUE(IsSchoolDay(open, QDate(2000, 12, 29)) && IsSchoolDay(open, QDate(2000, 12, 30)));
}

TEST(PlanFileRoundTrip, EmptyTextsAndWithdrawnDaysComeBack)
{
    AppState plan = makePlan(2001, 3);
    for (auto& lengths : plan.strTimeCredit)
        lengths.clear();
    plan.strClass.clear();
    addDay(plan, QDate(2001, 10, 15), u"国国国国国国国"_s, {}, true);
    addDay(plan, QDate(2001, 10, 16), u"国国国国国国国"_s, {});
    const QByteArray bytes = serializePlan(plan);
    const QStringList lines = linesOf(bytes);
    EXPECT_EQ(lines.last(), u"False"_s);
    EXPECT_EQ(lines[lines.size() - 6], u"True"_s) << "the withdrawn day keeps its record";
    EXPECT_EQ(lines[lines.size() - 7], QString()) << "an empty event is an empty line";

    AppState back = readPlan(bytes, u"x.rv"_s);
    for (std::size_t d = 0; d < 6; ++d)
        EXPECT_TRUE(back.strTimeCredit[d].isEmpty());
    const RivoDayTime* withdrawn = back.objDayChain->objNextDay.get();
    ASSERT_NE(withdrawn, nullptr);
    EXPECT_TRUE(withdrawn->boolNowPlanning);
    EXPECT_TRUE(withdrawn->strComment.isEmpty());
    EXPECT_FALSE(back.objDayChain->searchDay(QDate(2001, 10, 15))) << "a withdrawn day is not registered";
    EXPECT_TRUE(back.objDayChain->searchDay(QDate(2001, 10, 16)));
}

// ---------------------------------------------------------------------------------------------
// Reading

TEST(PlanFileReader, RebuildsWhatTheFileDoesNotHold)
{
    const AppState back = readPlan(serializePlan(richPlan()), u"rich.rv"_s);
    // Days: weekday 0 = Sunday, day-of-year of the date's own calendar year, registered.
    const RivoDayTime* january = back.objDayChain->objNextDay->objNextDay->objNextDay->objNextDay.get();
    ASSERT_EQ(january->dateThisDay, QDate(2002, 1, 15));
    EXPECT_EQ(january->intWeekName, 2);
    EXPECT_EQ(january->intThisDay, 15);
    EXPECT_TRUE(january->boolWorkDay);
    EXPECT_EQ(back.intHoliday[15], 43) << "12 February";
    EXPECT_EQ(back.intYearEndTo, 90);
    // Timetable totals from the lengths: Monday 学(1) 国(3) 算(3) 社(3) 体(3) 学(2), Thursday none.
    EXPECT_EQ(back.objWeekTimetable->gakkyuukatsudou, 3);
    EXPECT_EQ(back.objWeekTimetable->rika, 3) << "Tuesday's 理 only; Thursday has no lengths";
    // The plan year is summed; a term's stored subtotal is kept as it was.
    EXPECT_EQ(back.objYearPlan->kokugo, 705);
    EXPECT_EQ(back.objYearPlan->KyoukaSyoukei, 705);
    EXPECT_EQ(back.objYearPlan->terms()[2]->KyoukaSyoukei, 999);
    EXPECT_EQ(back.objYearPlan->SouJisuu, 710);
    EXPECT_GT(back.intSchoolDaysYear, 0);
    EXPECT_EQ(back.intSchoolDaysYear, back.intSchoolDays1 + back.intSchoolDays2 + back.intSchoolDays3);
}

TEST(PlanFileReader, AcceptsLineFeedsLooseSpacesAndNoFinalLineEnd)
{
    const AppState plan = richPlan();
    const QByteArray crlf = serializePlan(plan);
    QByteArray lf = crlf;
    lf.replace("\r\n", "\n");
    QByteArray spaced = crlf;
    spaced.replace("\r\n 2001\r\n", "\r\n  +2001\t \r\n").replace("\r\n 705 \r\n", "\r\n705\r\n");
    for (const QByteArray& bytes : {lf, crlf.chopped(2), lf.chopped(1), spaced}) {
        const AppState back = readPlan(bytes, u"x.rv"_s);
        expectSamePlan(plan, back);
        EXPECT_EQ(serializePlan(back), crlf) << "the writer always uses its own forms";
    }
}

TEST(PlanFileReader, BlocksOutOfOrderAndRepeatedDatesKeepTheListInOrder)
{
    AppState plan = makePlan(2001, 3);
    addDay(plan, QDate(2001, 10, 15), u"算算算算算算算"_s, u"15"_s);
    addDay(plan, QDate(2001, 10, 16), u"国国国国国国国"_s, u"16"_s);
    QList<QByteArray> lines = byteLines(serializePlan(plan));
    // Then: 15 October again, 16 October (the last) again, 14 October, 17 October.
    auto block = [&](int day, const char* event) {
        lines << " 10" << QByteArray(" ") + QByteArray::number(day) << cp932(u"体体体体体体体"_s) << event
              << "False";
    };
    block(15, "15b");
    block(16, "16b");
    block(14, "14");
    block(17, "17");
    const AppState back = readPlan(joinLines(lines), u"x.rv"_s);
    QStringList order;
    for (const RivoDayTime* d = back.objDayChain->objNextDay.get(); d; d = d->objNextDay.get())
        order << u"%1:%2"_s.arg(d->dateThisDay.day()).arg(d->strComment);
    EXPECT_EQ(order, (QStringList{u"14:14"_s, u"15:15b"_s, u"16:16b"_s, u"17:17"_s}));
}

TEST(PlanFileReader, HandWrittenFileReadsAsTheGrammarSays)
{
    QFile f(QStringLiteral(MIRTE_SOURCE_DIR "/tests/data/hand-2004.rv"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const AppState s = readPlan(f.readAll(), f.fileName());
    EXPECT_EQ(s.intYear, 2004);
    EXPECT_EQ(s.intGrade, 4);
    EXPECT_EQ(s.strClass, u"3"_s);
    EXPECT_EQ(s.strTeacher, u"佐藤 一郎"_s);
    EXPECT_EQ(s.dateWinterTo, QDate(2005, 1, 7));
    EXPECT_EQ(s.intWinterTo, 7);
    EXPECT_TRUE(s.boolSatAllOff);
    EXPECT_EQ(s.intHolidayCount, 15);
    EXPECT_EQ(s.dateHoliday[4], QDate(2004, 7, 19));
    EXPECT_EQ(s.dateHoliday[14], QDate(2004, 6, 18));
    EXPECT_EQ(s.objYearBase->kokugo, 705);
    EXPECT_EQ(s.objYearPlan->sannsuu, 450);
    EXPECT_EQ(s.objWeekTimetable->kokugo, 6) << "Monday 1333330 with 国 in periods 1 and 3";
    ASSERT_EQ(countDays(*s.objDayChain), 2);
    const RivoDayTime* day = s.objDayChain->objNextDay.get();
    EXPECT_EQ(day->dateThisDay, QDate(2004, 4, 12));
    EXPECT_EQ(day->strComment, u"始業式"_s);
    EXPECT_EQ(day->objNextDay->dateThisDay, QDate(2005, 3, 1));
    EXPECT_TRUE(day->objNextDay->boolNowPlanning);
}

TEST(PlanFileReader, EveryKeptPlanResavesByteForByte)
{
    // The example was written by the program; the hand-written file, with LF line ends, comes back
    // with CR LF.
    const struct {
        const char* path;
        bool handWritten;
    } files[] = {{MIRTE_SOURCE_DIR "/examples/sample.rv", false},
                 {MIRTE_SOURCE_DIR "/tests/data/hand-2004.rv", true}};
    for (const auto& file : files) {
        QFile f(QString::fromUtf8(file.path));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << file.path;
        const QByteArray bytes = f.readAll();
        QByteArray expected = bytes;
        if (file.handWritten)
            expected.replace("\n", "\r\n");
        EXPECT_EQ(serializePlan(readPlan(bytes, f.fileName())), expected) << file.path;
    }
}

TEST(PlanFileReader, AnOlderPlanGetsTheLawsRestDaysWithoutChangingItsFile)
{
    // A plan of 2009 as the program wrote it before: 3 May, a Sunday, moved onto 4 May only.
    AppState old = makePlan(2009, 2);
    old.dateHoliday[1] = QDate(2009, 5, 4);
    old.intHoliday[1] = static_cast<std::int16_t>(QDate(2009, 5, 4).dayOfYear());
    old.lawRestDays.clear();
    const QByteArray bytes = serializePlan(old);

    const AppState read = readPlan(bytes, u"2009.rv"_s);
    EXPECT_EQ(read.dateHoliday[1], QDate(2009, 5, 4)) << "the entry stays as stored";
    EXPECT_FALSE(IsSchoolDay(read, QDate(2009, 5, 6))) << "振替休日 of 憲法記念日";
    EXPECT_FALSE(IsSchoolDay(read, QDate(2009, 9, 22))) << "国民の休日";
    EXPECT_TRUE(IsSchoolDay(read, QDate(2009, 9, 24)));
    EXPECT_EQ(serializePlan(read), bytes);
}

// One malformed file per row: the line the reader names, a word of its message.
TEST(PlanFileReader, MalformedFilesNameTheirLine)
{
    AppState plan = makePlan(2001, 3);
    addDay(plan, QDate(2001, 10, 15), u"国国国国国国国"_s);
    addDay(plan, QDate(2001, 10, 16), u"国国国国国国国"_s);
    const QList<QByteArray> good = byteLines(serializePlan(plan));
    const Layout at{14};
    ASSERT_EQ(good.size(), at.days() + 9);

    using Edit = std::function<void(QList<QByteArray>&)>;
    auto set = [](int line, QByteArray text) -> Edit {
        return [=](QList<QByteArray>& l) { l[line - 1] = text; };
    };
    auto keep = [](int lines) -> Edit { return [=](QList<QByteArray>& l) { l = l.mid(0, lines); }; };
    struct Case {
        const char* name;
        Edit edit;
        int line;
        const char16_t* word;
    };
    const Case cases[] = {
        {"empty file", keep(0), 1, u"途中で終わって"},
        {"cut in the header", keep(36), 37, u"休日の数"},
        {"cut in the holiday pairs", keep(50), 51, u"休日"},
        {"cut in the plan", keep(at.plan() + 10), at.plan() + 11, u"1学期の計画"},
        {"year not a number", set(7, cp932(u"2001年"_s)), 7, u"数値として読めません"},
        {"year out of range", set(7, " 99"), 7, u"年度"},
        {"grade above 6", set(8, " 7"), 8, u"学年"},
        {"full-width digits", set(8, cp932(u"３"_s)), 8, u"数値として読めません"},
        {"month 13", set(11, " 13"), 11, u"1～12"},
        {"31 April", set(14, " 31"), 14, u"日付になりません"},
        {"day not a number", set(14, ""), 14, u"数値として読めません"},
        {"holiday count above 200", set(37, " 201"), 37, u"0～200"},
        {"negative holiday count", set(37, "-1"), 37, u"0～200"},
        {"30 February as a day off",
         [](QList<QByteArray>& l) {
             l[37] = " 2";
             l[38] = " 30";
         },
         39, u"日付になりません"},
        {"unit count above 16 bits", set(at.base() + 3, " 32768 "), at.base() + 3, u"範囲"},
        {"unit count with a point", set(at.plan() + 5, " 32.1 "), at.plan() + 5, u"数値として読めません"},
        {"29 February 2002",
         [&](QList<QByteArray>& l) {
             l[at.days() + 4] = " 2";
             l[at.days() + 5] = " 29";
         },
         at.days() + 6, u"日付になりません"},
        {"day block cut short", keep(at.days() + 7), at.days() + 5, u"途中で終わって"},
        {"a line missing in the last block", [](QList<QByteArray>& l) { l.removeAt(l.size() - 2); },
         at.days() + 5, u"5行のうち4行"},
        {"more than 3001 lines",
         [](QList<QByteArray>& l) {
             while (l.size() < 3002)
                 l << " 10"
                   << " 17" << cp932(u"国"_s) << ""
                   << "False";
         },
         3002, u"3001"},
        {"byte that is no CP932", set(10, "\x81\x20"), 10, u"CP932"},
        {"lead byte without its trail", set(9, "\x82"), 9, u"CP932"},
        {"carriage return inside a line", set(10, "a\rb"), 10, u"CR"},
        {"plan year beyond 16 bits",
         [&](QList<QByteArray>& l) {
             l[at.plan() - 1 + 5] = " 20000 ";
             l[at.plan() - 1 + 21 + 5] = " 20000 ";
         },
         at.plan(), u"範囲"},
        {"timetable beyond 16 bits",
         [&](QList<QByteArray>& l) {
             l[0] = QByteArray(4000, '9');
             l[at.timetable() - 1] = cp932(QString(4000, u'国'));
         },
         at.timetable(), u"週時間割"},
    };
    QTemporaryDir dir;
    AppState open = richPlan();
    open.strFileName = u"open.rv"_s;
    open.boolCalendarShown = true;
    const QByteArray openBytes = serializePlan(open);
    for (const Case& c : cases) {
        QList<QByteArray> lines = good;
        c.edit(lines);
        const QByteArray bytes = joinLines(lines);
        try {
            readPlan(bytes, u"bad.rv"_s);
            ADD_FAILURE() << c.name << ": read without complaint";
        } catch (const PlanFileError& e) {
            EXPECT_EQ(e.line(), c.line) << c.name << ": " << e.description().toStdString();
            EXPECT_TRUE(e.message().contains(QString::fromUtf16(c.word)))
                << c.name << ": " << e.message().toStdString();
            EXPECT_EQ(e.file(), u"bad.rv"_s);
            EXPECT_TRUE(e.description().startsWith(u"bad.rv:%1: "_s.arg(c.line))) << c.name;
        }

        // Opened from disk over an open plan, the same file changes nothing.
        const QString path = dir.filePath(u"bad.rv"_s);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        try {
            LoadPlanFile(open, path);
            ADD_FAILURE() << c.name << ": opened without complaint";
        } catch (const PlanFileError& e) {
            EXPECT_EQ(e.line(), c.line) << c.name;
        }
        EXPECT_EQ(serializePlan(open), openBytes) << c.name;
        EXPECT_EQ(open.strFileName, u"open.rv"_s) << c.name;
        EXPECT_TRUE(open.boolCalendarShown) << c.name;
    }
}

// ---------------------------------------------------------------------------------------------
// Opening and saving on disk

class PlanFileOnDisk : public TempDir {};

TEST_F(PlanFileOnDisk, BadFileLeavesTheOpenPlanUntouched)
{
    AppState open = richPlan();
    open.strFileName = path(u"open.rv"_s);
    open.boolCalendarShown = true;
    const QByteArray before = serializePlan(open);

    QList<QByteArray> lines = byteLines(serializePlan(makePlan(2003, 1)));
    const QList<QByteArray> good = lines;
    const struct {
        QList<QByteArray> lines;
        int line;
    } cases[] = {
        {good.mid(0, 100), 101},
        {[&] {
             auto l = good;
             l[11] = " 45";
             return l;
         }(),
         12},
        {[&] {
             auto l = good;
             l << " 4"
               << " 10" << cp932(u"国国"_s);
             return l;
         }(),
         static_cast<int>(good.size()) + 1},
    };
    for (const auto& c : cases) {
        const QString bad = path(u"bad.rv"_s);
        writeFile(bad, joinLines(c.lines));
        try {
            LoadPlanFile(open, bad);
            ADD_FAILURE() << "read a bad file";
        } catch (const PlanFileError& e) {
            EXPECT_EQ(e.line(), c.line);
            EXPECT_EQ(e.file(), bad);
        }
        EXPECT_EQ(serializePlan(open), before);
        EXPECT_EQ(open.strFileName, path(u"open.rv"_s));
        EXPECT_TRUE(open.boolCalendarShown);
    }

    try {
        LoadPlanFile(open, path(u"missing.rv"_s));
        ADD_FAILURE() << "read a missing file";
    } catch (const PlanFileError& e) {
        EXPECT_EQ(e.line(), 0);
        EXPECT_TRUE(e.message().contains(u"開けません"_s));
    }
    EXPECT_EQ(serializePlan(open), before);
}

TEST_F(PlanFileOnDisk, LoadReplacesThePlanAndKeepsTheWindowState)
{
    AppState state = richPlan(); // an open plan with five recorded days
    state.strFileName = path(u"old.rv"_s);
    state.boolCalendarShown = true;
    state.boolStartWizard = false;
    state.dateSelected = QDate(2001, 10, 17);
    state.dateWeekFirst = QDate(2001, 10, 15);
    state.dateWeekLast = QDate(2001, 10, 20);
    computeTally(state, QDate(2001, 10, 17)); // results pointing into the old day list

    AppState other = makePlan(2004, 5);
    addDay(other, QDate(2004, 6, 1), u"国国国国国国国"_s);
    const QString file = path(u"new.rv"_s);
    writeFile(file, serializePlan(other));

    LoadPlanFile(state, file);
    expectSamePlan(other, state);
    EXPECT_EQ(state.strFileName, file);
    EXPECT_FALSE(state.boolCalendarShown);
    EXPECT_FALSE(state.boolStartWizard);
    EXPECT_EQ(state.dateSelected, QDate(2001, 10, 17));
    EXPECT_EQ(state.dateWeekFirst, QDate(2001, 10, 15));
    EXPECT_EQ(state.dateWeekLast, QDate(2001, 10, 20));
    for (const RivoSeasonTotal* term : state.objYearResult->terms()) {
        ASSERT_NE(term, nullptr);
        EXPECT_EQ(term->objFirstDay, nullptr) << "fresh results, no pointer into the old days";
    }
    const Tally tally = computeTally(state, QDate(2004, 6, 1));
    EXPECT_EQ(tally.week.actual.kokugo, 17) << "only the loaded day: grade 5 Tuesday 1333331";

    // The overload without a path reads strFileName.
    state.strFileName = path(u"old.rv"_s);
    writeFile(state.strFileName, serializePlan(richPlan()));
    LoadPlanFile(state);
    EXPECT_EQ(state.intYear, 2001);
    EXPECT_EQ(countDays(*state.objDayChain), 5);
}

TEST_F(PlanFileOnDisk, SaveWritesTheSerializedPlan)
{
    AppState plan = richPlan();
    plan.strFileName = path(u"plan.rv"_s);
    ASSERT_EQ(SavePlanFile(plan), SaveResult::Saved);
    EXPECT_EQ(readFile(plan.strFileName), serializePlan(plan));
    AppState back;
    LoadPlanFile(back, plan.strFileName);
    expectSamePlan(plan, back);
}

TEST_F(PlanFileOnDisk, NothingToSaveWritesNothing)
{
    AppState noYear = richPlan();
    noYear.intYear = 0;
    noYear.strFileName = path(u"a.rv"_s);
    EXPECT_EQ(SavePlanFile(noYear), SaveResult::NothingToSave);
    EXPECT_FALSE(QFile::exists(noYear.strFileName));

    AppState noName = richPlan();
    EXPECT_EQ(SavePlanFile(noName), SaveResult::NothingToSave);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList());
    EXPECT_EQ(nothingToSaveMessage(), u"まだ保存するデータがありません。"_s);
}

// A text the file cannot hold as it is: refused with the field and the character, the old file stays.
TEST_F(PlanFileOnDisk, TextTheFileCannotHoldIsRefused)
{
    const QString file = path(u"plan.rv"_s);
    writeFile(file, "previous contents");
    struct Case {
        const char* name;
        std::function<void(AppState&)> edit;
        const char16_t* field;
        const char16_t* character;
    };
    const Case cases[] = {
        {"wave dash", [](AppState& s) { s.strTeacher = u"山田〜花子"_s; }, u"担任",
         u"U+301C）はシフトJIS（CP932）にない文字なので保存できません。「～」に直すと保存できます。"},
        {"emoji in an event", [](AppState& s) { s.objDayChain->objNextDay->strComment = u"遠足😀"_s; },
         u"2001/4/5 の行事", u"U+1F600"},
        {"accented letter", [](AppState& s) { s.strClass = u"é"_s; }, u"学級", u"U+00E9"},
        {"line break in the teacher", [](AppState& s) { s.strTeacher = u"山田\n花子"_s; }, u"担任", u"改行"},
        {"carriage return in an event",
         [](AppState& s) { s.objDayChain->objNextDay->strComment = u"a\rb"_s; }, u"行事", u"改行"},
        {"line break in a timetable day",
         [](AppState& s) { s.objWeekTimetable->objFirstDay->strSubject = u"国\n"_s; }, u"週時間割の月曜日",
         u"改行"},
    };
    for (const Case& c : cases) {
        AppState plan = richPlan();
        plan.strFileName = file;
        c.edit(plan);
        try {
            SavePlanFile(plan);
            ADD_FAILURE() << c.name << ": saved";
        } catch (const PlanFileError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf16(c.field)))
                << c.name << ": " << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(QString::fromUtf16(c.character)))
                << c.name << ": " << e.message().toStdString();
        }
        EXPECT_EQ(readFile(file), QByteArray("previous contents")) << c.name;
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{u"plan.rv"_s})
            << "no temporary left";
    }
}

// One refused save names every character of every field the code page cannot hold, so that one
// round of corrections makes the plan savable.
TEST_F(PlanFileOnDisk, ARefusedSaveNamesEveryCharacterAtOnce)
{
    AppState plan = richPlan();
    plan.strFileName = path(u"plan.rv"_s);
    plan.strTeacher = u"山田〜🎒花子"_s;
    plan.objDayChain->objNextDay->strComment = u"𠮷野家−遠足"_s;
    try {
        SavePlanFile(plan);
        ADD_FAILURE() << "saved";
    } catch (const PlanFileError& e) {
        const QString m = e.message();
        for (
            const QString& expected :
            {u"担任の「〜」（U+301C）、「🎒」（U+1F392）はシフトJIS（CP932）にない文字なので保存できません。"_s,
             u"「〜」は「～」に直すと保存できます。"_s,
             u"2001/4/5 の行事の「𠮷」（U+20BB7）、「−」（U+2212）"_s,
             u"「−」は「－」に直すと保存できます。"_s})
            EXPECT_TRUE(m.contains(expected)) << m.toStdString() << "\nlacks " << expected.toStdString();
    }
}

TEST_F(PlanFileOnDisk, FailedWriteIsAnErrorAndLeavesNoFile)
{
    AppState plan = richPlan();
    plan.strFileName = path(u"no-such-folder/plan.rv"_s);
    try {
        SavePlanFile(plan);
        ADD_FAILURE() << "saved into a missing folder";
    } catch (const PlanFileError& e) {
        EXPECT_EQ(e.file(), plan.strFileName);
        EXPECT_FALSE(e.message().isEmpty());
    }
    EXPECT_FALSE(QFile::exists(plan.strFileName));

    // A folder in the way of the file: the folder stays what it was.
    plan.strFileName = path(u"folder.rv"_s);
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"folder.rv"_s));
    EXPECT_THROW(SavePlanFile(plan), PlanFileError);
    EXPECT_TRUE(QFileInfo(plan.strFileName).isDir());
}

// ---------------------------------------------------------------------------------------------
// Inputs kept from fuzzing: whatever the bytes, either a PlanFileError inside the file, or a plan that
// writes back and reads to the same bytes again.

TEST(PlanFileFuzzRegressions, EveryKeptInputEndsCleanly)
{
    const QDir dir(QStringLiteral(MIRTE_SOURCE_DIR "/tests/data/fuzz"));
    const QStringList names = dir.entryList(QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = f.readAll();
        try {
            const AppState plan = readPlan(bytes, name);
            const QByteArray written = serializePlan(plan);
            EXPECT_EQ(serializePlan(readPlan(written, name)), written) << name.toStdString();
        } catch (const PlanFileError& e) {
            EXPECT_GE(e.line(), 1) << name.toStdString();
            EXPECT_LE(e.line(), kMaxPlanFileLines + 1) << name.toStdString();
        }
    }
}

TEST_F(PlanFileOnDisk, PlanTooLongForTheReaderIsNotSaved)
{
    // Days of two school years, as after the year of a plan was changed: more lines than a file may hold.
    AppState plan = makePlan(2001, 3);
    plan.strFileName = path(u"plan.rv"_s);
    writeFile(plan.strFileName, "previous contents");
    for (int i = 0; i < 600; ++i)
        addDay(plan, QDate(2001, 4, 1).addDays(i), u"国国国国国国国"_s);
    ASSERT_GT(planFileLineCount(plan.intHolidayCount, 600), kMaxPlanFileLines);
    try {
        SavePlanFile(plan);
        ADD_FAILURE() << "saved a file the reader refuses";
    } catch (const PlanFileError& e) {
        EXPECT_TRUE(e.message().contains(u"3001"_s)) << e.message().toStdString();
    }
    EXPECT_EQ(readFile(plan.strFileName), QByteArray("previous contents"));
}
