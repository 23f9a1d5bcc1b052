// How long the main window takes to show the week of a picked date when every school day of the
// year is registered, and how long start-up takes until the main window shows, next to a bare Qt
// window shown the same way.
#include "app/mirte/program.h"
#include "calendar/schoolday.h"
#include "planfixture.h"
#include "platform/recordingprinter.h"
#include "ui/main/frmmain.h"

#include <QApplication>
#include <QPrinter>
#include <QStandardPaths>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {
// Answers every question the cautious way; the benchmarks never ask one.
class SilentDialogs final : public Dialogs {
public:
    Answer message(QWidget*, const QString&, Buttons, Icon, const QString&) override { return Answer::No; }
    QString openFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return {}; }
    bool printDialog(QWidget*, QPrinter&) override { return false; }
    bool pageSetupDialog(QWidget*, QPrinter&, const QString&) override { return false; }
};

class FixedPlacement final : public PlacementStore {
public:
    WindowPlacement load() const override { return {}; }
    void save(const WindowPlacement&) override {}
};

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
    SilentDialogs dialogs;
    FixedClock clock(QDate(2001, 10, 17));
    FixedPlacement placement;
    QPrinter printer;
    WindowActivation activation;
    Services services{
        dialogs,
        clock,
        placement,
        printer,
        [](QPrinter&) -> std::unique_ptr<Printer> { return std::make_unique<RecordingPrinter>(); },
        activation};
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
