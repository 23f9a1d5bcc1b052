// What keeping a copy of unsaved work costs the window: a registration with and without the check
// that follows it (the plan serialized and compared, a changed plan handed to the disk's thread),
// next to a repaint of the week; and, for comparison, the disk's own part on its thread.
#include "calendar/schoolday.h"
#include "planfixture.h"
#include "ui/common/quietservices.h"
#include "ui/main/frmmain.h"
#include "ui/main/plansession.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
// The main window on a year whose every school day is registered, its copy kept in a folder of
// its own, showing the week of Tuesday 16 October 2001.
struct RegisteredYear {
    RegisteredYear()
    {
        makePlan(state, 2001);
        for (QDate d(2001, 4, 1); d <= QDate(2002, 3, 31); d = d.addDays(1))
            if (IsSchoolDay(state, d))
                addDay(state, d, kTimetable[d.dayOfWeek() - 1]);
        window.Form_Load();
        quiet.activation.show(&window);
        window.session().startRecovery(folder.path());
        window.session().planReplaced();
        window.MonthView1_DateClick(QDate(2001, 10, 16));
    }

    QTemporaryDir folder; // outlives the window, whose copy holds a lock in it
    AppState state;
    QuietServices quiet{QDate(2001, 10, 17)};
    Wizard wizard{state, quiet.services};
    frmMain window{state, quiet.services, wizard};
};

// Register Tuesday, or cancel it: each click changes what the plan file would store.
void BM_Registration(benchmark::State& st)
{
    RegisteredYear year;
    const bool withCheck = st.range(0) != 0;
    for (auto _ : st) {
        year.window.Command2_Click();
        if (withCheck)
            year.window.session().keepChanges();
    }
    year.window.session().waitForDisk();
    st.SetLabel(withCheck ? "with the copy's check" : "alone");
}
BENCHMARK(BM_Registration)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The check alone, after a change: what the copy adds to a registration on the window's thread.
void BM_CopyCheckAfterAChange(benchmark::State& st)
{
    RegisteredYear year;
    RivoDayTime* day = year.state.objDayChain->objNextDay.get();
    for (auto _ : st) {
        st.PauseTiming();
        day->boolNowPlanning = !day->boolNowPlanning;
        st.ResumeTiming();
        year.window.session().keepChanges();
    }
    year.window.session().waitForDisk();
}
BENCHMARK(BM_CopyCheckAfterAChange)->Unit(benchmark::kMicrosecond);

// The check when nothing changed: what the timer costs twice a second while the teacher reads.
void BM_CopyCheckUnchanged(benchmark::State& st)
{
    RegisteredYear year;
    year.window.session().keepChanges();
    for (auto _ : st)
        year.window.session().keepChanges();
}
BENCHMARK(BM_CopyCheckUnchanged)->Unit(benchmark::kMicrosecond);

// A repaint of the week: the lower frame with the palette and the six rows, painted whole.
void BM_WeekRepaint(benchmark::State& st)
{
    RegisteredYear year;
    QWidget* week = year.window.findChild<QWidget*>(QStringLiteral("fraSubject"));
    for (auto _ : st)
        benchmark::DoNotOptimize(week->grab());
}
BENCHMARK(BM_WeekRepaint)->Unit(benchmark::kMicrosecond);

// The disk's part, on its own thread: the copy written whole and synced.
void BM_CopyWrittenToDisk(benchmark::State& st)
{
    RegisteredYear year;
    RivoDayTime* day = year.state.objDayChain->objNextDay.get();
    for (auto _ : st) {
        day->boolNowPlanning = !day->boolNowPlanning;
        year.window.session().keepChanges();
        year.window.session().waitForDisk();
    }
}
BENCHMARK(BM_CopyWrittenToDisk)->Unit(benchmark::kMillisecond);
} // namespace
