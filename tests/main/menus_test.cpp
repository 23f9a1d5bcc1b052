// The menu commands and the plan file's life cycle: which file is current, when the teacher is
// asked about saving, the backup of save as, and the windows the menus open.
#include "calendar/dates.h"
#include "core/mirteerror.h"
#include "core/plandefaults.h"
#include "mainwindowfixture.h"
#include "planfile/planfile.h"
#include "planfixture.h"
#include "platform/monthcalendar.h"
#include "ui/help/helpwindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <sys/mount.h>

namespace {
const QString kCloseQuestion = QStringLiteral("閉じる前にファイルを保存しますか。");
const QString kExitQuestion = QStringLiteral("終了前にファイルを保存しますか。");

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QWidget* topLevel(const QString& name)
{
    QWidget* found = nullptr;
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name) {
            found = w;
            ++count;
        }
    EXPECT_LE(count, 1) << name.toStdString() << " was created more than once";
    return found;
}

// Another plan than the fixture's, saved to a file: school year 2002 with one recorded day.
void savePlanFileOf2002(const QString& path)
{
    AppState other;
    makePlan(other, 2002);
    other.strClass = QStringLiteral("3");
    addDay(other, QDate(2002, 6, 3), QStringLiteral("　体体体体体　"), QStringLiteral("運動会"));
    other.strFileName = path;
    ASSERT_EQ(SavePlanFile(other), SaveResult::Saved);
}
} // namespace

class MenusTest : public MainWindowTest {
protected:
    MenusTest() { EXPECT_TRUE(dir.isValid()); }
    void trigger(const char* item) { child<QAction>(QLatin1String(item))->trigger(); }
    QString path(const QString& name) const { return dir.filePath(name); }
    bool saveOffered() const { return child<QAction>(QStringLiteral("mnuFileSave"))->isVisible(); }
    bool openOffered() const { return child<QAction>(QStringLiteral("mnuFileOpen"))->isVisible(); }
    // A plan open in the window, with two recorded days.
    void openPlan()
    {
        makePlan(state, 2001);
        addDay(state, QDate(2001, 10, 15), QStringLiteral("　国算理音体　"), QStringLiteral("遠足"));
        addDay(state, QDate(2001, 10, 16), QStringLiteral("　国算音図図　"));
        open();
    }

    QTemporaryDir dir;
};

TEST_F(MenusTest, CloseWithNoShowsTheEmptyWeekOfFirstAprilOfTheSameYear)
{
    makePlan(state, 2002); // 1 April 2002 is a Monday
    state.dateSpringTo = QDate(2002, 4, 1);
    state.updateDayNumbers();
    addDay(state, QDate(2002, 4, 2), QStringLiteral("　国国国国国　"));
    state.strFileName = path(QStringLiteral("2-2.rv"));
    state.dateHoliday[14] = QDate(2002, 4, 3); // a day off from the holiday calendar: gone with the plan
    state.intHoliday[14] = std::int16_t(DayOfYear(state.dateHoliday[14]));
    state.intHolidayCount = 15;
    open();
    ASSERT_TRUE(saveOffered());
    pick(QDate(2002, 10, 17));

    dialogs.answerMessage(Dialogs::Answer::No);
    trigger("mnuFileClose");

    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls()[0].text, kCloseQuestion);
    EXPECT_EQ(dialogs.calls()[0].buttons, Dialogs::Buttons::YesNo);
    EXPECT_FALSE(QFile::exists(state.strFileName)) << "No saves nothing";
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("2-2.rv"))));

    EXPECT_EQ(state.intYear, 2002);
    EXPECT_EQ(state.strClass, QStringLiteral("2"));
    EXPECT_TRUE(state.strFileName.isEmpty());
    EXPECT_EQ(recordCount(state), 0);
    EXPECT_EQ(state.intHolidayCount, 14);
    EXPECT_FALSE(saveOffered());
    EXPECT_TRUE(openOffered());

    EXPECT_EQ(calendar()->selectionStart(), QDate(2002, 4, 1));
    EXPECT_EQ(calendar()->selectionEnd(), QDate(2002, 4, 6));
    EXPECT_EQ(dateLabel(0)->text(), QStringLiteral("04/01(月)"));
    EXPECT_FALSE(shown(command(0))) << "1 April lies in the spring vacation";
    for (int r = 1; r < 6; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(window->rowDates()[std::size_t(r)], QDate(2002, 4, 1 + r));
        ASSERT_TRUE(shown(command(r)));
        EXPECT_EQ(command(r)->text(), QStringLiteral("登録"));
        EXPECT_TRUE(eventBox(r)->isEnabled());
        for (int j = 0; j < 7; ++j) {
            EXPECT_TRUE(shown(period(r, j))) << "period " << j;
            EXPECT_TRUE(period(r, j)->isEnabled());
            EXPECT_TRUE(period(r, j)->text().isEmpty()) << "period " << j;
        }
    }
    EXPECT_TRUE(calendar()->isDayBold(QDate(2002, 4, 3))) << "the removed day off is a school day again";
}

// Close, new, open and exit go on only once the plan is safe: Yes with nothing saved stops them.
TEST_F(MenusTest, CommandsStopWhenTheWantedSaveDidNotHappen)
{
    const struct {
        const char* item;
        const QString& question;
    } commands[] = {
        {"mnuFileClose", kCloseQuestion},
        {"mnuFileNew", kCloseQuestion},
        {"mnuFileOpen", kCloseQuestion},
        {"mnuFileExit", kExitQuestion},
    };
    // A cancelled save dialog, and a chosen file that cannot be written (its folder is a file).
    write(path(QStringLiteral("folder")), "a file, not a folder");
    const QString unwritable = path(QStringLiteral("folder/plan.rv"));
    openPlan();
    for (const auto& c : commands) {
        for (const QString& chosen : {QString(), unwritable}) {
            SCOPED_TRACE(std::string(c.item) + " " + chosen.toStdString());
            dialogs.answerMessage(Dialogs::Answer::Yes);
            dialogs.answerSaveFile(chosen);
            if (!chosen.isEmpty())
                dialogs.answerMessage(Dialogs::Answer::Ok);
            const qsizetype before = dialogs.calls().size();
            trigger(c.item);

            EXPECT_TRUE(dialogs.allAnswered());
            EXPECT_EQ(dialogs.calls()[before].text, c.question);
            EXPECT_EQ(dialogs.calls()[before + 1].kind, ScriptedDialogs::Kind::SaveFile);
            if (!chosen.isEmpty()) {
                ASSERT_EQ(dialogs.calls().size(), before + 3) << "the failed write is reported";
                const QString report = dialogs.calls()[before + 2].text;
                EXPECT_TRUE(report.contains(QStringLiteral("保存できませんでした"))) << report.toStdString();
                EXPECT_TRUE(report.contains(unwritable)) << report.toStdString();
            } else {
                EXPECT_EQ(dialogs.calls().size(), before + 2);
            }
            EXPECT_EQ(state.intYear, 2001);
            EXPECT_EQ(recordCount(state), 2);
            EXPECT_TRUE(state.strFileName.isEmpty());
            EXPECT_TRUE(window->isVisible());
            EXPECT_FALSE(wizard.page(Wizard::Step::Class)->isVisible());
        }
    }
    EXPECT_EQ(placement.saves, 0);
}

TEST_F(MenusTest, ExitAsksOnceAndTheCloseBoxAsksToo)
{
    openPlan();
    dialogs.answerMessage(Dialogs::Answer::No);
    trigger("mnuFileExit");
    EXPECT_EQ(dialogs.messages(), QStringList{kExitQuestion}) << "the window's own clean-up asks no more";
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(state.intYear, 0);
    EXPECT_EQ(placement.saves, 1);
    EXPECT_TRUE(dialogs.allAnswered());
}

TEST_F(MenusTest, TheCloseBoxSavesOnYesAndStaysWhenNothingWasSaved)
{
    openPlan();
    // Yes and a cancelled dialog: the window stays open with its plan.
    dialogs.answerMessage(Dialogs::Answer::Yes);
    dialogs.answerSaveFile({});
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(state.intYear, 2001);

    // Yes and a name: the plan is written, then the window closes.
    dialogs.answerMessage(Dialogs::Answer::Yes);
    dialogs.answerSaveFile(path(QStringLiteral("2-2.rv")));
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(dialogs.messages(), QStringList({kExitQuestion, kExitQuestion}));
    AppState reread;
    LoadPlanFile(reread, path(QStringLiteral("2-2.rv")));
    EXPECT_EQ(reread.intYear, 2001);
    EXPECT_EQ(recordCount(reread), 2);
}

TEST_F(MenusTest, SaveAsKeepsTheReplacedFileAsItsBackup)
{
    const struct {
        const char* name;
        const char* backup;
    } cases[] = {{"plan.rv", "plan.bak"}, {"plan", "plan.bak"}, {"my.plan.rv", "my.bak"}};
    openPlan();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString chosen = path(QString::fromUtf8(c.name));
        const QString backup = path(QString::fromUtf8(c.backup));
        const QByteArray old("old content\r\n\x82\xa0\r\n", 17);
        write(chosen, old);
        write(backup, "an older backup");

        dialogs.answerSaveFile(chosen);
        trigger("mnuFileSaveAs");

        EXPECT_EQ(contentOf(backup), old) << "byte for byte";
        EXPECT_EQ(state.strFileName, chosen);
        AppState reread;
        LoadPlanFile(reread, chosen);
        EXPECT_EQ(reread.intYear, 2001);
        EXPECT_EQ(recordCount(reread), 2);
        ASSERT_TRUE(QFile::remove(chosen) && QFile::remove(backup));
    }
    EXPECT_TRUE(dialogs.messages().isEmpty());
    // Saved under a name: 上書き保存 from the next activation on.
    window->Form_Activate();
    EXPECT_TRUE(saveOffered());
    EXPECT_FALSE(openOffered());
}

TEST_F(MenusTest, SaveAsToANewNameWritesNoBackup)
{
    openPlan();
    for (const char* name : {"2-2.rv", "2-2"}) {
        dialogs.answerSaveFile(path(QString::fromUtf8(name)));
        trigger("mnuFileSaveAs");
    }
    // Exactly the names typed: no extension added, no backup of a file that was not there.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name), QStringList({"2-2", "2-2.rv"}));
    EXPECT_EQ(contentOf(path(QStringLiteral("2-2"))), contentOf(path(QStringLiteral("2-2.rv"))));

    // Save writes the current file again, and touches no other.
    addDay(state, QDate(2001, 11, 1), QStringLiteral("　算算算算算　"));
    trigger("mnuFileSave");
    AppState reread;
    LoadPlanFile(reread, path(QStringLiteral("2-2")));
    EXPECT_EQ(recordCount(reread), 3);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(MenusTest, AFailedSaveAsReportsAndLeavesTheCurrentFileAsItWas)
{
    openPlan();
    const QString current = path(QStringLiteral("2-2.rv"));
    dialogs.answerSaveFile(current);
    trigger("mnuFileSaveAs");
    const QByteArray saved = contentOf(current);

    write(path(QStringLiteral("folder")), "a file, not a folder");
    const QString unwritable = path(QStringLiteral("folder/2-2.rv"));
    addDay(state, QDate(2001, 11, 1), QStringLiteral("　算算算算算　"));
    dialogs.answerSaveFile(unwritable);
    dialogs.answerMessage(Dialogs::Answer::Ok);
    trigger("mnuFileSaveAs");

    ASSERT_EQ(dialogs.messages().size(), 1) << "the error is not swallowed";
    const ScriptedDialogs::Call& report = dialogs.calls().last();
    EXPECT_EQ(report.title, QStringLiteral("ミルテ"));
    EXPECT_TRUE(report.text.startsWith(QStringLiteral("計画ファイルを保存できませんでした。\n") + unwritable))
        << report.text.toStdString();
    EXPECT_TRUE(report.text.contains(QStringLiteral("書き込めません"))) << "and the reason";
    EXPECT_EQ(state.strFileName, current) << "the plan still belongs to its file";
    EXPECT_EQ(contentOf(current), saved);
    EXPECT_EQ(recordCount(state), 3);
}

// On a file system that is full, the save fails and the previous file stays byte for byte. Only
// the write that empties the buffer at the end meets the full disk, so that is what this checks.
TEST_F(MenusTest, SavingOnAFullDiskLeavesThePreviousFile)
{
    const QString mountPoint = path(QStringLiteral("tiny"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("tiny")));
    if (::mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "mounting a small file system is not allowed here";
    struct Unmount {
        QByteArray at;
        ~Unmount() { ::umount2(at.constData(), MNT_DETACH); }
    } unmount{QFile::encodeName(mountPoint)};

    openPlan();
    state.strFileName = mountPoint + QStringLiteral("/2-2.rv");
    trigger("mnuFileSave");
    const QByteArray saved = contentOf(state.strFileName);
    ASSERT_GT(saved.size(), 100);
    {
        // Fill what is left, to the last byte.
        QFile filler(mountPoint + QStringLiteral("/filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        for (const qsizetype piece : {qsizetype(4096), qsizetype(1)}) {
            const QByteArray bytes(piece, 'x');
            while (filler.write(bytes) == piece) {
            }
        }
    }
    ASSERT_EQ(QStorageInfo(mountPoint).bytesAvailable(), 0);
    addDay(state, QDate(2001, 11, 1), QStringLiteral("　算算算算算　"));
    dialogs.answerMessage(Dialogs::Answer::Ok);
    trigger("mnuFileSave");

    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages()[0].contains(state.strFileName));
    EXPECT_TRUE(dialogs.messages()[0].contains(QStringLiteral("ディスクの空きが足りません")))
        << dialogs.messages()[0].toStdString();
    EXPECT_EQ(contentOf(state.strFileName), saved);
}

TEST_F(MenusTest, SavingWithoutAPlanWritesNothing)
{
    InitPlanDefaults(state);
    state.boolStartWizard = false;
    open();
    dialogs.answerMessage(Dialogs::Answer::Ok);
    trigger("mnuFileSave");
    const QString chosen = path(QStringLiteral("empty.rv"));
    write(chosen, "someone's plan");
    dialogs.answerSaveFile(chosen);
    dialogs.answerMessage(Dialogs::Answer::Ok);
    trigger("mnuFileSaveAs");

    const QString nothing = QStringLiteral("まだ保存するデータがありません。");
    EXPECT_EQ(dialogs.messages(), QStringList({nothing, nothing}));
    EXPECT_EQ(dialogs.calls()[0].buttons, Dialogs::Buttons::Ok);
    EXPECT_EQ(contentOf(chosen), QByteArray("someone's plan"));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("empty.bak"))));
    EXPECT_TRUE(state.strFileName.isEmpty());
    // Nothing open: close and exit ask nothing.
    trigger("mnuFileClose");
    EXPECT_EQ(dialogs.messages().size(), 2);
}

TEST_F(MenusTest, NewClosesFirstWithItsQuestionThenShowsTheClassPage)
{
    openPlan();
    dialogs.answerMessage(Dialogs::Answer::No);
    trigger("mnuFileNew");
    EXPECT_EQ(dialogs.messages(), QStringList{kCloseQuestion});
    EXPECT_EQ(recordCount(state), 0);
    EXPECT_TRUE(state.strTimeCredit[0].isEmpty());
    EXPECT_EQ(state.intYear, 2001) << "the class page starts from the closed plan's year";
    EXPECT_TRUE(wizard.page(Wizard::Step::Class)->isVisible());
    EXPECT_EQ(activation.lastActivated(), wizard.page(Wizard::Step::Class));
}

TEST_F(MenusTest, OpenReplacesThePlanAndAddsNothingOfThePreviousOne)
{
    const QString file = path(QStringLiteral("3-3.rv"));
    savePlanFileOf2002(file);
    openPlan(); // a new plan from the wizard, never saved
    ASSERT_TRUE(openOffered());

    dialogs.answerMessage(Dialogs::Answer::No);
    dialogs.answerOpenFile(file);
    trigger("mnuFileOpen");

    EXPECT_EQ(dialogs.messages(), QStringList{kCloseQuestion});
    EXPECT_EQ(dialogs.calls()[1].text, QStringLiteral("開く"));
    EXPECT_EQ(dialogs.calls()[1].filter, QStringLiteral("zuviziz (*.rv)|*.rv"));
    EXPECT_EQ(state.intYear, 2002);
    EXPECT_EQ(state.strClass, QStringLiteral("3"));
    EXPECT_EQ(state.strFileName, file);
    ASSERT_EQ(recordCount(state), 1);
    EXPECT_NE(recordOf(state, QDate(2002, 6, 3)), nullptr);
    EXPECT_TRUE(saveOffered());
    EXPECT_FALSE(openOffered());
    // The window follows the plan at once: today's week in its school year.
    EXPECT_EQ(calendar()->minDate(), QDate(2002, 4, 1));
    EXPECT_EQ(calendar()->maxDate(), QDate(2003, 3, 31));
    EXPECT_EQ(calendar()->selectionStart(), QDate(2002, 10, 14));
    EXPECT_EQ(state.dateSelected, QDate(2002, 10, 17));
}

TEST_F(MenusTest, OpeningABadFileReportsItsLineAndKeepsThePlan)
{
    const QString file = path(QStringLiteral("bad.rv"));
    savePlanFileOf2002(file);
    QByteArray bytes = contentOf(file);
    const qsizetype year = bytes.indexOf(" 2002\r\n"); // the school year's line
    ASSERT_GT(year, 0);
    bytes.replace(year, 5, " 20x2");
    write(file, bytes);
    openPlan();

    dialogs.answerMessage(Dialogs::Answer::No);
    dialogs.answerOpenFile(file);
    dialogs.answerMessage(Dialogs::Answer::Ok);
    trigger("mnuFileOpen");

    ASSERT_EQ(dialogs.messages().size(), 2);
    const QString report = dialogs.messages()[1];
    EXPECT_TRUE(report.startsWith(QStringLiteral("計画ファイルを読み込めませんでした。\n") + file))
        << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("\n7 行目: "))) << report.toStdString();
    EXPECT_EQ(state.intYear, 2001);
    EXPECT_EQ(recordCount(state), 2);
    EXPECT_TRUE(state.strFileName.isEmpty());
    EXPECT_TRUE(openOffered());
}

TEST_F(MenusTest, APlanOpenedOnTheStartPageOffersSave)
{
    const QString file = path(QStringLiteral("3-3.rv"));
    savePlanFileOf2002(file);
    InitPlanDefaults(state);
    open();
    QWidget* start = wizard.page(Wizard::Step::Start);
    ASSERT_TRUE(start->isVisible());
    QTest::mouseClick(start->findChild<QRadioButton*>(QStringLiteral("optWiz0NewOrOld_1")), Qt::LeftButton,
                      {}, QPoint(8, 8));
    dialogs.answerOpenFile(file);
    QTest::mouseClick(start->findChild<QPushButton*>(QStringLiteral("cmdWiz0Next")), Qt::LeftButton);

    EXPECT_FALSE(start->isVisible());
    EXPECT_EQ(state.strFileName, file);
    EXPECT_TRUE(saveOffered());
    EXPECT_FALSE(openOffered());
}

TEST_F(MenusTest, PrintAndTallyWindowsAreCreatedOnceAndPageSetupIsQuiet)
{
    openPlan();
    for (int i = 0; i < 2; ++i) {
        trigger("mnuFilePrint");
        trigger("mnuViewShowTimeTable");
    }
    QWidget* print = topLevel(QStringLiteral("frmPrint"));
    QWidget* tally = topLevel(QStringLiteral("frmDispTimeTable"));
    ASSERT_NE(print, nullptr);
    ASSERT_NE(tally, nullptr);
    EXPECT_TRUE(print->isVisible());
    EXPECT_TRUE(tally->isVisible());
    EXPECT_EQ(activation.lastActivated(), tally);

    dialogs.answerPageSetup(false);
    trigger("mnuFilePageSetup");
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls()[0].kind, ScriptedDialogs::Kind::PageSetup);
    EXPECT_EQ(dialogs.calls()[0].text, QStringLiteral("ﾍﾟｰｼﾞ設定"));

    // Closing the main window hides them with it.
    dialogs.answerMessage(Dialogs::Answer::No);
    window->close();
    EXPECT_FALSE(print->isVisible());
    EXPECT_FALSE(tally->isVisible());
}

// The printer is made when first needed, not at start-up, and is then the one printer of the program:
// the paper and margins of the page set-up are those the print window prints with.
TEST_F(MenusTest, PageSetupChoosesThePaperThePrintWindowPrintsOn)
{
    openPlan();
    EXPECT_FALSE(printer.isMade()) << "the main window does not wait for the print system";

    const QPageLayout b5(QPageSize(QPageSize::JisB5), QPageLayout::Landscape, QMarginsF(30, 25, 20, 15),
                         QPageLayout::Millimeter);
    dialogs.answerPageSetup(true, [&](QPrinter& chosen) { chosen.setPageLayout(b5); });
    trigger("mnuFilePageSetup");

    trigger("mnuFilePrint");
    QWidget* print = topLevel(QStringLiteral("frmPrint"));
    ASSERT_NE(print, nullptr);
    QPageLayout printedOn;
    dialogs.answerPrint(false, [&](QPrinter& shown) { printedOn = shown.pageLayout(); });
    click(print->findChild<QPushButton*>(QStringLiteral("cmdPrint")));

    EXPECT_TRUE(dialogs.allAnswered());
    EXPECT_EQ(printedOn.pageSize().id(), QPageSize::JisB5);
    EXPECT_EQ(printedOn.orientation(), QPageLayout::Landscape);
    EXPECT_EQ(printedOn.margins(QPageLayout::Millimeter), QMarginsF(30, 25, 20, 15));
}

TEST_F(MenusTest, SchoolSummaryOpensWithOrWithoutAPlanAndClosesWithTheMainWindow)
{
    // The teacher in charge may have no plan of their own open.
    open();
    trigger("mnuViewSchoolSummary");
    trigger("mnuViewSchoolSummary");
    QWidget* summary = topLevel(QStringLiteral("frmSchoolSummary"));
    ASSERT_NE(summary, nullptr);
    EXPECT_TRUE(summary->isVisible());
    EXPECT_EQ(summary->windowTitle(), QStringLiteral("学校全体の集計"));
    EXPECT_EQ(activation.lastActivated(), summary);
    EXPECT_TRUE(dialogs.calls().isEmpty());

    window->close();
    EXPECT_FALSE(summary->isVisible());
}

TEST_F(MenusTest, HelpOpensAtItsContents)
{
    openPlan();
    trigger("mnuHelpContents");
    trigger("mnuHelpContents");
    auto* help = qobject_cast<HelpWindow*>(topLevel(QStringLiteral("frmHelp")));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->browser()->toPlainText().contains(QStringLiteral("目次")));
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(MenusTest, HelpThatCannotBeShownSaysSo)
{
    openPlan();
    window->setHelpViewer([](QWidget*) { return false; });
    dialogs.answerMessage(Dialogs::Answer::Ok);
    trigger("mnuHelpContents");
    window->setHelpViewer([](QWidget*) -> bool { throw MirteError(QStringLiteral("ヘルプを開けません。")); });
    dialogs.answerMessage(Dialogs::Answer::Ok);
    trigger("mnuHelpContents");

    ASSERT_EQ(dialogs.calls().size(), 2);
    const ScriptedDialogs::Call& missing = dialogs.calls()[0];
    EXPECT_EQ(
        missing.text,
        QStringLiteral("ﾍﾙﾌﾟの目次を表示できません。 このﾌﾟﾛｼﾞｪｸﾄに関連付けられたﾍﾙﾌﾟが存在しません。"));
    EXPECT_EQ(missing.buttons, Dialogs::Buttons::Ok);
    EXPECT_EQ(missing.icon, Dialogs::Icon::Information);
    EXPECT_EQ(missing.title, QStringLiteral("ミルテ Ver1.2.3"));
    EXPECT_EQ(dialogs.calls()[1].text, QStringLiteral("ヘルプを開けません。"));
    EXPECT_EQ(dialogs.calls()[1].title, QStringLiteral("ミルテ"));
}
