// Small plans built in code for the tests of the tally window, the print window and the sheets.
#pragma once

#include "calendar/nationalholidays.h"
#include "core/appstate.h"
#include "core/plandefaults.h"

#include <memory>

inline const QString kE = QString(QChar(0x3000)); // an empty period

// School year `year` with the initial vacations (term 1 of 2001: 5 April to 19 July), the national
// holidays, the second and fourth Saturdays off, and the grade's default period lengths.
inline std::unique_ptr<AppState> makePlan(int year = 2001, int grade = 3)
{
    auto s = std::make_unique<AppState>();
    InitPlanDefaults(*s);
    s->intYear = static_cast<std::int16_t>(year);
    s->intGrade = static_cast<std::int16_t>(grade);
    s->strClass = QStringLiteral("2");
    s->strTeacher = QStringLiteral("山田花子");
    applyHolidayRules(*s,
                      computeHolidayRules(year, initialHolidayBoxes(), SaturdayRule::SecondAndFourthOff, {}));
    s->intHolidayCount = kFixedHolidayCount;
    for (std::size_t d = 0; d < 6; ++d)
        s->strTimeCredit[d] = defaultTimeCredit(grade)[d];
    return s;
}

// Registers a day with its seven initials; cancelled, it stays in the list but counts nowhere.
inline RivoDayTime& record(AppState& s, const QDate& date, const QString& subjects, bool cancelled = false)
{
    auto d = makeRecordedDay(date, subjects, {}, cancelled);
    RivoDayTime& ref = *d;
    s.objDayChain->appendDay(std::move(d));
    return ref;
}

// The weekly timetable's day of a weekday, 1 = Monday … 6 = Saturday.
inline RivoDayTime& timetableDay(AppState& s, int weekName)
{
    RivoDayTime* d = s.objWeekTimetable->objFirstDay;
    while (d->intWeekName != weekName)
        d = d->objNextDay.get();
    return *d;
}

// One more day off on the holiday list.
inline void addHoliday(AppState& s, const QDate& date)
{
    const auto slot = static_cast<std::size_t>(s.intHolidayCount++);
    s.dateHoliday[slot] = date;
    s.intHoliday[slot] = static_cast<std::int16_t>(date.dayOfYear());
}

#include <ostream>

// Readable failure messages for Japanese texts.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
