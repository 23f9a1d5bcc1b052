// A teacher's year in the program, end to end: start-up, a new plan through every wizard page,
// lessons registered and one withdrawn in the main window, the tally window, save as, close, open
// again and print both sheets. Every figure is checked against what the plan model computes.
#include "app/mirte/program.h"
#include "calendar/schooldaycount.h"
#include "core/units.h"
#include "planfile/planfile.h"
#include "platform/grid.h"
#include "platform/monthcalendar.h"
#include "platform/recordingprinter.h"
#include "scripteddialogs.h"
#include "totals/tally.h"
#include "ui/main/frmmain.h"
#include "ui/wizard/wizard.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
using Step = Wizard::Step;

class MemoryPlacement final : public PlacementStore {
public:
    WindowPlacement load() const override { return stored; }
    void save(const WindowPlacement& placement) override { stored = placement; }
    WindowPlacement stored;
};

// Hands every call on to a recording the test keeps after the sheet's printer is gone.
class KeptPrinter final : public Printer {
public:
    explicit KeptPrinter(RecordingPrinter& to) : m_to(to) {}
    void setColorMode(int mode) override { m_to.setColorMode(mode); }
    void setOrientation(Orientation orientation) override { m_to.setOrientation(orientation); }
    void setFontName(const QString& name) override { m_to.setFontName(name); }
    void setFontSize(double points) override { m_to.setFontSize(points); }
    void setCurrentX(double twips) override { m_to.setCurrentX(twips); }
    void setCurrentY(double twips) override { m_to.setCurrentY(twips); }
    double currentX() const override { return m_to.currentX(); }
    double currentY() const override { return m_to.currentY(); }
    void print(const QString& text) override { m_to.print(text); }
    void setDrawWidth(int printerPixels) override { m_to.setDrawWidth(printerPixels); }
    void setForeColor(const QColor& color) override { m_to.setForeColor(color); }
    void line(double x1, double y1, double x2, double y2) override { m_to.line(x1, y1, x2, y2); }
    void paintPicture(const QImage& picture, double x, double y, double width, double height) override
    {
        m_to.paintPicture(picture, x, y, width, height);
    }
    void newPage() override { m_to.newPage(); }
    void endDoc() override { m_to.endDoc(); }

private:
    RecordingPrinter& m_to;
};

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class WholeProgram : public ::testing::Test {
protected:
    WholeProgram()
        : program(Program::Overrides{&dialogs, &clock, &placement,
                                     [this](QPrinter&) -> std::unique_ptr<Printer> {
                                         sheets.push_back(std::make_unique<RecordingPrinter>());
                                         return std::make_unique<KeptPrinter>(*sheets.back());
                                     },
                                     recovery.path()})
    {
    }
    ~WholeProgram() override { program.wizard().hideAll(); }

    template <class T> T* on(Step step, const char* name)
    {
        T* found = program.wizard().page(step)->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    template <class T> T* inMain(const QString& name)
    {
        T* found = program.mainWindow()->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    static QWidget* topLevel(const char* name)
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name))
                return w;
        return nullptr;
    }
    void menu(const char* item) { inMain<QAction>(QLatin1String(item))->trigger(); }

    static void click(QWidget* widget)
    {
        ASSERT_NE(widget, nullptr);
        ASSERT_TRUE(widget->isVisible()) << widget->objectName().toStdString();
        QTest::mouseClick(widget, Qt::LeftButton);
    }
    static void choose(QComboBox* box, int index)
    {
        ASSERT_NE(box, nullptr);
        box->showPopup();
        QAbstractItemView* view = box->view();
        const QModelIndex item = view->model()->index(index, box->modelColumn(), view->rootIndex());
        view->scrollTo(item);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(item).intersected(view->viewport()->rect()).center());
        if (view->isVisible())
            box->hidePopup();
    }
    static void clickOption(QAbstractButton* option)
    {
        ASSERT_NE(option, nullptr);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    }
    static void type(QWidget* widget, const QString& text)
    {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(widget, &commit);
    }
    static void clickDay(MonthCalendar* calendar, const QDate& date)
    {
        calendar->setDisplayedDate(date);
        const QRect cell = calendar->dayRect(date);
        ASSERT_FALSE(cell.isEmpty()) << date.toString(Qt::ISODate).toStdString();
        QTest::mouseClick(calendar, Qt::LeftButton, {}, cell.center());
    }
    QToolButton* period(const char* weekday, int j)
    {
        return inMain<QToolButton>(QStringLiteral("%1_%2").arg(QLatin1String(weekday)).arg(j));
    }

    void walkTheWizard();

    ScriptedDialogs dialogs;
    FixedClock clock{QDateTime(QDate(2001, 10, 17), QTime(8, 30))};
    MemoryPlacement placement;
    std::vector<std::unique_ptr<RecordingPrinter>> sheets;
    QTemporaryDir recovery; // copies of unsaved work, away from any the account has
    Program program;
    QTemporaryDir dir;
};

void WholeProgram::walkTheWizard()
{
    click(on<QPushButton>(Step::Start, "cmdWiz0Next")); // 新しく計画を作る is the default

    // 平成13年度, grade 3, class 2, the teacher's name.
    choose(on<QComboBox>(Step::Class, "cboWiz1Year"), 1);
    choose(on<QComboBox>(Step::Class, "cboWiz1Class_0"), 2);
    choose(on<QComboBox>(Step::Class, "cboWiz1Class_1"), 1);
    auto* teacher = on<QLineEdit>(Step::Class, "txtWiz1Teacher");
    click(teacher);
    type(teacher, QStringLiteral("山本"));
    click(on<QPushButton>(Step::Class, "cmdWiz1Next"));

    // The second and fourth Saturdays off; the rest as offered.
    clickOption(on<QRadioButton>(Step::HolidayRules, "optWiz2Saturday_0"));
    click(on<QPushButton>(Step::HolidayRules, "cmdWiz2Next"));

    // The school's own day off, Friday 15 June.
    clickDay(on<MonthCalendar>(Step::HolidayCalendar, "mvWiz3Calendar_0"), QDate(2001, 6, 15));
    click(on<QPushButton>(Step::HolidayCalendar, "cmdWiz3Next"));

    // Grade 3's period lengths, with a 60-minute period 1 on Wednesday.
    choose(on<QComboBox>(Step::PeriodLengths, "cboWiz6WedCredit_1"), 4);
    click(on<QPushButton>(Step::PeriodLengths, "cmdWiz6Next"));

    // 国語 in period 1 and 算数 in period 2 every weekday, 体育 in Wednesday's period 3.
    const char* const columns[] = {"cmdWiz5MonPlan", "cmdWiz5TuePlan", "cmdWiz5WedPlan",
                                   "cmdWiz5ThuPlan", "cmdWiz5FriPlan", "cmdWiz5SatPlan"};
    QWidget* timetable = program.wizard().page(Step::Timetable);
    const auto stamp = [&](int paletteIndex, int weekday, int p) {
        auto* subject =
            timetable->findChild<QPushButton*>(QStringLiteral("cmdWiz5Subject_%1").arg(paletteIndex));
        ASSERT_NE(subject, nullptr);
        QTest::mousePress(subject, Qt::LeftButton);
        QTest::mouseRelease(subject, Qt::LeftButton);
        click(timetable->findChild<QPushButton*>(
            QStringLiteral("%1_%2").arg(QLatin1String(columns[weekday])).arg(p)));
    };
    for (int d = 0; d < 6; ++d) {
        stamp(1, d, 1);
        stamp(3, d, 2);
    }
    stamp(9, 2, 3);
    click(on<QPushButton>(Step::Timetable, "cmdWiz5Next"));

    // 国語: 175 base hours, 58.1 in each term, typed and moved on with Enter.
    QWidget* annual = program.wizard().page(Step::AnnualPlan);
    QApplication::setActiveWindow(annual);
    ASSERT_TRUE(QTest::qWaitForWindowActive(annual));
    const auto typeInto = [&](const QString& name, const char* text) {
        auto* box = annual->findChild<QLineEdit*>(name);
        ASSERT_NE(box, nullptr) << name.toStdString();
        box->setFocus();
        QTest::keyClicks(box, QLatin1String(text));
        QTest::keyClick(box, Qt::Key_Return);
    };
    typeInto(QStringLiteral("txtWiz4YearBase_0"), "175");
    for (int t = 0; t < 3; ++t)
        typeInto(QStringLiteral("txtWiz4YearPlan_%1").arg(t), "58.1");
    click(on<QPushButton>(Step::AnnualPlan, "cmdWiz4End"));
}

TEST_F(WholeProgram, ATeachersYearFromStartToPrintedSheets)
{
    program.Main();
    AppState& state = program.state();
    frmMain* main = program.mainWindow();
    ASSERT_TRUE(program.wizard().page(Step::Start)->isVisible());

    walkTheWizard();
    if (HasFatalFailure())
        return;
    for (int s = 0; s < 7; ++s)
        EXPECT_FALSE(program.wizard().page(static_cast<Step>(s))->isVisible()) << "page " << s;
    ASSERT_EQ(state.intYear, 2001);
    EXPECT_EQ(state.intGrade, 3);
    EXPECT_EQ(state.strTeacher, QStringLiteral("山本"));
    ASSERT_EQ(state.intHolidayCount, 15);
    EXPECT_EQ(state.dateHoliday[14], QDate(2001, 6, 15));
    EXPECT_EQ(state.strTimeCredit[2], QStringLiteral("1433330"));
    EXPECT_EQ(state.objYearPlan->kokugo, 525);

    // Back in the main window on today's week, 15 to 20 October, with the timetable's subjects.
    EXPECT_EQ(main->rowDates()[0], QDate(2001, 10, 15));
    EXPECT_EQ(period("cmdMon", 1)->text(), QStringLiteral("国語"));
    EXPECT_EQ(period("cmdWed", 3)->text(), QStringLiteral("体育"));

    // Monday: 算数 stamped into the empty period 3, then registered. Tuesday as planned.
    // Wednesday with its event. The next Monday registered and withdrawn again.
    click(inMain<QPushButton>(QStringLiteral("cmdSubject_3")));
    click(period("cmdMon", 3));
    click(inMain<QPushButton>(QStringLiteral("Command1")));
    click(inMain<QPushButton>(QStringLiteral("Command2")));
    auto* wednesdayEvent = inMain<QComboBox>(QStringLiteral("Combo3"));
    type(wednesdayEvent->lineEdit(), QStringLiteral("遠足"));
    click(inMain<QPushButton>(QStringLiteral("Command3")));
    clickDay(inMain<MonthCalendar>(QStringLiteral("MonthView1")), QDate(2001, 10, 24));
    ASSERT_EQ(main->rowDates()[0], QDate(2001, 10, 22));
    click(inMain<QPushButton>(QStringLiteral("Command1")));
    click(inMain<QPushButton>(QStringLiteral("Command1")));
    EXPECT_EQ(inMain<QPushButton>(QStringLiteral("Command1"))->text(), QStringLiteral("登録"));

    QStringList registered;
    for (const RivoDayTime* d = state.objDayChain->objNextDay.get(); d; d = d->objNextDay.get())
        if (d->isRegistered())
            registered << d->dateThisDay.toString(Qt::ISODate) + u' ' + d->strSubject + u' ' + d->strComment;
    EXPECT_EQ(registered, QStringList({QStringLiteral("2001-10-15 　国算算　　　 "),
                                       QStringLiteral("2001-10-16 　国算　　　　 "),
                                       QStringLiteral("2001-10-17 　国算体　　　 遠足")}));

    // The tally window opens on the week last picked; every cell is what the tally computes.
    menu("mnuViewShowTimeTable");
    QWidget* tallyWindow = topLevel("frmDispTimeTable");
    ASSERT_NE(tallyWindow, nullptr);
    clickDay(tallyWindow->findChild<MonthCalendar*>(QStringLiteral("mvTimeTable")), QDate(2001, 10, 17));
    auto* grid = tallyWindow->findChild<Grid*>(QStringLiteral("gridTimeTable"));
    ASSERT_NE(grid, nullptr);
    const Tally tally = computeTally(state, QDate(2001, 10, 17));
    const std::pair<int, const TallyBlock*> blocks[] = {
        {1, &tally.week}, {4, &tally.termBlock}, {7, &tally.year}};
    for (const auto& [column, block] : blocks)
        for (std::size_t r = 0; r < kTallyOrder.size(); ++r) {
            const Field field = kTallyOrder[r];
            SCOPED_TRACE(tallyLabel(field).toStdString() + " column " + std::to_string(column));
            EXPECT_EQ(grid->textMatrix(int(r) + 1, column), UnitsToText(block->plan[field]));
            EXPECT_EQ(grid->textMatrix(int(r) + 1, column + 1), UnitsToText(block->actual[field]));
            EXPECT_EQ(grid->textMatrix(int(r) + 1, column + 2), UnitsToText(*block->difference(field)));
        }
    // And by hand: 国語 45 + 45 + 60 minutes, 算数 two periods on Monday and one each after.
    EXPECT_EQ(tally.year.actual[Field::kokugo], 10);
    EXPECT_EQ(tally.year.actual[Field::sannsuu], 12);
    EXPECT_EQ(tally.year.actual[Field::taiiku], 3);
    EXPECT_EQ(tally.year.plan[Field::kokugo], 525);

    // Save as a new file: no backup, and 上書き保存 offered from the next activation on.
    const QString file = dir.filePath(QStringLiteral("3-2.rv"));
    dialogs.answerSaveFile(file);
    menu("mnuFileSaveAs");
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("3-2.bak"))));
    const QByteArray saved = contentOf(file);
    const UnitCounts yearResult = *state.objYearResult;

    // Close, without saving again: the empty plan of the same year.
    dialogs.answerMessage(Dialogs::Answer::No);
    menu("mnuFileClose");
    EXPECT_EQ(countDays(*state.objDayChain), 0);
    EXPECT_TRUE(state.strFileName.isEmpty());
    EXPECT_TRUE(inMain<QAction>(QStringLiteral("mnuFileOpen"))->isVisible());

    // Open it again: the same plan, byte for byte when written once more.
    dialogs.answerMessage(Dialogs::Answer::No);
    dialogs.answerOpenFile(file);
    menu("mnuFileOpen");
    EXPECT_EQ(state.strFileName, file);
    EXPECT_TRUE(inMain<QAction>(QStringLiteral("mnuFileSave"))->isVisible());
    EXPECT_EQ(state.strTeacher, QStringLiteral("山本"));
    EXPECT_EQ(state.dateHoliday[14], QDate(2001, 6, 15));
    EXPECT_EQ(main->rowDates()[0], QDate(2001, 10, 15));
    EXPECT_EQ(inMain<QPushButton>(QStringLiteral("Command3"))->text(), QStringLiteral("取消"));
    EXPECT_EQ(inMain<QComboBox>(QStringLiteral("Combo3"))->currentText(), QStringLiteral("遠足"));
    EXPECT_EQ(period("cmdMon", 3)->text(), QStringLiteral("算数"));
    const Tally reopened = computeTally(state, QDate(2001, 10, 17));
    EXPECT_TRUE(state.objYearResult->sameCounts(yearResult));
    EXPECT_EQ(reopened.year.actual[Field::kokugo], 10);
    menu("mnuFileSave");
    EXPECT_EQ(contentOf(file), saved);

    // Print the annual sheet, then the weekly timetable poster.
    menu("mnuFilePrint");
    QWidget* print = topLevel("frmPrint");
    ASSERT_NE(print, nullptr);
    dialogs.answerPrint(true);
    click(print->findChild<QPushButton*>(QStringLiteral("cmdPrint")));
    clickOption(print->findChild<QRadioButton*>(QStringLiteral("optPrint_7")));
    dialogs.answerPrint(true);
    click(print->findChild<QPushButton*>(QStringLiteral("cmdPrint")));
    ASSERT_EQ(sheets.size(), 2u);
    const RecordingPrinter& year = *sheets[0];
    const RecordingPrinter& week = *sheets[1];
    EXPECT_EQ(year.orientation(), Printer::Orientation::Landscape);
    EXPECT_EQ(year.documentsEnded(), 1);
    EXPECT_NE(year.findText(QStringLiteral("担任　（山本）")), nullptr);
    const SchoolDayCounts days = countSchoolDays(state);
    EXPECT_EQ(state.intSchoolDaysYear, days.year);
    EXPECT_NE(year.findText(QStringLiteral("授業日数　 %1日").arg(days.year)), nullptr) << days.year;
    // Each initial once in the sheet's column headings, then in the registered days' cells: 算
    // twice on the 15th, and nothing of the withdrawn Monday.
    const auto count = [&](const QString& text) {
        return std::count_if(year.texts().begin(), year.texts().end(),
                             [&](const RecordingPrinter::Text& t) { return t.text == text; });
    };
    EXPECT_EQ(count(QStringLiteral("算")), 1 + 4);
    EXPECT_EQ(count(QStringLiteral("国")), 1 + 3);
    EXPECT_EQ(count(QStringLiteral("体")), 1 + 1);
    EXPECT_EQ(week.orientation(), Printer::Orientation::Portrait);
    EXPECT_EQ(week.documentsEnded(), 1);
    EXPECT_NE(week.findText(QStringLiteral("担任　（山本）")), nullptr);
    EXPECT_NE(week.findText(QStringLiteral("６０分")), nullptr) << "Wednesday's period 1";

    // Exit: one question, and the program's windows go.
    dialogs.answerMessage(Dialogs::Answer::No);
    menu("mnuFileExit");
    EXPECT_FALSE(main->isVisible());
    EXPECT_FALSE(print->isVisible());
    EXPECT_FALSE(tallyWindow->isVisible());
    EXPECT_EQ(state.intYear, 0);
    EXPECT_TRUE(dialogs.allAnswered());
    EXPECT_EQ(dialogs.messages(), QStringList({QStringLiteral("閉じる前にファイルを保存しますか。"),
                                               QStringLiteral("閉じる前にファイルを保存しますか。"),
                                               QStringLiteral("終了前にファイルを保存しますか。")}));
}
