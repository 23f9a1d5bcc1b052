// Start-up of the window program: splash, defaults, the main window loaded and shown, and the
// wizard's start page opened by its first activation, or the plan file the desktop handed over.
#include "app/mirte/program.h"
#include "core/plandefaults.h"
#include "planfile/planfile.h"
#include "planfixture.h"
#include "scripteddialogs.h"
#include "ui/main/frmmain.h"
#include "ui/wizard/wizard.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

TEST(Program, StartsWithTheMainWindowAndTheWizardsStartPage)
{
    Program program;
    program.Main();
    frmMain* main = program.mainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("ミルテ Ver1.2.3"));
    EXPECT_EQ(main->size(), QSize(715, 657));

    QStringList shown;
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            shown << w->objectName();
    EXPECT_FALSE(shown.contains(QStringLiteral("frmSplash")));
    EXPECT_TRUE(shown.contains(QStringLiteral("frmMain")));
    EXPECT_TRUE(shown.contains(QStringLiteral("frmWiz0"))) << shown.join(u' ').toStdString();
    // Making the printer loads the print system; page set-up or printing does it when first asked.
    EXPECT_FALSE(program.printer().isMade());

    // The defaults of a program that has no plan yet; the start page took the start flag.
    const AppState& state = program.state();
    EXPECT_FALSE(state.boolStartWizard);
    EXPECT_TRUE(state.boolCalendarShown);
    EXPECT_EQ(state.intYear, 0);
    for (int d = 0; d < 6; ++d)
        EXPECT_TRUE(state.strTimeCredit[std::size_t(d)].isEmpty());
    ASSERT_NE(state.objDayChain, nullptr);
    EXPECT_EQ(state.objDayChain->objNextDay, nullptr);
    EXPECT_EQ(state.intHolidayCount, 14);
    ASSERT_NE(state.objWeekTimetable, nullptr);
    EXPECT_NE(state.objWeekTimetable->objFirstDay, nullptr);
}

TEST(Program, TakesAPlanFileOnlyAsItsOneArgument)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString plan = dir.filePath(QStringLiteral("2-2.rv"));
    QFile file(plan);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const struct {
        QStringList arguments;
        QString expected;
    } cases[] = {
        {{"mirte"}, {}},
        {{"mirte", plan}, plan},
        {{"mirte", plan, plan}, {}},
        {{"mirte", dir.filePath(QStringLiteral("missing.rv"))}, {}},
        {{"mirte", dir.path()}, {}}, // a folder
        {{"mirte", QStringLiteral("--help")}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(planFileArgument(c.arguments), c.expected) << c.arguments.join(u' ').toStdString();
}

class ProgramWithAFile : public ::testing::Test {
protected:
    void start(const QString& planFile)
    {
        program =
            std::make_unique<Program>(Program::Overrides{&dialogs, &clock, &placement, {}, recovery.path()});
        program->Main(planFile);
    }
    ~ProgramWithAFile() override { program->wizard().hideAll(); }

    ScriptedDialogs dialogs;
    FixedClock clock{QDate(2002, 10, 17)};
    PlacementStore placement;
    QTemporaryDir dir;
    QTemporaryDir recovery;
    std::unique_ptr<Program> program;
};

TEST_F(ProgramWithAFile, OpensTheFileInsteadOfTheStartPage)
{
    const QString path = dir.filePath(QStringLiteral("3-3.rv"));
    AppState plan;
    makePlan(plan, 2002);
    addDay(plan, QDate(2002, 10, 15), QStringLiteral("　国算理音体　"));
    plan.strFileName = path;
    ASSERT_EQ(SavePlanFile(plan), SaveResult::Saved);

    start(path);
    EXPECT_TRUE(dialogs.calls().isEmpty());
    EXPECT_FALSE(program->wizard().page(Wizard::Step::Start)->isVisible());
    EXPECT_EQ(program->state().intYear, 2002);
    EXPECT_EQ(program->state().strFileName, path);
    EXPECT_EQ(recordCount(program->state()), 1);
    EXPECT_TRUE(program->mainWindow()->findChild<QAction*>(QStringLiteral("mnuFileSave"))->isVisible());
    EXPECT_EQ(program->mainWindow()->rowDates()[1], QDate(2002, 10, 15));
}

TEST_F(ProgramWithAFile, ABadFileIsReportedThenTheStartPageComes)
{
    const QString path = dir.filePath(QStringLiteral("bad.rv"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1333330\r\nnot a plan\r\n");
    file.close();

    dialogs.answerMessage(Dialogs::Answer::Ok);
    start(path);
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(
        dialogs.messages()[0].startsWith(QStringLiteral("計画ファイルを読み込めませんでした。\n") + path))
        << dialogs.messages()[0].toStdString();
    EXPECT_TRUE(dialogs.messages()[0].contains(QStringLiteral(" 行目: ")));
    EXPECT_TRUE(program->wizard().page(Wizard::Step::Start)->isVisible());
    EXPECT_EQ(program->state().intYear, 0);
    EXPECT_TRUE(program->state().strFileName.isEmpty());
}
