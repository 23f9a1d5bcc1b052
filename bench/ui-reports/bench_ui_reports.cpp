// How long the annual sheet takes to print to an A4 PDF file, and the tally window to show the week
// of a picked date, when every school day of the example year is registered.
#include "calendar/dates.h"
#include "calendar/schoolday.h"
#include "planfile/planfile.h"
#include "platform/japanese.h"
#include "platform/placementstore.h"
#include "platform/recordingprinter.h"
#include "reports/frmdisptimetable.h"
#include "reports/pdfexport.h"
#include "reports/yearsheet.h"
#include "ui/common/quietservices.h"
#include "ui/common/services.h"
#include "ui/common/windowactivation.h"

#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The example plan with every school day of its year registered (those it has keep their lessons).
std::unique_ptr<AppState> fullYear()
{
    auto state = std::make_unique<AppState>();
    LoadPlanFile(*state, QStringLiteral(MIRTE_SOURCE_DIR "/examples/sample.rv"));
    const QDate last(state->intYear + 1, 3, 31);
    for (QDate d(state->intYear, 4, 1); d <= last; d = d.addDays(1)) {
        if (!IsSchoolDay(*state, d) || state->objDayChain->searchDay(d))
            continue;
        const RivoDayTime* planned = state->objWeekTimetable->objFirstDay;
        while (planned && planned->intWeekName != Weekday(d) - 1)
            planned = planned->objNextDay.get();
        state->objDayChain->appendDay(makeRecordedDay(d, planned ? planned->strSubject : QString()));
    }
    return state;
}

void BM_AnnualSheetToPdf(benchmark::State& st)
{
    auto state = fullYear();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("year.pdf"));
    for (auto _ : st)
        printSheetToPdf(*state, Sheet::Year, path);
    st.counters["registered_days"] = countDays(*state->objDayChain);
}
BENCHMARK(BM_AnnualSheetToPdf)->Unit(benchmark::kMillisecond);

// The sheet's computation and layout alone, on the recording printer.
void BM_AnnualSheetLayout(benchmark::State& st)
{
    auto state = fullYear();
    for (auto _ : st) {
        RecordingPrinter printer;
        subPrintYear(*state, printer);
        benchmark::DoNotOptimize(printer.texts().size());
    }
}
BENCHMARK(BM_AnnualSheetLayout)->Unit(benchmark::kMillisecond);

// One date pick in the tally window: week, term and year recomputed and the grid refilled. The
// picked dates walk through the year one day at a time.
void BM_TallyDatePick(benchmark::State& st)
{
    auto state = fullYear();
    QuietServices quiet(QDate(2001, 10, 17));
    Services& services = quiet.services;
    WindowActivation& activation = quiet.activation;
    frmDispTimeTable window(*state, services);
    activation.show(&window);
    const QDate first(state->intYear, 4, 1);
    int offset = 0;
    for (auto _ : st) {
        window.mvTimeTable_DateClick(first.addDays(offset));
        offset = (offset + 1) % 365;
    }
    st.SetItemsProcessed(st.iterations());
}
BENCHMARK(BM_TallyDatePick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
