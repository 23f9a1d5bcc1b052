// How long the main window takes to show the week of a picked date when every school day of the
// year is registered; how long its open, save and close commands take on the largest plan file
// the reader accepts; and how long start-up takes until the main window shows, next to a bare Qt
// window shown the same way.
#include "app/mirte/program.h"
#include "calendar/dates.h"
#include "calendar/schoolday.h"
#include "planfile/planfile.h"
#include "planfile/planformat.h"
#include "planfixture.h"
#include "platform/recordingprinter.h"
#include "ui/common/quietservices.h"
#include "ui/main/frmmain.h"

#include <QAction>
#include <QApplication>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

int registerWholeYear(AppState& state)
{
    int days = 0;
    for (QDate d(state.intYear, 4, 1); d <= QDate(state.intYear + 1, 3, 31); d = d.addDays(1)) {
        if (!IsSchoolDay(state, d))
            continue;
        addDay(state, d, kTimetable[d.dayOfWeek() - 1],
               days % 20 == 0 ? QStringLiteral("運動会") : QString());
        ++days;
    }
    return days;
}

// Arguments: days from 1 April 2001 to the picked date (early, middle and last week of the year).
void BM_WeekOfPickedDate(benchmark::State& st)
{
    AppState state;
    makePlan(state, 2001);
    const int days = registerWholeYear(state);
    QuietServices quiet(QDate(2001, 10, 17));
    Services& services = quiet.services;
    WindowActivation& activation = quiet.activation;
    Wizard wizard(state, services);
    frmMain window(state, services, wizard);
    window.Form_Load();
    activation.show(&window);

    const QDate picked = QDate(2001, 4, 1).addDays(st.range(0));
    for (auto _ : st) {
        window.MonthView1_DateClick(picked);
        benchmark::DoNotOptimize(window.rowDates());
    }
    st.counters["registered_days"] = days;
    st.SetLabel(picked.toString(Qt::ISODate).toStdString());
}
BENCHMARK(BM_WeekOfPickedDate)->Arg(9)->Arg(199)->Arg(352)->Unit(benchmark::kMicrosecond);

// Answers No to every question and hands the open dialog one file.
class OpenDialogs final : public Dialogs {
public:
    explicit OpenDialogs(QString path) : m_path(std::move(path)) {}
    Answer message(QWidget*, const QString&, Buttons, Icon, const QString&) override
    {
        ++messages;
        return Answer::No;
    }
    QString openFileName(QWidget*, const QString&, const QString&) override { return m_path; }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QStringList openFileNames(QWidget*, const QString&, const QString&) override { return {}; }
    QString folderName(QWidget*, const QString&) override { return {}; }
    bool printDialog(QWidget*, QPrinter&) override { return false; }
    bool pageSetupDialog(QWidget*, QPrinter&, const QString&) override { return false; }
    int messages = 0;

private:
    QString m_path;
};

// The plan file of exactly the 3001 lines the reader accepts: 196 days off and 496 day records
// (more than a school year has dates: the records run on, as after the plan's year was changed).
QString writeLargestPlan(const QTemporaryDir& dir)
{
    AppState s;
    makePlan(s, 2001);
    for (int i = 0; s.intHolidayCount < 196; ++i) {
        const QDate d = QDate(2001, 4, 1).addDays(i);
        const auto slot = std::size_t(s.intHolidayCount++);
        s.dateHoliday[slot] = d;
        s.intHoliday[slot] = std::int16_t(DayOfYear(d));
    }
    for (int i = 0; i < 496; ++i)
        addDay(s, QDate(2001, 4, 1).addDays(i), kTimetable[i % 6], QStringLiteral("家庭訪問"));
    if (planFileLineCount(s.intHolidayCount, countDays(*s.objDayChain)) != kMaxPlanFileLines)
        return {};
    s.strFileName = dir.filePath(QStringLiteral("largest.rv"));
    return SavePlanFile(s) == SaveResult::Saved ? s.strFileName : QString();
}

// The menu's open, save or close (range 0, 1, 2) on the largest plan file, with the window
// following the plan as a teacher sees it.
void BM_FileCommandOnLargestPlan(benchmark::State& st)
{
    QTemporaryDir dir;
    const QString path = writeLargestPlan(dir);
    if (path.isEmpty()) {
        st.SkipWithError("the largest plan file could not be written");
        return;
    }
    AppState state;
    makePlan(state, 2001);
    OpenDialogs dialogs(path);
    QuietServices quiet(QDate(2001, 10, 17), &dialogs);
    Services& services = quiet.services;
    WindowActivation& activation = quiet.activation;
    Wizard wizard(state, services);
    frmMain window(state, services, wizard);
    window.Form_Load();
    activation.show(&window);

    AppState read;
    LoadPlanFile(read, path);
    const int readDays = countDays(*read.objDayChain); // records of one day of the year are merged

    const char* const items[] = {"mnuFileOpen", "mnuFileSave", "mnuFileClose"};
    QAction* item = window.findChild<QAction*>(QLatin1String(items[st.range(0)]));
    for (auto _ : st) {
        if (st.range(0) != 0) {
            st.PauseTiming();
            LoadPlanFile(state, path);
            st.ResumeTiming();
        }
        item->trigger();
    }
    if (countDays(*state.objDayChain) != (st.range(0) == 2 ? 0 : readDays))
        st.SkipWithError("the command did not do its work");
    st.SetLabel(items[st.range(0)]);
    st.counters["questions"] = benchmark::Counter(dialogs.messages, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FileCommandOnLargestPlan)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_StartupToMainWindowShown(benchmark::State& st)
{
    for (auto _ : st) {
        Program program;
        program.Main();
        if (!QTest::qWaitForWindowExposed(program.mainWindow()))
            st.SkipWithError("the main window never showed");
        QApplication::processEvents();
    }
}
BENCHMARK(BM_StartupToMainWindowShown)->Unit(benchmark::kMillisecond);

// The same way, with a plain window: what any Qt program pays before its first window shows.
void BM_StartupBareQtWindowShown(benchmark::State& st)
{
    for (auto _ : st) {
        QWidget window;
        window.resize(715, 657);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            st.SkipWithError("the window never showed");
        QApplication::processEvents();
    }
}
BENCHMARK(BM_StartupBareQtWindowShown)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Start-up reads the saved placement: keep the user's own settings out of it.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
