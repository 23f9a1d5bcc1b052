// Loading the holiday calendar page (three term calendars, every day tested and marked) and
// activating the annual plan page (projection, 68 boxes checked, sums and differences) on a full
// plan: the holiday list at its limit, every period of the week taught, every box filled.
#include "calendar/dates.h"
#include "calendar/nationalholidays.h"
#include "calendar/schoolday.h"
#include "core/appstate.h"
#include "core/plandefaults.h"
#include "ui/common/quietservices.h"
#include "ui/common/services.h"
#include "ui/wizard/frmwiz3.h"
#include "ui/wizard/frmwiz4.h"
#include "ui/wizard/wizard.h"
#include "ui/wizard/yearplanboxes.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {
struct FullPlan {
    AppState state;
    QuietServices quiet{QDate(2004, 10, 1)};
    Services& services = quiet.services;
    Wizard wizard{state, services};

    FullPlan()
    {
        InitPlanDefaults(state);
        state.intYear = 2004;
        state.intGrade = 6;
        applyHolidayRules(state, computeHolidayRules(2004, initialHolidayBoxes(), SaturdayRule::Irregular,
                                                     holidayRulesOf(state)));
        // 186 added days off, the most the list holds: the first school days of the year.
        for (QDate d(2004, 4, 1); d <= QDate(2005, 3, 31) && state.intHolidayCount < kMaxHolidayCount;
             d = d.addDays(1)) {
            if (IsSchoolDay(state, d)) {
                state.dateHoliday[static_cast<std::size_t>(state.intHolidayCount)] = d;
                state.intHoliday[static_cast<std::size_t>(state.intHolidayCount)] = DayOfYear(d);
                ++state.intHolidayCount;
            }
        }
        std::copy_n(defaultTimeCredit(6).begin(), 6, state.strTimeCredit.begin());
        const QString initials = QStringLiteral("総国社算理生音図家体道学ク");
        int k = 0;
        for (RivoDayTime* day = state.objWeekTimetable->objFirstDay; day; day = day->objNextDay.get()) {
            day->strSubject.clear();
            for (int p = 0; p < 7; ++p)
                day->strSubject += initials.at(k++ % initials.size());
        }
        for (std::size_t r = 0; r < kPlanRows; ++r) {
            (*state.objYearBase)[kPlanRowFields[r]] = static_cast<Units>(100 + r);
            for (RivoSeasonTotal* term : state.objYearPlan->terms())
                (*term)[kPlanRowFields[r]] = static_cast<Units>(30 + r);
        }
    }
};

FullPlan* plan = nullptr;

void BM_HolidayCalendarLoading(benchmark::State& s)
{
    auto* page = qobject_cast<frmWiz3*>(plan->wizard.page(Wizard::Step::HolidayCalendar));
    plan->wizard.show(Wizard::Step::HolidayCalendar);
    for (auto _ : s) {
        page->Form_Activate();
        benchmark::DoNotOptimize(plan->state.intSchoolDaysYear);
    }
    page->hide();
    s.counters["school_days"] = plan->state.intSchoolDaysYear;
    s.counters["holidays"] = plan->state.intHolidayCount;
}
BENCHMARK(BM_HolidayCalendarLoading)->Unit(benchmark::kMillisecond);

void BM_AnnualPlanActivation(benchmark::State& s)
{
    auto* page = qobject_cast<frmWiz4*>(plan->wizard.page(Wizard::Step::AnnualPlan));
    plan->wizard.show(Wizard::Step::AnnualPlan);
    for (auto _ : s) {
        page->Form_Activate();
        benchmark::DoNotOptimize(plan->state.objYearPlan->SouJisuu);
    }
    page->hide();
}
BENCHMARK(BM_AnnualPlanActivation)->Unit(benchmark::kMillisecond);

// The check and sums of the 68 boxes alone, without the widgets.
void BM_CheckYearPlan(benchmark::State& s)
{
    std::array<QString, kBaseBoxes> base;
    std::array<QString, kPlanBoxes> terms;
    for (std::size_t i = 0; i < base.size(); ++i)
        base[i] = QStringLiteral("%1.1").arg(30 + i);
    for (std::size_t i = 0; i < terms.size(); ++i)
        terms[i] = QStringLiteral("%1.2").arg(10 + i);
    for (auto _ : s)
        benchmark::DoNotOptimize(checkYearPlan(base, terms).figures.year.SouJisuu);
}
BENCHMARK(BM_CheckYearPlan)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    FullPlan full;
    plan = &full;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    plan = nullptr;
    return 0;
}
