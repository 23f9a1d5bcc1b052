#include "reports/termweeks.h"

#include "calendar/schoolday.h"
#include "calendar/schooldaycount.h"
#include "core/subjects.h"

#include <algorithm>

namespace {

QDate mondayOnOrBefore(const QDate& day)
{
    return day.addDays(1 - day.dayOfWeek());
}
QDate saturdayOnOrAfter(const QDate& day)
{
    return day.addDays(6 - day.dayOfWeek());
}

} // namespace

std::array<TermWeeks, 3> termWeeks(const AppState& state)
{
    const std::array<std::pair<QDate, QDate>, 3> vacationBounds = {{
        {state.dateSpringTo, state.dateSummerFrom},
        {state.dateSummerTo, state.dateWinterFrom},
        {state.dateWinterTo, state.dateYearEndFrom},
    }};
    std::array<TermWeeks, 3> terms;
    for (int t = 0; t < 3; ++t) {
        TermWeeks& term = terms[static_cast<std::size_t>(t)];
        const auto& [before, after] = vacationBounds[static_cast<std::size_t>(t)];
        // Held within the term's months, so unset vacation dates cannot spread a term over decades.
        term.firstDay = std::max(before.addDays(1), termFirstDay(state.intYear, t + 1));
        term.lastDay = std::min(after.addDays(-1), termLastDay(state.intYear, t + 1));
        if (term.lastDay < term.firstDay)
            continue;
        term.firstMonday =
            term.firstDay.dayOfWeek() == 7 ? term.firstDay.addDays(1) : mondayOnOrBefore(term.firstDay);
        const QDate lastSaturday =
            term.lastDay.dayOfWeek() == 7 ? term.lastDay.addDays(-1) : saturdayOnOrAfter(term.lastDay);
        term.rows = std::max<int>(0, static_cast<int>((term.firstMonday.daysTo(lastSaturday) + 2) / 7));
    }
    return terms;
}

CountedDays::CountedDays(const AppState& state)
{
    for (const RivoDayTime* d = state.objDayChain->objNextDay.get(); d; d = d->objNextDay.get())
        if (!d->boolNowPlanning && !m_days.contains(d->dateThisDay))
            m_days.insert(d->dateThisDay, d);
}

QString SheetDay::initial(int period) const
{
    if (!record)
        return {};
    const QString c = record->strSubject.mid(period, 1);
    return c == QString(QChar(kEmptyPeriod)) ? QString() : c;
}

SheetDay sheetDay(const AppState& state, const CountedDays& counted, const TermWeeks& term, const QDate& date)
{
    if (date < term.firstDay || date > term.lastDay)
        return {};
    if (!IsSchoolDay(state, date))
        return {SheetDay::Kind::DayOff, nullptr};
    return {SheetDay::Kind::SchoolDay, counted.at(date)};
}
