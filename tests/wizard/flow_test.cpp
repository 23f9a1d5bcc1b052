// The page sequence and the start page: which page each button shows, that pages live on, that
// leaving hands the main window back, and opening a plan file from the start.
#include "wizardfixture.h"

#include "core/mirteerror.h"
#include "core/plandefaults.h"
#include "planfile/planfile.h"

#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>

using Step = Wizard::Step;

namespace {
const std::array<Step, 7> kSteps = {Step::Start,           Step::Class,         Step::HolidayRules,
                                    Step::HolidayCalendar, Step::PeriodLengths, Step::Timetable,
                                    Step::AnnualPlan};
const std::array<const char*, 7> kWindows = {"frmWiz0", "frmWiz1", "frmWiz2", "frmWiz3",
                                             "frmWiz6", "frmWiz5", "frmWiz4"};
const std::array<const char*, 7> kNext = {"cmdWiz0Next", "cmdWiz1Next", "cmdWiz2Next", "cmdWiz3Next",
                                          "cmdWiz6Next", "cmdWiz5Next", nullptr};
const std::array<const char*, 7> kBefore = {nullptr,         "cmdWiz1Before", "cmdWiz2Before",
                                            "cmdWiz3Before", "cmdWiz6Before", "cmdWiz5Before",
                                            "cmdWiz4Before"};
const std::array<const char*, 7> kCancel = {"Command1",      "cmdWiz1Cancel", "cmdWiz2Cancel",
                                            "cmdWiz3Cancel", "cmdWiz6Cancel", "cmdWiz5Cancel",
                                            "cmdWiz4Cancel"};

int visiblePages(Wizard& wizard)
{
    int n = 0;
    for (Step s : kSteps)
        n += wizard.page(s)->isVisible() ? 1 : 0;
    return n;
}
} // namespace

TEST_F(WizardTest, EveryPageIsItsOwnWindowWithTheWizardCaption)
{
    for (std::size_t i = 0; i < kSteps.size(); ++i) {
        QWidget* page = wizard->page(kSteps[i]);
        EXPECT_EQ(page->objectName(), QLatin1String(kWindows[i]));
        EXPECT_TRUE(page->isWindow());
        EXPECT_FALSE(page->isModal());
        EXPECT_EQ(page->windowTitle(), QStringLiteral("学級計画・授業計画ウィザード"));
        EXPECT_EQ(wizard->page(kSteps[i]), page) << "a page is created once";
    }
}

TEST_F(WizardTest, NextAndBeforeWalkTheSequenceWithOnePageVisible)
{
    state.intGrade = 1;
    wizard->show(Step::Start);
    for (std::size_t i = 0; i + 1 < kSteps.size(); ++i) {
        QWidget* page = wizard->page(kSteps[i]);
        ASSERT_TRUE(page->isVisible()) << kWindows[i];
        EXPECT_EQ(activation.lastActivated(), page);
        EXPECT_EQ(page->focusWidget(), button(kSteps[i], QLatin1String(kNext[i]))) << kWindows[i];
        EXPECT_EQ(visiblePages(*wizard), 1);
        click(button(kSteps[i], QLatin1String(kNext[i])));
    }
    QWidget* last = wizard->page(Step::AnnualPlan);
    ASSERT_TRUE(last->isVisible());
    for (std::size_t i = kSteps.size() - 1; i > 0; --i) {
        EXPECT_EQ(visiblePages(*wizard), 1);
        click(button(kSteps[i], QLatin1String(kBefore[i])));
        EXPECT_FALSE(wizard->page(kSteps[i])->isVisible());
        EXPECT_TRUE(wizard->page(kSteps[i - 1])->isVisible()) << kWindows[i - 1];
    }
    EXPECT_EQ(mainActivations, 0) << "moving through the sequence never returns to the main window";
}

// Enter presses the focused button as Space does: 次へ, 前へ, 戻る and 完了 on every page, with the
// main keyboard's Enter and the keypad's.
TEST_F(WizardTest, EnterPressesTheFocusedButtonOnEveryPage)
{
    state.intGrade = 1;
    wizard->show(Step::Start);
    for (std::size_t i = 0; i + 1 < kSteps.size(); ++i) {
        QPushButton* next = button(kSteps[i], QLatin1String(kNext[i]));
        QTest::keyClick(next, Qt::Key_Return);
        ASSERT_TRUE(wizard->page(kSteps[i + 1])->isVisible()) << "Enter on " << kNext[i];
        EXPECT_FALSE(wizard->page(kSteps[i])->isVisible()) << kWindows[i];
    }
    for (std::size_t i = kSteps.size() - 1; i > 0; --i) {
        QTest::keyClick(button(kSteps[i], QLatin1String(kBefore[i])), Qt::Key_Enter, Qt::KeypadModifier);
        ASSERT_TRUE(wizard->page(kSteps[i - 1])->isVisible()) << "Enter on " << kBefore[i];
    }
    for (std::size_t i = 0; i < kSteps.size(); ++i) {
        wizard->show(kSteps[i]);
        QTest::keyClick(button(kSteps[i], QLatin1String(kCancel[i])), Qt::Key_Return);
        EXPECT_FALSE(wizard->page(kSteps[i])->isVisible()) << "Enter on " << kCancel[i];
    }
    wizard->show(Step::AnnualPlan);
    QTest::keyClick(button(Step::AnnualPlan, QStringLiteral("cmdWiz4End")), Qt::Key_Return);
    EXPECT_FALSE(wizard->page(Step::AnnualPlan)->isVisible()) << "Enter on 完了";
    EXPECT_EQ(visiblePages(*wizard), 0);
}

namespace {
// Notes whether another window was still visible when the watched one was shown.
class ShowWatcher : public QObject {
public:
    explicit ShowWatcher(QWidget* other) : m_other(other) {}
    bool otherWasVisible = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            otherWasVisible = m_other->isVisible();
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* m_other;
};
} // namespace

TEST_F(WizardTest, TheNextPageIsShownBeforeTheCurrentOneIsHidden)
{
    wizard->show(Step::Class);
    ShowWatcher forward(wizard->page(Step::Class));
    wizard->page(Step::HolidayRules)->installEventFilter(&forward);
    click(button(Step::Class, QStringLiteral("cmdWiz1Next")));
    EXPECT_TRUE(forward.otherWasVisible);
    EXPECT_FALSE(wizard->page(Step::Class)->isVisible());

    ShowWatcher back(wizard->page(Step::HolidayRules));
    wizard->page(Step::Class)->installEventFilter(&back);
    click(button(Step::HolidayRules, QStringLiteral("cmdWiz2Before")));
    EXPECT_TRUE(back.otherWasVisible);
    EXPECT_FALSE(wizard->page(Step::HolidayRules)->isVisible());
}

TEST_F(WizardTest, BackOnAnyPageHandsTheMainWindowBackAndKeepsWhatWasStored)
{
    for (std::size_t i = 0; i < kSteps.size(); ++i) {
        wizard->show(kSteps[i]);
        const int before = mainActivations;
        click(button(kSteps[i], QLatin1String(kCancel[i])));
        EXPECT_FALSE(wizard->page(kSteps[i])->isVisible()) << kWindows[i];
        EXPECT_EQ(mainActivations, before + 1) << kWindows[i];
        EXPECT_EQ(activation.lastActivated(), &mainWindow);
    }
    // The class page stored its year on "次へ"; "戻る" on the next page undoes nothing.
    wizard->show(Step::Class);
    choose(control<QComboBox>(Step::Class, QStringLiteral("cboWiz1Year")), 4);
    click(button(Step::Class, QStringLiteral("cmdWiz1Next")));
    click(button(Step::HolidayRules, QStringLiteral("cmdWiz2Cancel")));
    EXPECT_EQ(state.intYear, 2004);
}

TEST_F(WizardTest, PagesOpenedSinglyCarryOnThroughTheSequence)
{
    wizard->show(Step::PeriodLengths);
    click(button(Step::PeriodLengths, QStringLiteral("cmdWiz6Next")));
    EXPECT_TRUE(wizard->page(Step::Timetable)->isVisible());
    click(button(Step::Timetable, QStringLiteral("cmdWiz5Before")));
    click(button(Step::PeriodLengths, QStringLiteral("cmdWiz6Before")));
    EXPECT_TRUE(wizard->page(Step::HolidayCalendar)->isVisible());
}

TEST_F(WizardTest, HideAllHidesEveryPage)
{
    wizard->show(Step::Start);
    wizard->show(Step::AnnualPlan);
    wizard->hideAll();
    EXPECT_EQ(visiblePages(*wizard), 0);
}

TEST_F(WizardTest, StartPageClearsTheStartFlagAndNewPlanGoesToTheClassPage)
{
    ASSERT_TRUE(state.boolStartWizard);
    wizard->show(Step::Start);
    EXPECT_FALSE(state.boolStartWizard);
    auto* fresh = control<QRadioButton>(Step::Start, QStringLiteral("optWiz0NewOrOld_0"));
    EXPECT_TRUE(fresh->isChecked());
    EXPECT_EQ(fresh->text(), QStringLiteral("新規作成"));
    click(button(Step::Start, QStringLiteral("cmdWiz0Next")));
    EXPECT_TRUE(wizard->page(Step::Class)->isVisible());
    EXPECT_FALSE(wizard->page(Step::Start)->isVisible());
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(WizardTest, StartPageCancelledOpenDialogChangesNothing)
{
    wizard->show(Step::Start);
    clickOption(control<QRadioButton>(Step::Start, QStringLiteral("optWiz0NewOrOld_1")));
    dialogs.answerOpenFile(QString());
    click(button(Step::Start, QStringLiteral("cmdWiz0Next")));

    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls()[0].text, QStringLiteral("開く"));
    EXPECT_EQ(dialogs.calls()[0].filter, QStringLiteral("zuviziz (*.rv)|*.rv"));
    EXPECT_TRUE(wizard->page(Step::Start)->isVisible());
    EXPECT_EQ(state.intYear, 0);
    EXPECT_TRUE(state.strFileName.isEmpty());
    EXPECT_EQ(mainActivations, 0);
}

TEST_F(WizardTest, StartPageOpensAPlanFileAndSkipsTheWizard)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.rv"));
    {
        AppState saved;
        InitPlanDefaults(saved);
        saved.intYear = 2002;
        saved.intGrade = 4;
        saved.strClass = QStringLiteral("さくら");
        saved.strTeacher = QStringLiteral("髙橋");
        saved.strFileName = path;
        ASSERT_EQ(SavePlanFile(saved), SaveResult::Saved);
    }
    QSignalSpy opened(wizard.get(), &Wizard::planOpened);
    wizard->show(Step::Start);
    clickOption(control<QRadioButton>(Step::Start, QStringLiteral("optWiz0NewOrOld_1")));
    dialogs.answerOpenFile(path);
    click(button(Step::Start, QStringLiteral("cmdWiz0Next")));

    EXPECT_EQ(opened.count(), 1);
    EXPECT_EQ(state.strFileName, path);
    EXPECT_EQ(state.intYear, 2002);
    EXPECT_EQ(state.strTeacher, QStringLiteral("髙橋"));
    EXPECT_FALSE(wizard->page(Step::Start)->isVisible());
    EXPECT_FALSE(wizard->page(Step::Class)->isVisible());
    EXPECT_EQ(mainActivations, 1);

    // The class page shows the file's plan when opened later.
    wizard->show(Step::Class);
    EXPECT_EQ(control<QComboBox>(Step::Class, QStringLiteral("cboWiz1Year"))->currentText(),
              QStringLiteral("平成14年度"));
    EXPECT_EQ(control<QComboBox>(Step::Class, QStringLiteral("cboWiz1Class_0"))->currentText(),
              QStringLiteral("4"));
    EXPECT_EQ(control<QComboBox>(Step::Class, QStringLiteral("cboWiz1Class_1"))->currentText(),
              QStringLiteral("さくら"));
    EXPECT_EQ(control<QLineEdit>(Step::Class, QStringLiteral("txtWiz1Teacher"))->text(),
              QStringLiteral("髙橋"));
}

TEST_F(WizardTest, StartPageReportsABadFileWithItsLineAndKeepsThePlan)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("broken.rv"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("1333320\r\n1333300\r\n1333330\r\n0333300\r\n1333300\r\n0330000\r\n 2001\r\n 2\r\n1\r\n"
                   "teacher\r\n 4\r\n not a day\r\n");
    }
    // What the reader itself says about the file.
    AppState scratch;
    InitPlanDefaults(scratch);
    int line = 0;
    QString reason;
    try {
        LoadPlanFile(scratch, path);
        FAIL() << "the fixture file should be refused";
    } catch (const PlanFileError& error) {
        line = error.line();
        reason = error.message();
    }

    state.intYear = 2003;
    state.strFileName = QStringLiteral("/old/plan.rv");
    QSignalSpy opened(wizard.get(), &Wizard::planOpened);
    wizard->show(Step::Start);
    clickOption(control<QRadioButton>(Step::Start, QStringLiteral("optWiz0NewOrOld_1")));
    dialogs.answerOpenFile(path);
    dialogs.answerMessage(Dialogs::Answer::Ok);
    click(button(Step::Start, QStringLiteral("cmdWiz0Next")));

    ASSERT_EQ(dialogs.messages().size(), 1);
    const QString message = dialogs.messages()[0];
    EXPECT_TRUE(message.contains(reason)) << message.toStdString();
    EXPECT_GT(line, 0);
    EXPECT_TRUE(message.contains(QStringLiteral("%1 行目").arg(line))) << message.toStdString();
    EXPECT_EQ(dialogs.calls().last().title, QStringLiteral("ミルテ"));
    EXPECT_EQ(opened.count(), 0);
    EXPECT_TRUE(wizard->page(Step::Start)->isVisible());
    EXPECT_EQ(state.intYear, 2003);
    EXPECT_EQ(state.strFileName, QStringLiteral("/old/plan.rv"));
}
