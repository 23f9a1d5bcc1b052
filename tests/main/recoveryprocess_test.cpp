// The real program stopped dead: started as a teacher starts it (offscreen), a day registered, the
// process killed with SIGKILL, started again, and the question about the unsaved work answered.
// The program is driven through its test driver (MIRTE_TEST_DRIVER) on its standard input.
#include "planfile/planfile.h"
#include "planfile/planreader.h"
#include "planfixture.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <sys/prctl.h>

namespace {
const QDate kTuesday(2002, 10, 15); // "today" is Thursday 17 October 2002: its week is shown
constexpr int kPatience = 15000;    // ms; the machine may be busy

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class DrivenProgram {
public:
    DrivenProgram(const QString& home, const QStringList& arguments)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("MIRTE_TEST_DRIVER"), QStringLiteral("1"));
        env.insert(QStringLiteral("MIRTE_TEST_TODAY"), QStringLiteral("2002-10-17"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // Should this test die without its destructors (a sanitizer's abort), the program goes with
        // it instead of holding the test runner's output open.
        m_process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        m_process.start(QStringLiteral(MIRTE_PROGRAM), arguments);
        EXPECT_TRUE(m_process.waitForStarted(kPatience)) << m_process.errorString().toStdString();
    }
    ~DrivenProgram()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(kPatience);
        }
    }

    // One command, its one line of answer.
    QString ask(const QString& command)
    {
        m_process.write(command.toUtf8() + '\n');
        QDeadlineTimer deadline(kPatience);
        while (!m_process.canReadLine() && !deadline.hasExpired())
            if (!m_process.waitForReadyRead(int(deadline.remainingTime())))
                break;
        return QString::fromUtf8(m_process.readLine()).trimmed();
    }
    // Asks until the answer is more than "missing" or "none": the program may still be starting.
    QString await(const QString& command)
    {
        QDeadlineTimer deadline(kPatience);
        QString reply;
        do {
            reply = ask(command);
            if (reply != QLatin1String("missing") && reply != QLatin1String("none"))
                return reply;
            QThread::msleep(50);
        } while (!deadline.hasExpired());
        return reply;
    }
    void killHard()
    {
        m_process.kill(); // SIGKILL: nothing of the program runs any more
        EXPECT_TRUE(m_process.waitForFinished(kPatience));
    }
    QProcess& process() { return m_process; }

private:
    QProcess m_process;
};

class KilledProgram : public ::testing::Test {
protected:
    KilledProgram()
    {
        plan = home.filePath(QStringLiteral("3-2.rv"));
        AppState saved;
        makePlan(saved, 2002);
        saved.strFileName = plan;
        EXPECT_EQ(SavePlanFile(saved), SaveResult::Saved);
        onDisk = contentOf(plan);
    }

    // Copies of unsaved work in the teacher's data folder (kept-aside ones included when asked).
    QStringList copies(bool keptAside = false) const
    {
        QStringList found;
        QDirIterator it(home.filePath(QStringLiteral("data")), {QStringLiteral("*.rv")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (path.contains(QStringLiteral("/kept/")) == keptAside)
                found << path;
        }
        return found;
    }
    static bool registersTuesday(const QString& path)
    {
        try {
            const AppState plan = readPlan(contentOf(path), path); // the day lives in it
            const RivoDayTime* day = recordOf(plan, kTuesday);
            return day && !day->boolNowPlanning;
        } catch (const std::exception&) {
            return false; // not written whole yet
        }
    }

    // Opens the plan, registers Tuesday, waits for its copy and kills the program.
    void registerAndKill()
    {
        DrivenProgram first(home.path(), {plan});
        ASSERT_EQ(first.await(QStringLiteral("text Command2")), QStringLiteral("text 登録"));
        ASSERT_EQ(first.ask(QStringLiteral("click Command2")), QStringLiteral("ok"));
        QDeadlineTimer deadline(kPatience);
        while (!(copies().size() == 1 && registersTuesday(copies()[0])) && !deadline.hasExpired())
            QThread::msleep(50);
        ASSERT_EQ(copies().size(), 1);
        ASSERT_TRUE(registersTuesday(copies()[0]));
        first.killHard();
        EXPECT_EQ(contentOf(plan), onDisk);
    }

    QTemporaryDir home;
    QString plan;
    QByteArray onDisk;
};
} // namespace

TEST_F(KilledProgram, YesBringsTheRegisteredDayBack)
{
    registerAndKill();

    DrivenProgram again(home.path(), {});
    EXPECT_EQ(
        again.await(QStringLiteral("message")),
        QStringLiteral("message 前回の作業内容が保存されていません。復元しますか。\\n\\n%1\\n最後の変更: "
                       "2002/10/17 9:00")
            .arg(QDir::toNativeSeparators(plan)));
    ASSERT_EQ(again.ask(QStringLiteral("click YesButton")), QStringLiteral("ok"));
    EXPECT_EQ(again.await(QStringLiteral("text Command2")), QStringLiteral("text 取消"));
    EXPECT_FALSE(again.ask(QStringLiteral("windows")).contains(QStringLiteral("frmWiz0")));
    EXPECT_EQ(contentOf(plan), onDisk) << "nothing is written until the teacher saves";

    // 上書き保存 writes it where it belongs; a normal end leaves no copy behind.
    ASSERT_EQ(again.ask(QStringLiteral("click mnuFileSave")), QStringLiteral("ok"));
    ASSERT_EQ(again.ask(QStringLiteral("click mnuFileExit")), QStringLiteral("ok"));
    EXPECT_EQ(again.await(QStringLiteral("message")),
              QStringLiteral("message 終了前にファイルを保存しますか。"));
    ASSERT_EQ(again.ask(QStringLiteral("click NoButton")), QStringLiteral("ok"));
    ASSERT_TRUE(again.process().waitForFinished(kPatience));
    EXPECT_EQ(again.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(again.process().exitCode(), 0);
    EXPECT_TRUE(registersTuesday(plan));
    EXPECT_TRUE(copies().isEmpty()) << copies().join(u' ').toStdString();
}

TEST_F(KilledProgram, NoLeavesThePlanAsOnDiskAndTheWorkAside)
{
    registerAndKill();

    DrivenProgram again(home.path(), {});
    ASSERT_TRUE(again.await(QStringLiteral("message")).startsWith(QStringLiteral("message 前回の作業内容")));
    ASSERT_EQ(again.ask(QStringLiteral("click NoButton")), QStringLiteral("ok"));
    // On as usual: the start page.
    QDeadlineTimer deadline(kPatience);
    while (!again.ask(QStringLiteral("windows")).contains(QStringLiteral("frmWiz0")) &&
           !deadline.hasExpired())
        QThread::msleep(50);
    EXPECT_TRUE(again.ask(QStringLiteral("windows")).contains(QStringLiteral("frmWiz0")));
    EXPECT_EQ(contentOf(plan), onDisk);
    EXPECT_TRUE(copies().isEmpty());
    ASSERT_EQ(copies(true).size(), 1);
    EXPECT_TRUE(copies(true)[0].endsWith(QStringLiteral("/kept/2002-10-17 0900 3-2.rv")));
    EXPECT_TRUE(registersTuesday(copies(true)[0]));
}
