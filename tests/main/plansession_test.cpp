// The plan session without the window: the copy of unsaved work it keeps while a plan is open,
// when that copy goes, and what the next start does with a copy a stopped run left behind.
#include "planfile/planfile.h"
#include "planfile/planreader.h"
#include "planfixture.h"
#include "scripteddialogs.h"
#include "ui/common/quietservices.h"
#include "ui/main/plansession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {
const QDateTime kNow(QDate(2002, 10, 17), QTime(9, 0));
const QDate kTuesday(2002, 10, 15);

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList filesIn(const QString& folder, const QString& pattern = QStringLiteral("*.rv"))
{
    return QDir(folder).entryList({pattern}, QDir::Files, QDir::Name);
}

// A run of the program as far as its plan goes: its state, dialogs and session.
struct ProgramRun {
    explicit ProgramRun(ScriptedDialogs& dialogs)
        : services(kNow, &dialogs),
          session(state, services.services, [](AppState& s, const QString& path) { LoadPlanFile(s, path); })
    {
    }
    // Checks the plan against its file and copy now, and waits until the disk has done its part.
    void settle()
    {
        session.keepChanges();
        session.waitForDisk();
        QCoreApplication::processEvents(); // the disk's answer
    }

    AppState state;
    QuietServices services;
    PlanSession session;
};
} // namespace

class RecoveryCopyTest : public ::testing::Test {
protected:
    RecoveryCopyTest()
    {
        plan = dir.filePath(QStringLiteral("3-2.rv"));
        AppState saved;
        makePlan(saved, 2002);
        saved.strFileName = plan;
        EXPECT_EQ(SavePlanFile(saved), SaveResult::Saved);
        onDisk = contentOf(plan);
    }

    // A run with the plan open, as the start page or the desktop's file leaves it.
    std::unique_ptr<ProgramRun> openRun()
    {
        auto run = std::make_unique<ProgramRun>(dialogs);
        EXPECT_FALSE(run->session.startRecovery(folder()));
        LoadPlanFile(run->state, plan);
        run->session.planReplaced();
        return run;
    }
    // A run that registered Tuesday and then stopped without a word: its copy stays behind.
    void leaveAChangedRun()
    {
        std::unique_ptr<ProgramRun> run = openRun();
        addDay(run->state, kTuesday, kTimetable[1]);
        run->settle();
        ASSERT_EQ(filesIn(folder()).size(), 1);
    }
    QString folder() const { return dir.filePath(QStringLiteral("recovery")); }
    QString kept() const { return dir.filePath(QStringLiteral("recovery/kept")); }

    QTemporaryDir dir;
    QString plan;
    QByteArray onDisk;
    ScriptedDialogs dialogs;
};

TEST_F(RecoveryCopyTest, ACopyFollowsEveryChangeUntilTheSave)
{
    std::unique_ptr<ProgramRun> run = openRun();
    run->settle();
    EXPECT_TRUE(filesIn(folder()).isEmpty()) << "an unchanged plan needs no copy";

    addDay(run->state, kTuesday, kTimetable[1], QStringLiteral("遠足"));
    run->settle();
    const QString copy = run->session.recoveryFile();
    ASSERT_FALSE(copy.isEmpty());
    const AppState read = readPlan(contentOf(copy), copy);
    ASSERT_NE(recordOf(read, kTuesday), nullptr);
    EXPECT_EQ(recordOf(read, kTuesday)->strComment, QStringLiteral("遠足"));
    QString info = copy;
    info.replace(QStringLiteral(".rv"), QStringLiteral(".json"));
    const QJsonObject about = QJsonDocument::fromJson(contentOf(info)).object();
    EXPECT_EQ(about.value(QStringLiteral("file")).toString(), plan);
    EXPECT_EQ(QDateTime::fromString(about.value(QStringLiteral("changed")).toString(), Qt::ISODate), kNow);
    EXPECT_EQ(contentOf(plan), onDisk) << "the plan file waits for the teacher's save";

    // A cancel is a change the file keeps too.
    run->state.objDayChain->objNextDay->boolNowPlanning = true;
    run->settle();
    EXPECT_TRUE(recordOf(readPlan(contentOf(copy), copy), kTuesday)->boolNowPlanning);

    ASSERT_TRUE(run->session.save());
    run->session.waitForDisk();
    EXPECT_TRUE(filesIn(folder()).isEmpty());
    EXPECT_TRUE(run->session.recoveryFile().isEmpty());
    run->settle();
    EXPECT_TRUE(filesIn(folder()).isEmpty()) << "the saved plan is its file";
}

TEST_F(RecoveryCopyTest, TheCopyGoesWhenTheTeacherLetsTheChangesGo)
{
    const QString other = dir.filePath(QStringLiteral("other.rv"));
    QFile::copy(plan, other);
    const struct {
        const char* what;
        std::function<bool(ProgramRun&)> command;
        bool copyStays;
    } cases[] = {
        {"close answered No",
         [&](ProgramRun& run) {
             dialogs.answerMessage(Dialogs::Answer::No);
             return run.session.close();
         },
         false},
        {"exit answered No",
         [&](ProgramRun& run) {
             dialogs.answerMessage(Dialogs::Answer::No);
             return run.session.exit();
         },
         false},
        {"another plan opened",
         [&](ProgramRun& run) {
             dialogs.answerMessage(Dialogs::Answer::No);
             dialogs.answerOpenFile(other);
             return run.session.open();
         },
         false},
        {"open cancelled: the changed plan is still open",
         [&](ProgramRun& run) {
             dialogs.answerMessage(Dialogs::Answer::No);
             dialogs.answerOpenFile({});
             return !run.session.open();
         },
         true},
        {"changed back to what the file holds",
         [&](ProgramRun& run) {
             run.state.objDayChain->objNextDay.reset();
             run.settle();
             return true;
         },
         false},
    };
    for (const auto& c : cases) {
        std::unique_ptr<ProgramRun> run = openRun();
        addDay(run->state, kTuesday, kTimetable[1]);
        run->settle();
        ASSERT_EQ(filesIn(folder()).size(), 1) << c.what;
        EXPECT_TRUE(c.command(*run)) << c.what;
        run->settle(); // the closed plan of the same year is no change of the teacher's
        EXPECT_EQ(filesIn(folder()).size(), c.copyStays ? 1 : 0) << c.what;
        EXPECT_TRUE(dialogs.allAnswered()) << c.what;
        run.reset();
        for (const QString& name : filesIn(folder(), QStringLiteral("*")))
            QFile::remove(QDir(folder()).filePath(name));
    }
    EXPECT_EQ(contentOf(plan), onDisk);
}

TEST_F(RecoveryCopyTest, TheNextStartBringsTheWorkBackOnYes)
{
    leaveAChangedRun();

    dialogs.answerMessage(Dialogs::Answer::Yes);
    ProgramRun next(dialogs);
    next.state.boolStartWizard = true;
    EXPECT_TRUE(next.session.startRecovery(folder()));
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages()[0],
              QStringLiteral(
                  "前回の作業内容が保存されていません。復元しますか。\n\n%1\n最後の変更: 2002/10/17 9:00")
                  .arg(QDir::toNativeSeparators(plan)));
    EXPECT_EQ(dialogs.calls()[0].buttons, Dialogs::Buttons::YesNo);

    EXPECT_EQ(next.state.intYear, 2002);
    EXPECT_EQ(next.state.strFileName, plan);
    EXPECT_FALSE(next.state.boolStartWizard) << "the start page does not come";
    ASSERT_NE(recordOf(next.state, kTuesday), nullptr);
    EXPECT_EQ(contentOf(plan), onDisk) << "nothing is written until the teacher saves";

    // The copy stays this run's own: still there should this run stop too, gone with the save.
    next.settle();
    EXPECT_EQ(filesIn(folder()).size(), 1);
    ASSERT_TRUE(next.session.save());
    next.session.waitForDisk();
    EXPECT_TRUE(filesIn(folder()).isEmpty());
    EXPECT_NE(recordOf(readPlan(contentOf(plan), plan), kTuesday), nullptr);
}

TEST_F(RecoveryCopyTest, NoSetsTheCopyAsideUnderItsDate)
{
    {
        // A new plan that never had a file.
        ProgramRun run(dialogs);
        run.session.startRecovery(folder());
        makePlan(run.state, 2002);
        run.settle();
        ASSERT_EQ(filesIn(folder()).size(), 1);
    }
    const QByteArray copy = contentOf(QDir(folder()).filePath(filesIn(folder())[0]));

    dialogs.answerMessage(Dialogs::Answer::No);
    ProgramRun next(dialogs);
    EXPECT_FALSE(next.session.startRecovery(folder()));
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages()[0].endsWith(QStringLiteral("\n\n新しい計画\n最後の変更: 2002/10/17 9:00")))
        << dialogs.messages()[0].toStdString();
    EXPECT_EQ(next.state.intYear, 0);
    EXPECT_TRUE(filesIn(folder()).isEmpty());
    EXPECT_EQ(filesIn(kept()), QStringList{QStringLiteral("2002-10-17 0900 新しい計画.rv")});
    EXPECT_EQ(contentOf(QDir(kept()).filePath(filesIn(kept())[0])), copy);

    // Nothing is asked again about it.
    ProgramRun third(dialogs);
    EXPECT_FALSE(third.session.startRecovery(folder()));
    EXPECT_EQ(dialogs.messages().size(), 1);
}

TEST_F(RecoveryCopyTest, ADamagedCopyIsReportedAndSetAsideUnread)
{
    ASSERT_TRUE(QDir().mkpath(folder()));
    const QByteArray damaged = onDisk.left(onDisk.size() / 2) + "\xff\xff\r\n";
    const QString path = QDir(folder()).filePath(QStringLiteral("20021017-090000-77.rv"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(damaged);
    file.close();

    dialogs.answerMessage(Dialogs::Answer::Ok);
    ProgramRun next(dialogs);
    EXPECT_FALSE(next.session.startRecovery(folder()));
    ASSERT_EQ(dialogs.calls().size(), 1);
    const QString text = dialogs.messages()[0];
    EXPECT_TRUE(text.startsWith(QStringLiteral("前回の作業内容を復元できませんでした。\n") +
                                QDir::toNativeSeparators(path)))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral(" 行目: ")));
    EXPECT_EQ(dialogs.calls()[0].buttons, Dialogs::Buttons::Ok);
    EXPECT_EQ(next.state.intYear, 0);
    EXPECT_FALSE(QFile::exists(path));
    ASSERT_EQ(filesIn(kept()).size(), 1);
    EXPECT_TRUE(text.endsWith(QDir::toNativeSeparators(QDir(kept()).filePath(filesIn(kept())[0]))));
    EXPECT_EQ(contentOf(QDir(kept()).filePath(filesIn(kept())[0])), damaged);
}

TEST_F(RecoveryCopyTest, ACopyOfARunningProgramIsNotOffered)
{
    std::unique_ptr<ProgramRun> first = openRun();
    addDay(first->state, kTuesday, kTimetable[1]);
    first->settle();

    ProgramRun second(dialogs); // would fail on a question nobody expected
    EXPECT_FALSE(second.session.startRecovery(folder()));
    EXPECT_TRUE(dialogs.calls().isEmpty());
    EXPECT_EQ(filesIn(folder()).size(), 1);
}

TEST_F(RecoveryCopyTest, AFailingCopyIsToldOnceNotAtEveryChange)
{
    // A folder that cannot be made: its parent is a file.
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ProgramRun run(dialogs);
    run.session.startRecovery(dir.filePath(QStringLiteral("blocker/recovery")));
    LoadPlanFile(run.state, plan);
    run.session.planReplaced();

    dialogs.answerMessage(Dialogs::Answer::Ok);
    for (int change = 0; change < 3; ++change) {
        addDay(run.state, kTuesday.addDays(change), kTimetable[1]);
        run.settle();
    }
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages()[0].startsWith(QStringLiteral("作業内容の控えを書き込めません。")))
        << dialogs.messages()[0].toStdString();
    EXPECT_EQ(dialogs.calls()[0].icon, Dialogs::Icon::Warning);
}
