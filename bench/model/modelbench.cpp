// What the program computes on the largest plans: reading and writing a plan file of the most lines
// the reader accepts, the tally of a week, the projection and the school-day count of a full year.
#include "calendar/dates.h"
#include "calendar/nationalholidays.h"
#include "calendar/schoolday.h"
#include "calendar/schooldaycount.h"
#include "core/plandefaults.h"
#include "planfile/planfile.h"
#include "planfile/planformat.h"
#include "planfile/planreader.h"
#include "planfile/planwriter.h"
#include "totals/projection.h"
#include "totals/tally.h"
#include "totals/weektotals.h"
#include "totals/yeartotals.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

constexpr int kYear = 2001;

const QString kWeek[6] = {u"学国算社体国　"_s, u"国国算理音図　"_s, u"算国社算体道　"_s,
                          u"　国算理図総　"_s, u"国国総体音総　"_s, u"　国学　　　　"_s};

void addDay(AppState& s, const QDate& date, const QString& subjects, const QString& event)
{
    s.objDayChain->appendDay(makeRecordedDay(date, subjects, event));
}

// 平成13年度, grade 3, the second and fourth Saturday off, a full timetable and plan.
AppState basePlan()
{
    AppState s;
    InitPlanDefaults(s);
    s.intYear = kYear;
    s.intGrade = 3;
    s.strClass = u"2"_s;
    s.strTeacher = u"髙橋 美咲"_s;
    applyHolidayRules(s, computeHolidayRules(kYear, initialHolidayBoxes(), SaturdayRule::SecondAndFourthOff,
                                             holidayRulesOf(s)));
    for (std::size_t d = 0; d < 6; ++d)
        s.strTimeCredit[d] = defaultTimeCredit(3)[d];
    RivoDayTime* day = s.objWeekTimetable->objFirstDay;
    for (const QString& subjects : kWeek) {
        day->strSubject = subjects;
        day = day->objNextDay.get();
    }
    calculate(*s.objWeekTimetable, s.strTimeCredit);
    for (RivoSeasonTotal* term : s.objYearPlan->terms()) {
        for (Field f : kSubjectFields)
            (*term)[f] = 100;
        term->recomputeSubtotals();
    }
    calculate(*s.objYearPlan);
    return s;
}

// The first `count` days Monday to Saturday from 1 April, registered with the timetable.
AppState planWithDays(int count)
{
    AppState s = basePlan();
    int added = 0;
    for (QDate d(kYear, 4, 1); added < count; d = d.addDays(1)) {
        if (Weekday(d) == 1)
            continue;
        addDay(s, d, kWeek[Weekday(d) - 2], added % 10 == 0 ? u"行事"_s : QString());
        ++added;
    }
    return s;
}

// Every school day of the year registered.
AppState fullYear()
{
    AppState s = basePlan();
    for (QDate d(kYear, 4, 1); d <= QDate(kYear + 1, 3, 31); d = d.addDays(1))
        if (IsSchoolDay(s, d))
            addDay(s, d, kWeek[Weekday(d) - 2], {});
    return s;
}

// A plan whose file has exactly the 3001 lines the reader accepts: 196 days off (the file holds
// 197 pairs) and 496 day records. A school year has at most 366 dates, so the records run on into
// the following year, as after the school year of a plan was changed.
AppState largestPlan()
{
    AppState s = basePlan();
    for (int i = 0; s.intHolidayCount < 196; ++i) {
        const QDate d = QDate(kYear, 4, 1).addDays(i);
        const auto slot = static_cast<std::size_t>(s.intHolidayCount++);
        s.dateHoliday[slot] = d;
        s.intHoliday[slot] = DayOfYear(d);
    }
    for (int i = 0; i < 496; ++i) {
        const QDate d = QDate(kYear, 4, 1).addDays(i);
        addDay(s, d, kWeek[(i % 6)], u"家庭訪問"_s);
    }
    if (planFileLineCount(s.intHolidayCount, countDays(*s.objDayChain)) != kMaxPlanFileLines)
        throw std::logic_error("the largest plan does not have 3001 lines");
    return s;
}

void BM_SerializePlan3001Lines(benchmark::State& state)
{
    const AppState plan = largestPlan();
    for (auto _ : state)
        benchmark::DoNotOptimize(serializePlan(plan));
    state.counters["lines"] = kMaxPlanFileLines;
}
BENCHMARK(BM_SerializePlan3001Lines)->Unit(benchmark::kMicrosecond);

void BM_ReadPlan3001Lines(benchmark::State& state)
{
    const QByteArray bytes = serializePlan(largestPlan());
    for (auto _ : state)
        benchmark::DoNotOptimize(readPlan(bytes, u"largest.rv"_s));
    state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_ReadPlan3001Lines)->Unit(benchmark::kMicrosecond);

// The same through the disk: QSaveFile's temporary file and rename, then opening into a state.
void BM_SaveAndLoadPlanFile3001Lines(benchmark::State& state)
{
    QTemporaryDir dir;
    AppState plan = largestPlan();
    plan.strFileName = dir.filePath(u"largest.rv"_s);
    AppState open;
    InitPlanDefaults(open);
    for (auto _ : state) {
        SavePlanFile(plan);
        LoadPlanFile(open, plan.strFileName);
    }
}
BENCHMARK(BM_SaveAndLoadPlanFile3001Lines)->Unit(benchmark::kMicrosecond);

void BM_TallyFullYear(benchmark::State& state)
{
    AppState plan = fullYear();
    for (auto _ : state)
        benchmark::DoNotOptimize(computeTally(plan, QDate(kYear, 10, 17)));
    state.counters["days"] = countDays(*plan.objDayChain);
}
BENCHMARK(BM_TallyFullYear)->Unit(benchmark::kMicrosecond);

void BM_TallyRegisteredDays(benchmark::State& state)
{
    AppState plan = planWithDays(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(computeTally(plan, QDate(kYear, 10, 17)));
}
BENCHMARK(BM_TallyRegisteredDays)
    ->Arg(0)
    ->Arg(50)
    ->Arg(100)
    ->Arg(200)
    ->Arg(300)
    ->Unit(benchmark::kMicrosecond);

void BM_ProjectPlan(benchmark::State& state)
{
    const AppState plan = fullYear();
    for (auto _ : state)
        benchmark::DoNotOptimize(projectPlan(plan));
}
BENCHMARK(BM_ProjectPlan)->Unit(benchmark::kMicrosecond);

void BM_CountSchoolDays(benchmark::State& state)
{
    AppState plan = basePlan();
    // A full holiday list makes every test walk all 200 entries.
    for (int i = 0; plan.intHolidayCount < kMaxHolidayCount; ++i) {
        const QDate d = QDate(kYear + 1, 3, 31).addDays(-i);
        const auto slot = static_cast<std::size_t>(plan.intHolidayCount++);
        plan.dateHoliday[slot] = d;
        plan.intHoliday[slot] = DayOfYear(d);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(countSchoolDays(plan));
}
BENCHMARK(BM_CountSchoolDays)->Unit(benchmark::kMicrosecond);

} // namespace
