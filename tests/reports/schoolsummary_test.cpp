// The whole-school window and sheet: plan files picked through the dialogs, the table of the
// shown school year, the date cut-off, the CSV files of this window and of the tally window, and the
// printed pages.
#include "reports/frmdisptimetable.h"
#include "reports/frmschoolsummary.h"
#include "reports/schoolsummarysheet.h"

#include "planfile/planwriter.h"
#include "platform/grid.h"
#include "reportsfixture.h"
#include "summary/schoolsummary.h"
#include "testservices.h"
#include "totals/yeartotals.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

// Periods 1 to 4 last three units on every weekday.
std::unique_ptr<AppState> classPlan(int year, int grade, const QString& cls, const QString& teacher)
{
    auto s = makePlan(year, grade);
    s->strClass = cls;
    s->strTeacher = teacher;
    for (QString& lengths : s->strTimeCredit)
        lengths = u"0333300"_s;
    return s;
}

QByteArray contentOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class SchoolSummaryWindow : public ::testing::Test {
protected:
    SchoolSummaryWindow()
    {
        // 平成17年度 3年2組: 国語 planned 100 units a term; 国語 registered 6 + 3 + 12 units, 体育 3.
        auto a = classPlan(2005, 3, u"2"_s, u"佐藤"_s);
        for (RivoSeasonTotal* t : a->objYearPlan->terms()) {
            t->kokugo = 100;
            t->recomputeSubtotals();
        }
        calculate(*a->objYearPlan);
        record(*a, QDate(2005, 4, 11), kE + u"国国体"_s + kE + kE + kE);
        record(*a, QDate(2005, 10, 31), kE + u"国"_s + kE + kE + kE + kE + kE);
        record(*a, QDate(2005, 11, 1), kE + u"国国国国"_s + kE + kE);
        fileA = save(*a, u"a.rv"_s);
        // 1年1組 and, in the year before, 5年3組.
        fileB = save(*classPlan(2005, 1, u"1"_s, u"鈴木"_s), u"b.rv"_s);
        fileE = save(*classPlan(2004, 5, u"3"_s, u"高橋"_s), u"e.rv"_s);
        fileBad = m_dir.filePath(u"bad.rv"_s);
        QFile bad(fileBad);
        EXPECT_TRUE(bad.open(QIODevice::WriteOnly));
        bad.write("0333300\r\n");

        window = std::make_unique<frmSchoolSummary>(t.services);
        t.activation.show(window.get());
    }

    QString save(const AppState& plan, const QString& name)
    {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(serializePlan(plan));
        return path;
    }
    template <typename W> W* child(const char* name) { return window->findChild<W*>(QLatin1String(name)); }
    void click(const char* name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    Grid& grid() { return *child<Grid>("gridSummary"); }
    // The column of a field's part (0 計画, 1 実績, 2 増減) by its heading.
    int column(const QString& heading)
    {
        for (int c = 0; c < grid().cols(); ++c)
            if (grid().textMatrix(0, c) == heading)
                return c;
        ADD_FAILURE() << "no column " << heading.toStdString();
        return 0;
    }

    QTemporaryDir m_dir;
    QString fileA, fileB, fileE, fileBad;
    TestServices t;
    std::unique_ptr<frmSchoolSummary> window;
};

} // namespace

TEST_F(SchoolSummaryWindow, PickedFilesShowPerSchoolYearWithTheBadFileListed)
{
    t.dialogs.answerOpenFiles({fileA, fileBad, fileE, fileB});
    click("cmdSummaryAddFiles");
    ASSERT_TRUE(t.dialogs.allAnswered());
    EXPECT_EQ(t.dialogs.calls().last().filter, kPlanFileFilter);

    QComboBox* years = child<QComboBox>("cboSummaryYear");
    ASSERT_EQ(years->count(), 2);
    EXPECT_EQ(years->itemText(0), u"平成16年度"_s);
    EXPECT_EQ(years->currentText(), u"平成17年度"_s) << "the latest year first";
    ASSERT_EQ(grid().rows(), 3);
    EXPECT_EQ(grid().textMatrix(1, 0), u"1年1組"_s);
    EXPECT_EQ(grid().textMatrix(2, 0), u"3年2組"_s);
    EXPECT_EQ(grid().textMatrix(2, 1), u"佐藤"_s);
    // 国語: 300 units planned (100.0), 21 registered (7.0), 279 short (-93.0, red).
    EXPECT_EQ(grid().textMatrix(2, column(u"国語･計画"_s)), u"100.0"_s);
    EXPECT_EQ(grid().textMatrix(2, column(u"国語･実績"_s)), u"7.0"_s);
    EXPECT_EQ(grid().textMatrix(2, column(u"国語･増減"_s)), u"-93.0"_s);
    EXPECT_EQ(grid().cellForeColor(2, column(u"国語･増減"_s)), kRed);
    EXPECT_EQ(grid().textMatrix(2, column(u"体育･増減"_s)), u"1.0"_s);
    EXPECT_EQ(grid().cellForeColor(2, column(u"体育･増減"_s)), kBlue);
    EXPECT_EQ(grid().cols(), 2 + 21 * 3);

    QListWidget* errors = child<QListWidget>("lstSummaryErrors");
    ASSERT_EQ(errors->count(), 1);
    EXPECT_TRUE(errors->item(0)->text().startsWith(fileBad + u":2: "_s))
        << errors->item(0)->text().toStdString();

    // The year before, picked from the list by keyboard.
    years->setFocus();
    QTest::keyClick(years, Qt::Key_Up);
    EXPECT_EQ(years->currentText(), u"平成16年度"_s);
    ASSERT_EQ(grid().rows(), 2);
    EXPECT_EQ(grid().textMatrix(1, 0), u"5年3組"_s);

    // Picking the same files again adds nothing.
    t.dialogs.answerOpenFiles({fileA, fileB});
    click("cmdSummaryAddFiles");
    EXPECT_EQ(window->files().size(), 4);
}

TEST_F(SchoolSummaryWindow, TheDateCutsOffLaterDays)
{
    t.dialogs.answerFolder(m_dir.path());
    click("cmdSummaryAddFolder");
    EXPECT_EQ(window->files().size(), 4) << "every .rv of the folder";
    const int actual = column(u"国語･実績"_s);
    EXPECT_EQ(grid().textMatrix(2, actual), u"7.0"_s);

    QDateEdit* until = child<QDateEdit>("dtpSummaryUntil");
    EXPECT_FALSE(until->isEnabled()) << "every registered day by default";
    QTest::mouseClick(child<QCheckBox>("chkSummaryUntil"), Qt::LeftButton);
    ASSERT_TRUE(until->isEnabled());
    until->setDate(QDate(2005, 10, 31));
    EXPECT_EQ(grid().textMatrix(2, actual), u"3.0"_s) << "11 April and 31 October: 6 + 3 units";
    until->setDate(QDate(2005, 4, 10));
    EXPECT_EQ(grid().textMatrix(2, actual), u"0.0"_s);

    QTest::mouseClick(child<QCheckBox>("chkSummaryUntil"), Qt::LeftButton);
    EXPECT_EQ(grid().textMatrix(2, actual), u"7.0"_s);

    // A folder without plans says so.
    QTemporaryDir empty;
    t.dialogs.answerFolder(empty.path());
    t.dialogs.answerMessage(Dialogs::Answer::Ok);
    click("cmdSummaryAddFolder");
    EXPECT_TRUE(t.dialogs.messages().last().contains(u"計画ファイル"_s));
}

TEST_F(SchoolSummaryWindow, SavesCsvInTheChosenEncoding)
{
    // Nothing to save yet.
    t.dialogs.answerMessage(Dialogs::Answer::Ok);
    click("cmdSummarySaveCsv");
    ASSERT_EQ(t.dialogs.messages().size(), 1);

    t.dialogs.answerOpenFiles({fileA, fileE});
    click("cmdSummaryAddFiles");
    const QString path = m_dir.filePath(u"学校全体"_s);
    t.dialogs.answerSaveFile(path);
    click("cmdSummarySaveCsv");
    const QByteArray utf8 = contentOf(path + u".csv"_s);
    ASSERT_TRUE(utf8.startsWith("\xEF\xBB\xBF")) << "the extension is added, a byte order mark written";
    const QStringList lines = QString::fromUtf8(utf8.mid(3)).split(u"\r\n"_s);
    ASSERT_EQ(lines.size(), 4) << "heading, two classes, and the end of the last line";
    EXPECT_TRUE(lines[0].startsWith(u"年度,学年,組,担任,国語 計画,国語 実績,国語 増減,"_s));
    EXPECT_TRUE(lines[1].startsWith(u"平成16年度,5,3,高橋,0.0,0.0,0.0,"_s));
    EXPECT_TRUE(lines[2].startsWith(u"平成17年度,3,2,佐藤,100.0,7.0,-93.0,"_s));
    EXPECT_TRUE(lines[3].isEmpty());

    QComboBox* encoding = child<QComboBox>("cboSummaryEncoding");
    encoding->setCurrentIndex(1);
    t.dialogs.answerSaveFile(m_dir.filePath(u"sjis.csv"_s));
    click("cmdSummarySaveCsv");
    const QByteArray sjis = contentOf(m_dir.filePath(u"sjis.csv"_s));
    QStringDecoder decoder("Shift_JIS");
    const QString decoded = decoder.decode(sjis);
    EXPECT_FALSE(decoder.hasError());
    EXPECT_EQ(decoded, QString::fromUtf8(utf8.mid(3)));

    // Cancelled: nothing written, nothing said.
    t.dialogs.answerSaveFile(QString());
    click("cmdSummarySaveCsv");
    EXPECT_EQ(t.dialogs.messages().size(), 1);
}

TEST_F(SchoolSummaryWindow, PrintsAPagePerSchoolYearAfterThePrinterDialog)
{
    t.dialogs.answerOpenFiles({fileA, fileE, fileB});
    click("cmdSummaryAddFiles");
    t.dialogs.answerPrint(false);
    click("cmdSummaryPrint");
    EXPECT_EQ(t.printersOpened, 0) << "cancelled";

    t.dialogs.answerPrint(true);
    click("cmdSummaryPrint");
    EXPECT_EQ(t.printersOpened, 1);
    EXPECT_EQ(t.recording.pages(), 2);
    EXPECT_EQ(t.recording.documentsEnded(), 1);
    EXPECT_EQ(t.recording.orientation(), Printer::Orientation::Landscape);
    const RecordingPrinter::Text* satou = t.recording.findText(u"佐藤"_s);
    const RecordingPrinter::Text* takahashi = t.recording.findText(u"高橋"_s);
    ASSERT_TRUE(satou && takahashi);
    EXPECT_EQ(takahashi->page, 0);
    EXPECT_EQ(satou->page, 1);
}

TEST_F(SchoolSummaryWindow, EveryControlIsNamedAndReachedByTab)
{
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->objectName().startsWith(u"qt_"_s) || w->parentWidget() != window.get())
            continue;
        EXPECT_FALSE(w->objectName().isEmpty()) << w->metaObject()->className();
        if (w->focusPolicy() != Qt::NoFocus)
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
    }
    // Tab from the first button walks the window's controls in order and comes back.
    QWidget* first = child<QPushButton>("cmdSummaryAddFiles");
    QStringList order;
    QWidget* w = first;
    for (int i = 0; i < 60; ++i) {
        w = w->nextInFocusChain();
        if (w == first)
            break;
        if (w->parentWidget() == window.get() && (w->focusPolicy() & Qt::TabFocus))
            order << w->objectName();
    }
    const QStringList expected{u"cmdSummaryAddFolder"_s, u"cmdSummaryClear"_s,    u"chkSummaryUntil"_s,
                               u"dtpSummaryUntil"_s,     u"cboSummaryYear"_s,     u"gridSummary"_s,
                               u"lstSummaryErrors"_s,    u"cboSummaryEncoding"_s, u"cmdSummarySaveCsv"_s,
                               u"cmdSummaryPrint"_s,     u"cmdSummaryClose"_s};
    EXPECT_EQ(order, expected);
}

// ---------------------------------------------------------------------------------------------
// The tally window's CSV: the grid as it stands.

TEST(TallyWindowCsv, TheShownWeekTermAndYear)
{
    TestServices t;
    auto plan = classPlan(2005, 3, u"2"_s, u"佐藤"_s);
    record(*plan, QDate(2005, 10, 31), kE + u"国算"_s + kE + kE + kE + kE + kE);
    frmDispTimeTable window(*plan, t.services);
    t.activation.show(&window);
    window.mvTimeTable_DateClick(QDate(2005, 11, 2));

    QTemporaryDir dir;
    t.dialogs.answerSaveFile(dir.filePath(u"week.csv"_s));
    QTest::mouseClick(window.findChild<QPushButton*>(u"cmdCsvTimeTable"_s), Qt::LeftButton);
    const QByteArray bytes = contentOf(dir.filePath(u"week.csv"_s));
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(u"\r\n"_s);
    ASSERT_EQ(lines.size(), 23);
    const Grid& grid = *window.findChild<Grid*>(u"gridTimeTable"_s);
    for (int r = 0; r < 22; ++r) {
        QStringList cells;
        for (int c = 0; c < 10; ++c)
            cells << grid.textMatrix(r, c);
        EXPECT_EQ(lines[r], cells.join(u','));
    }
    // The week of 31 October: 国語 and 算数 one hour each.
    EXPECT_EQ(lines[1], u"国語,0.0,1.0,1.0,0.0,1.0,1.0,0.0,1.0,1.0"_s);
}

// ---------------------------------------------------------------------------------------------
// The sheet

TEST(SchoolSummarySheet, ThirtySixClassesAPageAndEverythingOnThePage)
{
    SchoolSummary summary;
    SchoolYearTable table;
    table.schoolYear = 2005;
    table.fields = summaryFields(2005);
    for (int i = 0; i < 37; ++i) {
        ClassYear c;
        c.schoolYear = 2005;
        c.grade = 1 + i / 7;
        c.strClass = QString::number(1 + i % 7);
        c.teacher = u"担任%1"_s.arg(i);
        UnitCounts plan;
        plan.SouJyugyouJisuu = 3045; // 1015.0
        plan.SouJisuu = 3045;
        c.year = compareCounts(plan, UnitCounts{});
        table.rows.push_back({u"x.rv"_s, c});
    }
    summary.years.push_back(table);

    RecordingPrinter page;
    subPrintSchoolSummary(summary, page);
    EXPECT_EQ(page.pages(), 2) << "36 classes on the first page, the 37th on the second";
    EXPECT_EQ(summarySheetPages(summary), 2);
    EXPECT_EQ(page.findText(u"担任35"_s)->page, 0);
    EXPECT_EQ(page.findText(u"担任36"_s)->page, 1);
    EXPECT_EQ(page.settings().mid(0, 3),
              (QStringList{u"colorMode 2"_s, u"orientation landscape"_s, u"font ＭＳ ゴシック"_s}));
    // The widest figure of a total, "-1015.0", ends inside the page; nothing is drawn beyond it.
    const PrintableArea a4;
    for (const RecordingPrinter::Text& text : page.texts()) {
        EXPECT_GE(text.x, 0) << text.text.toStdString();
        EXPECT_LE(text.x + text.text.size() * text.fontSize * 10, a4.width) << text.text.toStdString();
        EXPECT_LE(text.y + text.fontSize * 20, a4.height) << text.text.toStdString();
    }
    for (const RecordingPrinter::Line& line : page.lines()) {
        EXPECT_LE(std::max(line.x1, line.x2), a4.width);
        EXPECT_LE(std::max(line.y1, line.y2), a4.height);
    }
    const RecordingPrinter::Text* shortfall = page.findText(u"-1015.0"_s);
    ASSERT_NE(shortfall, nullptr);
    EXPECT_EQ(shortfall->color, QColor(255, 0, 0));

    // The subjects of the sheet: no subtotal but the two totals, which come last.
    const std::vector<Field> subjects = summarySheetSubjects(table);
    ASSERT_EQ(subjects.size(), 17u);
    EXPECT_EQ(subjects[0], Field::kokugo);
    EXPECT_EQ(subjects[15], Field::SouJyugyouJisuu);
    EXPECT_EQ(subjects[16], Field::SouJisuu);
}
