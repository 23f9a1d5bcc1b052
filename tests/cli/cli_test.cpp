// mirte-cli as scripts call it: its figures against hand-counted ones, its exit codes, and the
// example plan its generator writes.
#include "clirun.h"
#include "planbuilder.h"

#include "core/plandefaults.h"
#include "planfile/planwriter.h"
#include "totals/yeartotals.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class Cli : public ::testing::Test {
protected:
    QString save(const AppState& plan, const QString& name)
    {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(serializePlan(plan));
        return path;
    }
    QString save(const QByteArray& bytes, const QString& name)
    {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QTemporaryDir m_dir;
};

// School year 2001, grade 3, no Saturday off by rule; a timetable whose week is easy to add up:
// 国 23, 社 3, 算 12, 理 6, 音 8, 図 6, 体 9, 総 9, 道 3, 学 4 units.
AppState tallyPlan()
{
    AppState s = makePlan(2001, 3);
    setTimetable(s, {u"学国算国体音　"_s, u"国国算理音図　"_s, u"　国社算体道　"_s, u"　国算理図総　"_s,
                     u"国国総体音総　"_s, u"　国学　　　　"_s});
    auto terms = s.objYearPlan->terms();
    terms[0]->kokugo = 250;
    terms[1]->kokugo = 300;
    terms[2]->kokugo = 150;
    for (RivoSeasonTotal* t : terms)
        t->recomputeSubtotals();
    calculate(*s.objYearPlan);
    addDay(s, QDate(2001, 6, 4), u"学国算国体音　"_s);
    // The week of 15 October: Tuesday with a cut and a spare period, Wednesday withdrawn.
    addDay(s, QDate(2001, 10, 15), u"学国算国体音　"_s);
    addDay(s, QDate(2001, 10, 16), u"国国算切予図　"_s, u"交通教室"_s);
    addDay(s, QDate(2001, 10, 17), u"　国社算体道　"_s, {}, true);
    addDay(s, QDate(2001, 10, 19), u"国国総体音総　"_s);
    return s;
}

int field(const QJsonValue& map, const char* name)
{
    EXPECT_TRUE(map.toObject().contains(QLatin1String(name))) << name;
    return map.toObject().value(QLatin1String(name)).toInt(-99999);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// holidays

TEST(CliHolidays, FixedEntriesOfFiveSchoolYears)
{
    struct Expect {
        int year;
        int entry;
        const char* date;
        int dayOfYear;
    };
    const Expect expected[] = {
        {2000, 7, "2000-10-09", 283}, // second Monday of October, 1 October a Sunday
        {2000, 11, "2001-01-08", 8},  // second Monday of January
        {2000, 12, "2001-02-12", 43}, // 11 February 2001 is a Sunday
        {2001, 0, "2001-04-30", 120}, // 29 April 2001 is a Sunday
        {2001, 6, "2001-09-24", 267}, // the equinox box's 23 September is a Sunday
        {2001, 10, "2001-12-24", 358},
        {2003, 4, "2003-07-21", 202}, // 20 July 2003 is a Sunday; still a
                                      // fixed date before 2004
        {2003, 5, "2003-09-15", 258},
        {2004, 4, "2004-07-19", 201}, // third Monday of July from 2004
        {2004, 5, "2004-09-20", 264},
        {2004, 7, "2004-10-11", 285},
        {2004, 11, "2005-01-10", 10},
        {2004, 13, "2005-03-21", 80}, // vernal box 20: 20 March 2005 is a Sunday
        {2008, 2, "2008-05-06", 127}, // 4 May 2008 is a Sunday: its substitute passes 5 May
        {2008, 3, "2008-05-05", 126},
    };
    for (int year : {2000, 2001, 2003, 2004, 2008}) {
        const CliRun r = cli({u"holidays"_s, QString::number(year), u"--json"_s});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        const QJsonArray entries = r.json().array();
        ASSERT_EQ(entries.size(), 14) << year;
        for (int i = 0; i < 14; ++i)
            EXPECT_EQ(entries[i].toObject().value(u"entry"_s).toInt(), i);
        EXPECT_EQ(entries[0].toObject().value(u"date"_s).toString().left(4), QString::number(year));
        for (const Expect& e : expected) {
            if (e.year != year)
                continue;
            const QJsonObject o = entries[e.entry].toObject();
            EXPECT_EQ(o.value(u"date"_s).toString(), QLatin1String(e.date)) << year << " entry " << e.entry;
            EXPECT_EQ(o.value(u"dayOfYear"_s).toInt(), e.dayOfYear) << year << " entry " << e.entry;
        }
    }
}

TEST(CliHolidays, EquinoxDaysAndTextOutput)
{
    const CliRun r = cli(
        {u"holidays"_s, u"2004"_s, u"--autumn-equinox"_s, u"22"_s, u"--vernal-equinox=21"_s, u"--json"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonArray e = r.json().array();
    EXPECT_EQ(e[6].toObject().value(u"date"_s).toString(), u"2004-09-22"_s);
    EXPECT_EQ(e[13].toObject().value(u"dayOfYear"_s).toInt(), 80);

    const CliRun text = cli({u"holidays"_s, u"2001"_s});
    ASSERT_EQ(text.exitCode, 0);
    EXPECT_TRUE(text.out.startsWith(u"平成13年度"_s)) << text.out.toStdString();
    EXPECT_TRUE(text.out.contains(u" 0  2001-04-30(月)  120\n"_s)) << text.out.toStdString();
}

TEST(CliHolidays, LaterYearsTakeTheLawsDaysAndMarkEstimates)
{
    // 令和8年度 without options: 春分の日 21 March 2027 is a Sunday, its day off the 22nd; 天皇誕生日 is
    // 23 February 2027.
    const CliRun r = cli({u"holidays"_s, u"2026"_s, u"--json"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonArray e = r.json().array();
    ASSERT_EQ(e.size(), 14);
    EXPECT_EQ(e[1].toObject().value(u"date"_s).toString(), u"2026-05-06"_s);
    EXPECT_EQ(e[10].toObject().value(u"date"_s).toString(), u"2027-02-23"_s);
    EXPECT_EQ(e[13].toObject().value(u"date"_s).toString(), u"2027-03-22"_s);
    for (const QJsonValue& entry : e)
        EXPECT_FALSE(entry.toObject().contains(u"provisional"_s));

    // 令和12年度: both equinox days are estimates.
    const CliRun later = cli({u"holidays"_s, u"2030"_s, u"--json"_s});
    ASSERT_EQ(later.exitCode, 0) << later.err.toStdString();
    const QJsonArray l = later.json().array();
    EXPECT_EQ(l[6].toObject().value(u"date"_s).toString(), u"2030-09-23"_s);
    EXPECT_TRUE(l[6].toObject().value(u"provisional"_s).toBool());
    EXPECT_TRUE(l[13].toObject().value(u"provisional"_s).toBool());
    EXPECT_FALSE(l[5].toObject().contains(u"provisional"_s));
    const CliRun text = cli({u"holidays"_s, u"2030"_s});
    EXPECT_TRUE(text.out.startsWith(u"令和12年度"_s)) << text.out.toStdString();
    EXPECT_TRUE(text.out.contains(u"2030-09-23(月)  266  予定\n"_s)) << text.out.toStdString();
}

// ---------------------------------------------------------------------------------------------
// restdays

TEST(CliRestDays, EveryRestDayOfTheSchoolYearInDateOrder)
{
    const CliRun r = cli({u"restdays"_s, u"2009"_s, u"--json"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonArray days = r.json().array();
    // 平成21年度, written from the law: 18 rest days.
    const QStringList expected = {
        u"2009-04-29 昭和の日 祝日"_s,     u"2009-05-03 憲法記念日 祝日"_s,
        u"2009-05-04 みどりの日 祝日"_s,   u"2009-05-05 こどもの日 祝日"_s,
        u"2009-05-06 振替休日 振替休日"_s, u"2009-07-20 海の日 祝日"_s,
        u"2009-09-21 敬老の日 祝日"_s,     u"2009-09-22 国民の休日 国民の休日"_s,
        u"2009-09-23 秋分の日 祝日"_s,     u"2009-10-12 体育の日 祝日"_s,
        u"2009-11-03 文化の日 祝日"_s,     u"2009-11-23 勤労感謝の日 祝日"_s,
        u"2009-12-23 天皇誕生日 祝日"_s,   u"2010-01-01 元日 祝日"_s,
        u"2010-01-11 成人の日 祝日"_s,     u"2010-02-11 建国記念の日 祝日"_s,
        u"2010-03-21 春分の日 祝日"_s,     u"2010-03-22 振替休日 振替休日"_s,
    };
    QStringList got;
    for (const QJsonValue& v : days) {
        const QJsonObject o = v.toObject();
        got << o.value(u"date"_s).toString() + u' ' + o.value(u"name"_s).toString() + u' ' +
                   o.value(u"kind"_s).toString();
        EXPECT_FALSE(o.contains(u"provisional"_s));
    }
    EXPECT_EQ(got, expected);
    EXPECT_TRUE(
        r.out.contains(u"{\"date\": \"2009-09-22\", \"name\": \"国民の休日\", \"kind\": \"国民の休日\"}"_s))
        << r.out.toStdString();
}

TEST(CliRestDays, EstimatedDaysAndTheTextOutput)
{
    const CliRun r = cli({u"restdays"_s, u"2030"_s, u"--json"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QStringList provisional;
    for (const QJsonValue& v : r.json().array())
        if (v.toObject().value(u"provisional"_s).toBool())
            provisional << v.toObject().value(u"date"_s).toString();
    EXPECT_EQ(provisional, (QStringList{u"2030-09-23"_s, u"2031-03-21"_s}));

    const CliRun text = cli({u"restdays"_s, u"2019"_s});
    ASSERT_EQ(text.exitCode, 0);
    EXPECT_TRUE(text.out.startsWith(u"令和元年度の休日"_s)) << text.out.toStdString();
    EXPECT_TRUE(text.out.contains(u"2019-10-22(火)  即位礼正殿の儀の行われる日  祝日\n"_s))
        << text.out.toStdString();
    EXPECT_EQ(text.out.count(u'\n'), 1 + 24) << "a heading and the 24 rest days of 令和元年度";
}

// ---------------------------------------------------------------------------------------------
// tally

TEST_F(Cli, TallyOfAWeekWithCutSpareAndWithdrawnPeriods)
{
    const QString file = save(tallyPlan(), u"tally.rv"_s);
    const CliRun r = cli({u"tally"_s, file, u"--date"_s, u"2001-10-17"_s, u"--json"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject root = r.json().object();
    const QJsonObject week = root.value(u"week"_s).toObject();
    EXPECT_EQ(week.value(u"first"_s).toString(), u"2001-10-15"_s);
    EXPECT_EQ(week.value(u"last"_s).toString(), u"2001-10-20"_s);
    ASSERT_EQ(week.value(u"plan"_s).toObject().size(), 21);
    EXPECT_EQ(field(week[u"plan"_s], "kokugo"), 23);
    EXPECT_EQ(field(week[u"plan"_s], "SouJisuu"), 83);
    // Monday 15, Tuesday 14 (with 切 and 予), Friday 16; Wednesday was withdrawn.
    const struct {
        const char* name;
        int actual;
        int diff;
    } rows[] = {
        {"kokugo", 14, -9},
        {"syakai", 0, -3},
        {"sannsuu", 6, -6},
        {"taiiku", 6, -3},
        {"doutoku", 0, -3},
        {"KyoukaSyoukei", 34, -33},
        {"gakkyuukatsudou", 1, -3},
        {"TokkatsuSyoukei", 1, -3},
        {"SouJyugyouJisuu", 41, -42},
        {"uchikiri", 3, 3},
        {"yobi", 3, 3},
        {"SouJisuu", 47, -36},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(field(week[u"actual"_s], row.name), row.actual) << row.name;
        EXPECT_EQ(field(week[u"diff"_s], row.name), row.diff) << row.name;
    }
    const QJsonObject term = root.value(u"term"_s).toObject();
    EXPECT_EQ(term.value(u"number"_s).toInt(), 2);
    EXPECT_EQ(field(term[u"plan"_s], "kokugo"), 300);
    EXPECT_EQ(field(term[u"actual"_s], "kokugo"), 14);
    EXPECT_EQ(field(term[u"diff"_s], "kokugo"), -286);
    const QJsonObject year = root.value(u"year"_s).toObject();
    EXPECT_EQ(field(year[u"plan"_s], "kokugo"), 700);
    EXPECT_EQ(field(year[u"actual"_s], "kokugo"), 20) << "the June day counts in the year only";
    EXPECT_EQ(field(year[u"actual"_s], "SouJisuu"), 62);

    // The text table: the tally window's rows and labels with hour text.
    const CliRun text = cli({u"tally"_s, file, u"--date=2001-10-17"_s});
    ASSERT_EQ(text.exitCode, 0);
    const QStringList lines = text.out.split(u'\n');
    ASSERT_GE(lines.size(), 23);
    EXPECT_TRUE(lines[0].contains(u"2001-10-15～2001-10-20"_s) && lines[0].contains(u"2学期"_s));
    EXPECT_EQ(lines[2].simplified(), u"国語 7.2 4.2 -3.0 100.0 4.2 -95.1 233.1 6.2 -226.2"_s);
    EXPECT_TRUE(lines[15].startsWith(u"ｸﾗﾌﾞ"_s));
    EXPECT_EQ(lines[21].simplified(), u"予備時数 0.0 1.0 1.0 0.0 1.0 1.0 0.0 1.0 1.0"_s);
    EXPECT_EQ(lines[20].simplified(), u"打切時数 0.0 1.0 1.0 0.0 1.0 1.0 0.0 1.0 1.0"_s);
    EXPECT_TRUE(lines[22].startsWith(u"総時数"_s));
}

TEST_F(Cli, TallyWeeksClippedAtTheEndsOfTheSchoolYear)
{
    AppState s = makePlan(2003, 3);
    setTimetable(s, {u"　国　　　　　"_s, u"　国　　　　　"_s, u"　国　　　　　"_s, u"　国　　　　　"_s,
                     u"　国　　　　　"_s, u"　国　　　　　"_s});
    addDay(s, QDate(2003, 4, 5), u"　国　　　　　"_s);
    addDay(s, QDate(2004, 3, 26), u"　国　　　　　"_s);
    addDay(s, QDate(2004, 3, 29), u"　国　　　　　"_s);
    addDay(s, QDate(2004, 3, 30), u"　国　　　　　"_s);
    const QString file = save(s, u"clip.rv"_s);

    struct Case {
        QString date;
        QString first;
        QString last;
        int term;
        int weekActual;
        int termActual;
    };
    const Case cases[] = {
        // 1 April 2003 is a Tuesday: the week starts on it and belongs to term 1, not to March.
        {u"2003-04-02"_s, u"2003-04-01"_s, u"2003-04-05"_s, 1, 3, 3},
        // No date given: the week of 1 April.
        {QString(), u"2003-04-01"_s, u"2003-04-05"_s, 1, 3, 3},
        // 31 March 2004 is a Wednesday: the week ends on it.
        {u"2004-03-31"_s, u"2004-03-29"_s, u"2004-03-31"_s, 3, 6, 9},
    };
    for (const Case& c : cases) {
        QStringList args{u"tally"_s, file, u"--json"_s};
        if (!c.date.isEmpty())
            args << u"--date"_s << c.date;
        const CliRun r = cli(args);
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        const QJsonObject root = r.json().object();
        const QJsonObject week = root[u"week"_s].toObject();
        EXPECT_EQ(week[u"first"_s].toString(), c.first) << c.date.toStdString();
        EXPECT_EQ(week[u"last"_s].toString(), c.last) << c.date.toStdString();
        EXPECT_EQ(root[u"term"_s][u"number"_s].toInt(), c.term) << c.date.toStdString();
        EXPECT_EQ(field(week[u"plan"_s], "kokugo"), 18) << "the plan is always the full week";
        EXPECT_EQ(field(week[u"actual"_s], "kokugo"), c.weekActual) << c.date.toStdString();
        EXPECT_EQ(field(root[u"term"_s][u"actual"_s], "kokugo"), c.termActual) << c.date.toStdString();
    }
}

TEST_F(Cli, TallyDifferenceBeyondSixteenBitsIsNull)
{
    AppState s = tallyPlan();
    s.objYearPlan->terms()[1]->kokugo = -32768;
    calculate(*s.objYearPlan);
    const CliRun r = cli({u"tally"_s, save(s, u"far.rv"_s), u"--date"_s, u"2001-10-15"_s, u"--json"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject diff = r.json()[u"term"_s][u"diff"_s].toObject();
    EXPECT_TRUE(diff.contains(u"kokugo"_s) && diff[u"kokugo"_s].isNull()) << r.out.toStdString();
    EXPECT_EQ(diff[u"sannsuu"_s].toInt(), 6);
    EXPECT_EQ(field(r.json()[u"year"_s][u"diff"_s], "kokugo"), 20 - (250 - 32768 + 150));
}

// ---------------------------------------------------------------------------------------------
// projection and school days

TEST_F(Cli, ProjectionAndSchoolDaysOfAHandCountedYear)
{
    // School year 2001 with the initial vacations and every Saturday a school day: 14, 14 and 8
    // school Mondays, 14, 15 and 10 school Saturdays.
    AppState s = makePlan(2001, 3);
    setTimetable(s, {u"　国　　　　　"_s, QString(), QString(), QString(), QString(), u"　切予　　　　"_s});
    const QString file = save(s, u"projection.rv"_s);

    const CliRun r = cli({u"projection"_s, file, u"--json"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonArray rows = r.json()[u"rows"_s].toArray();
    ASSERT_EQ(rows.size(), 18);
    auto units = [&](int row) {
        QList<int> u;
        for (const QJsonValue v : rows[row][u"units"_s].toArray())
            u << v.toInt();
        return u;
    };
    EXPECT_EQ(rows[0][u"field"_s].toString(), u"kokugo"_s);
    EXPECT_EQ(units(0), (QList<int>{42, 42, 24, 108}));
    EXPECT_EQ(rows[15][u"field"_s].toString(), u"uchikiri"_s);
    EXPECT_EQ(units(15), (QList<int>{42, 45, 30, 117}));
    EXPECT_EQ(rows[16][u"field"_s].toString(), u"yobi"_s);
    EXPECT_EQ(units(16), (QList<int>{0, 0, 0, 0})) << "spare time is never projected";
    EXPECT_EQ(rows[17][u"field"_s].toString(), u"total"_s);
    EXPECT_EQ(units(17), (QList<int>{84, 87, 54, 225}));

    const CliRun text = cli({u"projection"_s, file});
    ASSERT_EQ(text.exitCode, 0);
    EXPECT_TRUE(text.out.contains(u"\n国語"_s));
    EXPECT_EQ(text.out.split(u'\n')[1].simplified(), u"国語 14.0 14.0 8.0 36.0"_s);

    const CliRun days = cli({u"schooldays"_s, file, u"--json"_s});
    ASSERT_EQ(days.exitCode, 0);
    const QJsonObject d = days.json().object();
    EXPECT_EQ(d[u"term1"_s].toInt(), 87);
    EXPECT_EQ(d[u"term2"_s].toInt(), 92);
    EXPECT_EQ(d[u"term3"_s].toInt(), 58);
    EXPECT_EQ(d[u"year"_s].toInt(), 237);
    EXPECT_EQ(cli({u"schooldays"_s, file}).out.split(u'\n')[0], u"１学期の授業日数　87日"_s);
}

// ---------------------------------------------------------------------------------------------
// check, resave, exit codes

TEST_F(Cli, CheckSummarisesAPlan)
{
    const CliRun r = cli({u"check"_s, save(tallyPlan(), u"plan.rv"_s)});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(u"平成13年度"_s));
    EXPECT_TRUE(r.out.contains(u"学年: 3年"_s));
    EXPECT_TRUE(r.out.contains(u"学級: 1組"_s));
    EXPECT_TRUE(r.out.contains(u"担任: 山田 花子"_s));
    EXPECT_TRUE(r.out.contains(u"記録された日: 5日（うち登録済み 4日、取消 1日）"_s)) << r.out.toStdString();
    EXPECT_TRUE(r.err.isEmpty());
}

TEST_F(Cli, BadFileIsReportedWithItsLine)
{
    QList<QByteArray> lines = serializePlan(tallyPlan()).split('\n');
    lines[10] = " 13\r"; // the month the spring vacation starts
    const QString file = save(lines.join('\n'), u"bad.rv"_s);
    for (const QString& command : {u"check"_s, u"tally"_s, u"projection"_s, u"schooldays"_s}) {
        const CliRun r = cli({command, file});
        EXPECT_EQ(r.exitCode, 1) << command.toStdString();
        EXPECT_TRUE(r.err.startsWith(file + u":11: 春休み"_s)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    const CliRun missing = cli({u"check"_s, m_dir.filePath(u"none.rv"_s)});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.startsWith(m_dir.filePath(u"none.rv"_s) + u": "_s));
}

// A named pipe would block the reader until something writes to it; a folder or a device is no plan.
TEST_F(Cli, AnythingButARegularFileIsRefusedAtOnce)
{
    const QString fifo = m_dir.filePath(u"pipe.rv"_s);
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& path : {fifo, m_dir.path(), u"/dev/zero"_s}) {
        const CliRun r = cli({u"check"_s, path});
        EXPECT_EQ(r.exitCode, 1) << path.toStdString();
        EXPECT_TRUE(r.err.startsWith(path + u": "_s) && r.err.contains(u"計画ファイルではありません"_s))
            << r.err.toStdString();
    }
}

TEST_F(Cli, UsageErrorsExitWithTwo)
{
    const QString file = save(tallyPlan(), u"plan.rv"_s);
    const QList<QStringList> wrong = {
        {},
        {u"frobnicate"_s},
        {u"check"_s},
        {u"check"_s, file, u"extra"_s},
        {u"tally"_s, file, u"--date"_s},
        {u"tally"_s, file, u"--date"_s, u"15.10.2001"_s},
        {u"tally"_s, file, u"--date"_s, u"2002-04-01"_s}, // outside 平成13年度
        {u"tally"_s, file, u"--weekly"_s},
        {u"holidays"_s, u"abc"_s},
        {u"holidays"_s, u"2004"_s, u"--autumn-equinox"_s, u"31"_s},
        {u"holidays"_s, u"1999"_s},
        {u"holidays"_s, u"2031"_s},
        {u"restdays"_s},
        {u"restdays"_s, u"1999"_s},
        {u"restdays"_s, u"2031"_s},
        {u"restdays"_s, u"2026"_s, u"--all"_s},
        {u"resave"_s, file},
    };
    for (const QStringList& args : wrong) {
        const CliRun r = cli(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(u"mirte-cli"_s)) << "usage text: " << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
}

TEST_F(Cli, ResaveGivesTheWritersBytes)
{
    const QByteArray written = serializePlan(tallyPlan());
    QByteArray lineFeeds = written;
    lineFeeds.replace("\r\n", "\n");
    for (const QByteArray& input : {written, lineFeeds}) {
        const QString in = save(input, u"in.rv"_s);
        const QString out = m_dir.filePath(u"out.rv"_s);
        const CliRun r = cli({u"resave"_s, in, out});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(readFile(out), written);
    }
}

// ---------------------------------------------------------------------------------------------
// The example plan

TEST_F(Cli, ExampleGeneratorWritesTheCommittedExample)
{
    const QString out = m_dir.filePath(u"sample.rv"_s);
    const CliRun r = run(QStringLiteral(MIRTE_MAKE_EXAMPLE), {out});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QByteArray committed = readFile(QStringLiteral(MIRTE_SOURCE_DIR "/examples/sample.rv"));
    ASSERT_FALSE(committed.isEmpty());
    EXPECT_EQ(readFile(out), committed) << "run make-example examples/sample.rv and commit the result";

    const CliRun check = cli({u"check"_s, out});
    ASSERT_EQ(check.exitCode, 0) << check.err.toStdString();
    EXPECT_TRUE(check.out.contains(u"平成13年度"_s) && check.out.contains(u"3年"_s) &&
                check.out.contains(u"2組"_s));
    EXPECT_TRUE(check.out.contains(u"取消 1日"_s));
}

// ---------------------------------------------------------------------------------------------
// print

TEST_F(Cli, PrintWritesEachSheetAsOneA4Page)
{
    const QString plan = save(tallyPlan(), u"plan.rv"_s);
    const struct {
        const char* sheet;
        const char* title;
    } sheets[] = {{"year", "特 別 活 動"},
                  {"week", "時 間 割"},
                  {"term1-timetable", "１学期の時間割表"},
                  {"term1-tally", "１学期の時数集計表"},
                  {"term2-timetable", "２学期の時間割表"},
                  {"term2-tally", "２学期の時数集計表"},
                  {"term3-timetable", "３学期の時間割表"},
                  {"term3-tally", "３学期の時数集計表"}};
    for (const auto& s : sheets) {
        const QString pdf = m_dir.filePath(QLatin1String(s.sheet) + u".pdf"_s);
        const CliRun r = cli({u"print"_s, plan, u"--sheet"_s, QLatin1String(s.sheet), u"--output"_s, pdf});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        const QByteArray bytes = readFile(pdf);
        ASSERT_TRUE(bytes.startsWith("%PDF")) << s.sheet;
        EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "),
                  1)
            << s.sheet << ": one page";
        const CliRun text = run(u"pdftotext"_s, {pdf, u"-"_s});
        if (text.exitCode != 0)
            continue; // poppler-utils missing: the page count above still holds
        EXPECT_TRUE(text.out.contains(QString::fromUtf8(s.title)))
            << s.sheet << text.out.left(400).toStdString();
        EXPECT_TRUE(text.out.contains(u"山田 花子"_s)) << s.sheet << ": the teacher's name";
    }
}

// The first page of a PDF as grey levels (0 black … 255 white), rendered by poppler; empty when
// poppler-utils is not installed.
struct GreyPage {
    int width = 0;
    int height = 0;
    QByteArray pixels;
    bool inked(int x, int y) const { return static_cast<unsigned char>(pixels[y * width + x]) < 200; }
};

GreyPage renderGrey(const QString& pdf, int dpi, const QString& stem)
{
    const CliRun r =
        run(u"pdftoppm"_s, {u"-r"_s, QString::number(dpi), u"-gray"_s, u"-singlefile"_s, pdf, stem});
    QFile f(stem + u".pgm"_s);
    if (r.exitCode != 0 || !f.open(QIODevice::ReadOnly))
        return {};
    // P5, width, height, 255, then one byte a pixel.
    QList<QByteArray> header;
    while (header.size() < 4) {
        const QByteArray word = [&] {
            QByteArray w;
            char c = 0;
            while (f.getChar(&c) && !QChar::isSpace(c))
                w += c;
            return w;
        }();
        if (!word.isEmpty())
            header << word;
    }
    GreyPage page{header[1].toInt(), header[2].toInt(), f.readAll()};
    EXPECT_EQ(header[0], "P5");
    EXPECT_EQ(page.pixels.size(), qsizetype(page.width) * page.height);
    return page;
}

// Both sheets with wide margins: everything printed lies inside them, drawn smaller as a whole.
TEST_F(Cli, PrintWithMarginsKeepsEachSheetInsideThem)
{
    const QString plan = save(tallyPlan(), u"plan.rv"_s);
    constexpr int kDpi = 50;
    for (const char* sheet : {"year", "week"}) {
        for (const int mm : {10, 25, 40}) {
            const QString what = u"%1 %2 mm"_s.arg(QLatin1String(sheet)).arg(mm);
            const QString pdf = m_dir.filePath(u"sheet.pdf"_s);
            const CliRun r = cli({u"print"_s, plan, u"--sheet"_s, QLatin1String(sheet), u"--output"_s, pdf,
                                  u"--margins"_s, QString::number(mm)});
            ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
            const GreyPage page = renderGrey(pdf, kDpi, m_dir.filePath(u"page"_s));
            if (page.width == 0)
                GTEST_SKIP() << "pdftoppm is not installed";
            int left = page.width, top = page.height, right = -1, bottom = -1;
            for (int y = 0; y < page.height; ++y)
                for (int x = 0; x < page.width; ++x)
                    if (page.inked(x, y)) {
                        left = std::min(left, x);
                        top = std::min(top, y);
                        right = std::max(right, x);
                        bottom = std::max(bottom, y);
                    }
            ASSERT_GE(right, 0) << what.toStdString() << ": something is printed";
            const double margin = mm / 25.4 * kDpi; // in pixels
            EXPECT_GE(left, margin - 1) << what.toStdString();
            EXPECT_GE(top, margin - 1) << what.toStdString();
            EXPECT_LE(right, page.width - margin + 1) << what.toStdString();
            EXPECT_LE(bottom, page.height - margin + 1) << what.toStdString();
            // Drawn smaller, not tiny: the frame still reaches well across the printable width.
            EXPECT_GT(right - left, (page.width - 2 * margin) * 0.75) << what.toStdString();
        }
    }
}

TEST_F(Cli, PrintRefusesWrongArgumentsAndBadFiles)
{
    const QString plan = save(tallyPlan(), u"plan.rv"_s);
    const QString pdf = m_dir.filePath(u"out.pdf"_s);
    for (const QStringList& args :
         {QStringList{u"print"_s, plan, u"--sheet"_s, u"term"_s, u"--output"_s, pdf},
          QStringList{u"print"_s, plan, u"--sheet"_s, u"term4-tally"_s, u"--output"_s, pdf},
          QStringList{u"print"_s, plan, u"--sheet"_s, u"year"_s},
          QStringList{u"print"_s, u"--sheet"_s, u"year"_s, u"--output"_s, pdf},
          QStringList{u"print"_s, plan, u"--sheet"_s, u"year"_s, u"--output"_s, pdf, u"--margins"_s,
                      u"abc"_s},
          QStringList{u"print"_s, plan, u"--sheet"_s, u"week"_s, u"--output"_s, pdf, u"--margins"_s, u"-1"_s},
          QStringList{u"print"_s, plan, u"--sheet"_s, u"week"_s, u"--output"_s, pdf, u"--margins"_s, u"71"_s},
          QStringList{u"print"_s, plan, u"--sheet"_s, u"week"_s, u"--output"_s, pdf, u"--margins"_s}}) {
        EXPECT_EQ(cli(args).exitCode, 2) << args.join(u' ').toStdString();
    }
    const QString bad = save(QByteArray("1333320\r\n"), u"bad.rv"_s);
    const CliRun r = cli({u"print"_s, bad, u"--sheet"_s, u"year"_s, u"--output"_s, pdf});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith(bad + u":"_s)) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf)) << "nothing is printed from a file that cannot be read";
}

// ---------------------------------------------------------------------------------------------
// Later subjects and the standard hours

namespace {

// Grade 5 of 2024 (Monday 1333330, Tuesday 1333331): Monday 15 April 国外算体理 in periods 1–5,
// Tuesday 16 April 外外算体理社 in periods 1–6, the last of one unit.
AppState plan2024()
{
    const QString e = QString(QChar(0x3000));
    AppState s = makePlan(2024, 5);
    s.objYearBase->kokugo = 525;
    s.objYearBase->gaikokugo = 210;
    s.objYearBase->recomputeSubtotals();
    auto terms = s.objYearPlan->terms();
    terms[0]->gaikokugo = 72;
    terms[1]->gaikokugo = 78;
    terms[2]->gaikokugo = 60;
    for (RivoSeasonTotal* t : terms)
        t->recomputeSubtotals();
    calculate(*s.objYearPlan);
    addDay(s, QDate(2024, 4, 15), e + u"国外算体理　"_s);
    addDay(s, QDate(2024, 4, 16), e + u"外外算体理社"_s);
    return s;
}

} // namespace

TEST_F(Cli, TallyOf2024CountsForeignLanguageInsideTheSubjectSubtotal)
{
    const CliRun r =
        cli({u"tally"_s, save(plan2024(), u"p.rv"_s), u"--date"_s, u"2024-04-17"_s, u"--json"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject root = r.json().object();
    const QJsonObject weekActual = root[u"week"_s].toObject()[u"actual"_s].toObject();
    EXPECT_EQ(field(weekActual, "gaikokugo"), 9);
    EXPECT_EQ(field(weekActual, "KyoukaSyoukei"), 31);
    EXPECT_EQ(field(weekActual, "gaikokugokatsudou"), 0);
    EXPECT_EQ(field(root[u"year"_s].toObject()[u"plan"_s], "gaikokugo"), 210);
    EXPECT_EQ(field(root[u"year"_s].toObject()[u"diff"_s], "gaikokugo"), 9 - 210);
    // The rows keep the tally window's order: 外国語 right before 教科小計.
    // (QJsonObject sorts its keys, so the order is looked for in the text.)
    EXPECT_LT(r.out.indexOf(u"\"taiiku\""_s), r.out.indexOf(u"\"gaikokugo\""_s));
    EXPECT_LT(r.out.indexOf(u"\"gaikokugo\""_s), r.out.indexOf(u"\"KyoukaSyoukei\""_s));

    const CliRun text = cli({u"tally"_s, save(plan2024(), u"p.rv"_s), u"--date"_s, u"2024-04-17"_s});
    ASSERT_EQ(text.exitCode, 0);
    EXPECT_TRUE(text.out.contains(u"外国語"_s));
    EXPECT_TRUE(text.out.contains(u"外国語活動"_s));
}

TEST_F(Cli, PlanOf2005HasNoLaterSubjectInItsTally)
{
    AppState s = makePlan(2005, 5);
    const CliRun r = cli({u"tally"_s, save(s, u"p.rv"_s), u"--json"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_FALSE(r.out.contains(u"gaikokugo"_s));
    EXPECT_EQ(r.json().object()[u"year"_s].toObject()[u"plan"_s].toObject().size(), 21);
}

TEST_F(Cli, StandardComparesBasePlanAndActualWithTheGrade)
{
    const CliRun r = cli({u"standard"_s, save(plan2024(), u"p.rv"_s), u"--json"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject root = r.json().object();
    EXPECT_EQ(root[u"schoolYear"_s].toInt(), 2024);
    EXPECT_EQ(root[u"grade"_s].toInt(), 5);
    EXPECT_EQ(root[u"course"_s].toString(), u"2017"_s);
    const QJsonArray rows = root[u"rows"_s].toArray();
    // Grade 5: 国 社 算 理 音 図 家 体 外 総 道 学.
    ASSERT_EQ(rows.size(), 12);
    EXPECT_EQ(rows[0].toObject()[u"field"_s].toString(), u"kokugo"_s);
    EXPECT_EQ(field(rows[0], "standard"), 525);
    EXPECT_EQ(field(rows[0], "base"), 525);
    EXPECT_EQ(field(rows[0], "plan"), 0);
    EXPECT_EQ(field(rows[0], "actual"), 3);
    EXPECT_EQ(rows[8].toObject()[u"field"_s].toString(), u"gaikokugo"_s);
    EXPECT_EQ(field(rows[8], "standard"), 210);
    EXPECT_EQ(field(rows[8], "plan"), 210);
    EXPECT_EQ(field(rows[8], "actual"), 9);
    EXPECT_EQ(field(root[u"total"_s], "standard"), 3045);
    EXPECT_EQ(field(root[u"total"_s], "base"), 735);
    EXPECT_EQ(field(root[u"total"_s], "plan"), 210);
    EXPECT_EQ(field(root[u"total"_s], "actual"), 31);

    const CliRun text = cli({u"standard"_s, save(plan2024(), u"p.rv"_s)});
    ASSERT_EQ(text.exitCode, 0);
    EXPECT_TRUE(text.out.contains(u"平成29年告示"_s));
    // 210 planned against 3045: 945 hours short of the standard.
    EXPECT_TRUE(text.out.contains(u"標準に足りない時数（計画）　945.0"_s)) << text.out.toStdString();

    // The 1989 course for 2001; no grade, no standard.
    const CliRun old = cli({u"standard"_s, save(makePlan(2001, 4), u"o.rv"_s), u"--json"_s});
    ASSERT_EQ(old.exitCode, 0);
    EXPECT_EQ(old.json().object()[u"course"_s].toString(), u"1989"_s);
    EXPECT_EQ(field(old.json().object()[u"total"_s], "standard"), 3045);
    AppState noGrade = makePlan(2001, 4);
    noGrade.intGrade = 0;
    EXPECT_EQ(cli({u"standard"_s, save(noGrade, u"n.rv"_s)}).exitCode, 1);
}
