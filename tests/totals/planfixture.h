// A small school-year-2001 plan built in code for the totals tests.
#pragma once

#include "calendar/nationalholidays.h"
#include "core/appstate.h"
#include "core/plandefaults.h"

#include <memory>

inline const QString kE = QString(QChar(0x3000)); // an empty period

// Registers (or, cancelled, stores withdrawn) a day with its seven initials.
inline RivoDayTime& record(AppState& s, const QDate& date, const QString& subjects, bool cancelled = false)
{
    auto d = makeRecordedDay(date, subjects, {}, cancelled);
    RivoDayTime& ref = *d;
    s.objDayChain->appendDay(std::move(d));
    return ref;
}

// School year 2001, grade 3 period lengths, the initial vacations and national holidays.
inline std::unique_ptr<AppState> plan2001()
{
    auto s = std::make_unique<AppState>();
    InitPlanDefaults(*s);
    s->intYear = 2001;
    s->intGrade = 3;
    applyHolidayRules(*s,
                      computeHolidayRules(2001, initialHolidayBoxes(), SaturdayRule::SecondAndFourthOff, {}));
    for (int d = 0; d < 6; ++d)
        s->strTimeCredit[static_cast<std::size_t>(d)] = defaultTimeCredit(3)[static_cast<std::size_t>(d)];
    return s;
}

inline RivoDayTime& timetableDay(AppState& s, int weekName)
{
    RivoDayTime* d = s.objWeekTimetable->objFirstDay;
    while (d->intWeekName != weekName)
        d = d->objNextDay.get();
    return *d;
}
