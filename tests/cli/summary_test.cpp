// mirte-cli summary and tally --csv as scripts and spreadsheets see them: hand-made plans of several
// grades and two school years, a damaged file, figures counted by hand and against each plan's own
// tally, and the CSV read back by Python's csv module.
#include "clirun.h"
#include "planbuilder.h"

#include "planfile/planwriter.h"
#include "totals/yeartotals.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Periods 1 to 4 of every weekday last 45 minutes (3 units); 0, 5 and 6 are not held.
void evenPeriods(AppState& s)
{
    for (QString& lengths : s.strTimeCredit)
        lengths = u"0333300"_s;
}

void planTerms(AppState& s, Field field, Units perTerm)
{
    for (RivoSeasonTotal* t : s.objYearPlan->terms()) {
        (*t)[field] = perTerm;
        t->recomputeSubtotals();
    }
    calculate(*s.objYearPlan);
}

AppState classPlan(int year, int grade, const QString& cls, const QString& teacher)
{
    AppState s = makePlan(year, grade);
    s.strClass = cls;
    s.strTeacher = teacher;
    evenPeriods(s);
    return s;
}

class Summary : public ::testing::Test {
protected:
    void SetUp() override
    {
        // 平成17年度 3年2組: 国語 and 算数 planned; days before, on and after 31 October.
        AppState a = classPlan(2005, 3, u"2"_s, u"佐藤 一郎"_s);
        planTerms(a, Field::kokugo, 100);
        planTerms(a, Field::sannsuu, 50);
        addDay(a, QDate(2005, 4, 11), u"　国国算体　　"_s);
        addDay(a, QDate(2005, 10, 31), u"　国算算切　　"_s);
        addDay(a, QDate(2005, 11, 1), u"　国国国国　　"_s);
        fileA = save(a, u"3-2.rv"_s);

        // 1年1組: one registered day and one withdrawn.
        AppState b = classPlan(2005, 1, u"1"_s, u"鈴木"_s);
        addDay(b, QDate(2005, 6, 6), u"　生生音学　　"_s);
        addDay(b, QDate(2005, 6, 7), u"　国国国国　　"_s, {}, true);
        fileB = save(b, u"1-1.rv"_s);

        // 3年10組 comes after 3年2組; its only day lies in March.
        AppState c = classPlan(2005, 3, u"10"_s, u"田中"_s);
        addDay(c, QDate(2006, 3, 1), u"　理理　　　　"_s);
        fileC = save(c, u"3-10.rv"_s);

        // 6年1組: nothing registered; a teacher's name a spreadsheet must quote.
        fileD = save(classPlan(2005, 6, u"1"_s, u"松本 \"ゆき\", 副担任"_s), u"6-1.rv"_s);

        // The year before: 平成16年度 5年1組.
        AppState e = classPlan(2004, 5, u"1"_s, u"高橋"_s);
        addDay(e, QDate(2004, 5, 10), u"　家家　　　　"_s);
        fileE = save(e, u"5-1-2004.rv"_s);

        // Line 8, the grade, is no number.
        QList<QByteArray> lines = serializePlan(a).split('\n');
        lines[7] = "x\r";
        fileBad = save(lines.join('\n'), u"damaged.rv"_s);
    }

    QString save(const AppState& plan, const QString& name) { return save(serializePlan(plan), name); }
    QString save(const QByteArray& bytes, const QString& name)
    {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    // Given out of order, with the damaged file among them.
    QStringList allFiles() const { return {fileC, fileBad, fileA, fileE, fileD, fileB}; }

    QTemporaryDir m_dir;
    QString fileA, fileB, fileC, fileD, fileE, fileBad;
};

int at(const QJsonObject& o, const char* block, const char* field)
{
    const QJsonObject map = o.value(QLatin1String(block)).toObject();
    EXPECT_TRUE(map.contains(QLatin1String(field))) << block << ' ' << field;
    return map.value(QLatin1String(field)).toInt(-99999);
}

} // namespace

TEST_F(Summary, OrderErrorsAndExitStatusOverTwoSchoolYears)
{
    const CliRun r = cli(QStringList{u"summary"_s} + allFiles() + QStringList{u"--json"_s});
    EXPECT_EQ(r.exitCode, 1) << "a damaged file among good ones";
    EXPECT_EQ(r.err.trimmed().split(u'\n').size(), 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.startsWith(fileBad + u":8: "_s)) << r.err.toStdString();

    const QJsonObject root = r.json().object();
    EXPECT_TRUE(root.value(u"date"_s).isNull());
    const QJsonArray classes = root.value(u"classes"_s).toArray();
    ASSERT_EQ(classes.size(), 5);
    const struct {
        QString file;
        int year;
        int grade;
        QString cls;
    } order[] = {
        {fileE, 2004, 5, u"1"_s},  {fileB, 2005, 1, u"1"_s}, {fileA, 2005, 3, u"2"_s},
        {fileC, 2005, 3, u"10"_s}, {fileD, 2005, 6, u"1"_s},
    };
    for (int i = 0; i < 5; ++i) {
        const QJsonObject c = classes[i].toObject();
        EXPECT_EQ(c.value(u"file"_s).toString(), order[i].file) << i;
        EXPECT_EQ(c.value(u"schoolYear"_s).toInt(), order[i].year) << i;
        EXPECT_EQ(c.value(u"grade"_s).toInt(), order[i].grade) << i;
        EXPECT_EQ(c.value(u"class"_s).toString(), order[i].cls) << i;
        EXPECT_EQ(c.value(u"plan"_s).toObject().size(), 21);
        EXPECT_EQ(c.value(u"diff"_s).toObject().size(), 21);
    }
    EXPECT_EQ(classes[4].toObject().value(u"teacher"_s).toString(), u"松本 \"ゆき\", 副担任"_s);

    const QJsonArray errors = root.value(u"errors"_s).toArray();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0].toObject().value(u"file"_s).toString(), fileBad);
    EXPECT_EQ(errors[0].toObject().value(u"line"_s).toInt(), 8);
    EXPECT_FALSE(errors[0].toObject().value(u"message"_s).toString().isEmpty());

    // Without a bad file the status is 0; with only bad files there is nothing to summarise.
    EXPECT_EQ(cli({u"summary"_s, fileA, fileB, u"--json"_s}).exitCode, 0);
    const CliRun onlyBad = cli({u"summary"_s, fileBad, m_dir.filePath(u"missing.rv"_s), u"--json"_s});
    EXPECT_EQ(onlyBad.exitCode, 1);
    EXPECT_EQ(onlyBad.json().object().value(u"classes"_s).toArray().size(), 0);
    EXPECT_EQ(onlyBad.json().object().value(u"errors"_s).toArray().size(), 2);

    // The text form: one table per school year, the earlier first.
    const CliRun text = cli(QStringList{u"summary"_s} + allFiles());
    EXPECT_EQ(text.exitCode, 1);
    const QString t = text.out;
    const qsizetype h16 = t.indexOf(u"平成16年度"_s);
    const qsizetype h17 = t.indexOf(u"平成17年度"_s);
    ASSERT_GE(h16, 0);
    ASSERT_GT(h17, h16);
    EXPECT_TRUE(t.mid(h16, h17 - h16).contains(u"1学級"_s));
    EXPECT_TRUE(t.mid(h17).contains(u"4学級"_s));
    EXPECT_LT(t.indexOf(u"鈴木"_s), t.indexOf(u"佐藤 一郎"_s));
    EXPECT_LT(t.indexOf(u"佐藤 一郎"_s), t.indexOf(u"田中"_s));
}

TEST_F(Summary, FiguresCountedByHandAndCutOffAtTheDate)
{
    struct Expect {
        const char* field;
        int plan;
        int actualAll;
        int actualTo31October;
    };
    // 3年2組: 11 April 国国算体, 31 October 国算算切, 1 November 国国国国, three units a period.
    const Expect a[] = {
        {"kokugo", 300, 21, 9},         {"sannsuu", 150, 9, 9}, {"taiiku", 0, 3, 3},
        {"KyoukaSyoukei", 450, 33, 21}, {"uchikiri", 0, 3, 3},  {"SouJyugyouJisuu", 450, 33, 21},
        {"SouJisuu", 450, 36, 24},      {"rika", 0, 0, 0},
    };
    const CliRun all = cli({u"summary"_s, fileA, fileB, fileC, fileE, u"--json"_s});
    const CliRun cut =
        cli({u"summary"_s, fileA, fileB, fileC, fileE, u"--json"_s, u"--date"_s, u"2005-10-31"_s});
    ASSERT_EQ(all.exitCode, 0) << all.err.toStdString();
    ASSERT_EQ(cut.exitCode, 0) << cut.err.toStdString();
    EXPECT_EQ(cut.json().object().value(u"date"_s).toString(), u"2005-10-31"_s);
    const QJsonArray allClasses = all.json().object().value(u"classes"_s).toArray();
    const QJsonArray cutClasses = cut.json().object().value(u"classes"_s).toArray();
    ASSERT_EQ(allClasses.size(), 4);
    ASSERT_EQ(cutClasses.size(), 4);
    // E (2004), B, A, C.
    for (const Expect& e : a) {
        const QJsonObject whole = allClasses[2].toObject();
        const QJsonObject upTo = cutClasses[2].toObject();
        EXPECT_EQ(at(whole, "plan", e.field), e.plan) << e.field;
        EXPECT_EQ(at(whole, "actual", e.field), e.actualAll) << e.field;
        EXPECT_EQ(at(whole, "diff", e.field), e.actualAll - e.plan) << e.field;
        EXPECT_EQ(at(upTo, "plan", e.field), e.plan) << e.field;
        EXPECT_EQ(at(upTo, "actual", e.field), e.actualTo31October) << e.field;
        EXPECT_EQ(at(upTo, "diff", e.field), e.actualTo31October - e.plan) << e.field;
    }
    // 1年1組: the withdrawn day counts nowhere.
    const QJsonObject b = allClasses[1].toObject();
    EXPECT_EQ(at(b, "actual", "seikatsu"), 6);
    EXPECT_EQ(at(b, "actual", "onngaku"), 3);
    EXPECT_EQ(at(b, "actual", "kokugo"), 0);
    EXPECT_EQ(at(b, "actual", "TokkatsuSyoukei"), 3);
    EXPECT_EQ(at(b, "actual", "SouJisuu"), 12);
    // 3年10組's March day lies after the date; 2004's May day before it.
    EXPECT_EQ(at(allClasses[3].toObject(), "actual", "rika"), 6);
    EXPECT_EQ(at(cutClasses[3].toObject(), "actual", "rika"), 0);
    EXPECT_EQ(at(cutClasses[0].toObject(), "actual", "katei"), 6);
}

TEST_F(Summary, EveryClassEqualsItsOwnTally)
{
    const CliRun summary = cli({u"summary"_s, fileA, fileB, fileC, fileD, fileE, u"--json"_s});
    ASSERT_EQ(summary.exitCode, 0) << summary.err.toStdString();
    const QJsonArray classes = summary.json().object().value(u"classes"_s).toArray();
    ASSERT_EQ(classes.size(), 5);
    for (const QJsonValue& v : classes) {
        const QJsonObject c = v.toObject();
        const CliRun tally = cli({u"tally"_s, c.value(u"file"_s).toString(), u"--json"_s});
        ASSERT_EQ(tally.exitCode, 0) << tally.err.toStdString();
        const QJsonObject year = tally.json().object().value(u"year"_s).toObject();
        for (const char* block : {"plan", "actual", "diff"})
            EXPECT_EQ(c.value(QLatin1String(block)).toObject(), year.value(QLatin1String(block)).toObject())
                << c.value(u"file"_s).toString().toStdString() << ' ' << block;
    }
}

TEST_F(Summary, UsageErrors)
{
    const QStringList bad[] = {
        {u"summary"_s},
        {u"summary"_s, fileA, u"--date"_s, u"2005-13-01"_s},
        {u"summary"_s, fileA, u"--json"_s, u"--csv"_s},
        {u"summary"_s, fileA, u"--csv"_s, u"--output"_s, m_dir.filePath(u"x.pdf"_s)},
        {u"summary"_s, fileA, u"--csv"_s, u"--encoding"_s, u"latin1"_s},
        {u"summary"_s, fileA, u"--encoding"_s, u"cp932"_s},
        {u"tally"_s, fileA, u"--json"_s, u"--csv"_s},
    };
    for (const QStringList& args : bad) {
        const CliRun r = cli(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.bytes.isEmpty()) << args.join(u' ').toStdString();
    }
}

// ---------------------------------------------------------------------------------------------
// CSV, read by a real CSV reader

namespace {

// Python's csv module reads the file in the given encoding; the rows come back as JSON.
QJsonArray readWithPython(const QString& path, const char* encoding)
{
    const QString python = QStandardPaths::findExecutable(u"python3"_s);
    if (python.isEmpty()) {
        ADD_FAILURE() << "python3 is needed to read the CSV back";
        return {};
    }
    const QString script = u"import csv, json, sys\n"
                           u"with open(sys.argv[1], newline='', encoding=sys.argv[2]) as f:\n"
                           u"    rows = list(csv.reader(f, strict=True))\n"
                           u"sys.stdout.write(json.dumps(rows))\n"_s;
    const CliRun r = run(python, {u"-c"_s, script, path, QLatin1String(encoding)});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    return QJsonDocument::fromJson(r.bytes).array();
}

QString saveBytes(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}

} // namespace

TEST_F(Summary, CsvReadBackByPythonInBothEncodings)
{
    const CliRun utf8 = cli({u"summary"_s, fileD, fileA, fileE, u"--csv"_s});
    ASSERT_EQ(utf8.exitCode, 0) << utf8.err.toStdString();
    EXPECT_TRUE(utf8.bytes.startsWith("\xEF\xBB\xBF")) << "a byte order mark first";
    EXPECT_TRUE(utf8.bytes.contains("\r\n"));
    const CliRun sjis = cli({u"summary"_s, fileD, fileA, fileE, u"--csv"_s, u"--encoding"_s, u"cp932"_s});
    ASSERT_EQ(sjis.exitCode, 0) << sjis.err.toStdString();
    EXPECT_FALSE(sjis.bytes.startsWith("\xEF\xBB\xBF"));

    const QJsonArray rows = readWithPython(saveBytes(m_dir, u"u.csv"_s, utf8.bytes), "utf-8-sig");
    const QJsonArray rowsSjis = readWithPython(saveBytes(m_dir, u"s.csv"_s, sjis.bytes), "cp932");
    EXPECT_EQ(rows, rowsSjis) << "the same table in either encoding";
    ASSERT_EQ(rows.size(), 4) << "a heading and three classes";

    const QJsonArray heading = rows[0].toArray();
    ASSERT_EQ(heading.size(), 4 + 21 * 3 + 1);
    EXPECT_EQ(heading[0].toString(), u"年度"_s);
    EXPECT_EQ(heading[3].toString(), u"担任"_s);
    EXPECT_EQ(heading[4].toString(), u"国語 計画"_s);
    EXPECT_EQ(heading[6].toString(), u"国語 増減"_s);
    EXPECT_EQ(heading[67].toString(), u"ファイル"_s);
    for (const QJsonValue& row : rows)
        EXPECT_EQ(row.toArray().size(), heading.size());

    // 2004 first; then 3年2組 before 6年1組.
    EXPECT_EQ(rows[1].toArray()[0].toString(), u"平成16年度"_s);
    const QJsonArray a = rows[2].toArray();
    EXPECT_EQ(a[0].toString(), u"平成17年度"_s);
    EXPECT_EQ(a[1].toString(), u"3"_s);
    EXPECT_EQ(a[2].toString(), u"2"_s);
    // 国語: plan 300 units, 21 registered, 279 short.
    EXPECT_EQ(a[4].toString(), u"100.0"_s);
    EXPECT_EQ(a[5].toString(), u"7.0"_s);
    EXPECT_EQ(a[6].toString(), u"-93.0"_s);
    EXPECT_EQ(a[67].toString(), fileA);
    // The comma and the quotes of the teacher's name survive.
    EXPECT_EQ(rows[3].toArray()[3].toString(), u"松本 \"ゆき\", 副担任"_s);
}

TEST_F(Summary, Cp932RefusesWhatItCannotHold)
{
    // A file name with a character the code page lacks: refused, not replaced by "?".
    QFile::copy(fileA, m_dir.filePath(u"한국.rv"_s));
    const CliRun r = cli({u"summary"_s, m_dir.filePath(u"한국.rv"_s), u"--csv"_s, u"--encoding=cp932"_s});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.bytes.isEmpty());
    EXPECT_TRUE(r.err.contains(u"ファイル"_s) && r.err.contains(u"U+D55C"_s)) << r.err.toStdString();
    EXPECT_EQ(cli({u"summary"_s, m_dir.filePath(u"한국.rv"_s), u"--csv"_s}).exitCode, 0) << "UTF-8 holds it";
}

TEST_F(Summary, TallyCsvIsTheTallyGrid)
{
    const CliRun r = cli({u"tally"_s, fileA, u"--date"_s, u"2005-10-31"_s, u"--csv"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonArray rows = readWithPython(saveBytes(m_dir, u"t.csv"_s, r.bytes), "utf-8-sig");
    ASSERT_EQ(rows.size(), 22);
    const QStringList heading{u"教科"_s,      u"週･計画"_s,   u"週･実績"_s,   u"週･増減"_s,   u"学期･計画"_s,
                              u"学期･実績"_s, u"学期･増減"_s, u"年間･計画"_s, u"年間･実績"_s, u"年間･増減"_s};
    EXPECT_EQ(rows[0].toArray().toVariantList(), QVariantList(heading.begin(), heading.end()));
    // The week of 31 October: 国語 3 + 12 units, nothing planned for the empty timetable; the second
    // term's plan 100 units; the year's 300 against 21 registered.
    const QStringList kokugo{u"国語"_s, u"0.0"_s,   u"5.0"_s,   u"5.0"_s, u"33.1"_s,
                             u"5.0"_s,  u"-28.1"_s, u"100.0"_s, u"7.0"_s, u"-93.0"_s};
    EXPECT_EQ(rows[1].toArray().toVariantList(), QVariantList(kokugo.begin(), kokugo.end()));
    EXPECT_EQ(rows[14].toArray()[0].toString(), u"ｸﾗﾌﾞ"_s);
    EXPECT_EQ(rows[21].toArray()[0].toString(), u"総時数"_s);
}

TEST_F(Summary, PdfHasAPagePerSchoolYear)
{
    const QString pdf = m_dir.filePath(u"summary.pdf"_s);
    const CliRun r = cli({u"summary"_s, fileA, fileE, fileB, u"--output"_s, pdf});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const CliRun info = run(u"pdfinfo"_s, {pdf});
    EXPECT_TRUE(info.out.contains(QRegularExpression(u"Pages:\\s+2\\n"_s))) << info.out.toStdString();
    EXPECT_TRUE(info.out.contains(QRegularExpression(u"Page size:\\s+842[.0-9]* x 595"_s)))
        << "A4 landscape: " << info.out.toStdString();
    for (int page : {1, 2}) {
        const CliRun text = run(
            u"pdftotext"_s, {u"-f"_s, QString::number(page), u"-l"_s, QString::number(page), pdf, u"-"_s});
        const QString t = text.out;
        EXPECT_TRUE(t.contains(u"学校全体の授業時数集計"_s)) << page;
        EXPECT_TRUE(t.contains(page == 1 ? u"平成16年度"_s : u"平成17年度"_s)) << t.toStdString();
        EXPECT_TRUE(t.contains(page == 1 ? u"高橋"_s : u"佐藤 一郎"_s)) << t.toStdString();
    }
}

TEST_F(Summary, LaterSubjectsCountOnlyInTheSchoolYearsThatHaveThem)
{
    // 令和6年度 5年1組: 外国語 70 hours planned (70 units a term), two periods of it registered on
    // Monday 15 April, one of 外国語活動 typed although grade 5 has none since 2020.
    AppState later = classPlan(2024, 5, u"1"_s, u"山本"_s);
    planTerms(later, Field::gaikokugo, 70);
    addDay(later, QDate(2024, 4, 15), u"　外外国英　　"_s);
    const QString fileLater = save(later, u"5-1-2024.rv"_s);

    const CliRun json = cli({u"summary"_s, fileA, fileLater, u"--json"_s});
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    const QJsonArray classes = json.json().object().value(u"classes"_s).toArray();
    ASSERT_EQ(classes.size(), 2);
    const QJsonObject old = classes[0].toObject();
    const QJsonObject now = classes[1].toObject();
    EXPECT_EQ(now.value(u"schoolYear"_s).toInt(), 2024);
    EXPECT_FALSE(old.value(u"plan"_s).toObject().contains(u"gaikokugo"_s));
    EXPECT_EQ(at(now, "plan", "gaikokugo"), 210);
    EXPECT_EQ(at(now, "actual", "gaikokugo"), 6);
    EXPECT_EQ(at(now, "actual", "KyoukaSyoukei"), 9) << "外国語 and 国語 in the subject subtotal";
    EXPECT_EQ(at(now, "actual", "gaikokugokatsudou"), 3);
    EXPECT_EQ(at(now, "actual", "SouJyugyouJisuu"), 12) << "外国語活動 outside it, in the total";

    const CliRun csv = cli({u"summary"_s, fileA, fileLater, u"--csv"_s});
    ASSERT_EQ(csv.exitCode, 0) << csv.err.toStdString();
    const QJsonArray rows = readWithPython(saveBytes(m_dir, u"l.csv"_s, csv.bytes), "utf-8-sig");
    ASSERT_EQ(rows.size(), 3);
    const QJsonArray heading = rows[0].toArray();
    ASSERT_EQ(heading.size(), 4 + 23 * 3 + 1);
    // 体育 is the ninth field: columns 28–30; 外国語 follows it, before 教科小計.
    EXPECT_EQ(heading[30].toString(), u"体育 増減"_s);
    EXPECT_EQ(heading[31].toString(), u"外国語 計画"_s);
    EXPECT_EQ(heading[34].toString(), u"教科小計 計画"_s);
    const qsizetype doutoku = heading.toVariantList().indexOf(u"道徳 増減"_s);
    ASSERT_GT(doutoku, 0);
    EXPECT_EQ(heading[doutoku + 1].toString(), u"外国語活動 計画"_s);
    // The 2005 class has no such subjects: empty cells, not zeros.
    EXPECT_EQ(rows[1].toArray()[31].toString(), QString());
    EXPECT_EQ(rows[2].toArray()[31].toString(), u"70.0"_s);
    EXPECT_EQ(rows[2].toArray()[32].toString(), u"2.0"_s);

    // The class's own tally CSV lists 外国語 after 体育 too, and 外国語活動 after 道徳.
    const CliRun tally = cli({u"tally"_s, fileLater, u"--date"_s, u"2024-04-15"_s, u"--csv"_s});
    ASSERT_EQ(tally.exitCode, 0) << tally.err.toStdString();
    const QJsonArray grid = readWithPython(saveBytes(m_dir, u"g.csv"_s, tally.bytes), "utf-8-sig");
    ASSERT_EQ(grid.size(), 24);
    EXPECT_EQ(grid[9].toArray()[0].toString(), u"体育"_s);
    const QStringList foreign{u"外国語"_s, u"0.0"_s,   u"2.0"_s,  u"2.0"_s, u"23.1"_s,
                              u"2.0"_s,    u"-21.1"_s, u"70.0"_s, u"2.0"_s, u"-68.0"_s};
    EXPECT_EQ(grid[10].toArray().toVariantList(), QVariantList(foreign.begin(), foreign.end()));
    EXPECT_EQ(grid[11].toArray()[0].toString(), u"教科小計"_s);
    EXPECT_EQ(grid[13].toArray()[0].toString(), u"道徳"_s);
    EXPECT_EQ(grid[14].toArray()[0].toString(), u"外国語活動"_s);
}
