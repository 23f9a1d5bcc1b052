#include "core/rivodaytime.h"

RivoDayTime::~RivoDayTime()
{
    std::unique_ptr<RivoDayTime> next = std::move(objNextDay);
    while (next)
        next = std::move(next->objNextDay);
}

bool RivoDayTime::searchDay(const QDate& sDay) const
{
    for (const RivoDayTime* day = objNextDay.get(); day; day = day->objNextDay.get())
        if (day->dateThisDay == sDay)
            return !day->boolNowPlanning;
    return false;
}

void RivoDayTime::appendDay(std::unique_ptr<RivoDayTime> objInsertDay)
{
    // The head's zero date sorts before every real day, so the walk starts behind it.
    std::unique_ptr<RivoDayTime>* link = &objNextDay;
    while (*link) {
        RivoDayTime& current = **link;
        if (current.dateThisDay == objInsertDay->dateThisDay) {
            objInsertDay->objNextDay = std::move(current.objNextDay);
            *link = std::move(objInsertDay); // the replaced record is released here
            return;
        }
        if (current.dateThisDay > objInsertDay->dateThisDay) {
            objInsertDay->objNextDay = std::move(*link);
            *link = std::move(objInsertDay);
            return;
        }
        link = &current.objNextDay;
    }
    *link = std::move(objInsertDay);
}

int countDays(const RivoDayTime& head)
{
    int n = 0;
    for (const RivoDayTime* day = head.objNextDay.get(); day; day = day->objNextDay.get())
        ++n;
    return n;
}

std::unique_ptr<RivoDayTime> makeRecordedDay(const QDate& date, const QString& subjects,
                                             const QString& comment, bool cancelled)
{
    auto day = std::make_unique<RivoDayTime>();
    day->dateThisDay = date;
    day->intThisDay = static_cast<std::int16_t>(date.dayOfYear());
    day->intWeekName = static_cast<std::int16_t>(date.dayOfWeek() % 7); // Sunday = 0
    day->strSubject = subjects;
    day->strComment = comment;
    day->boolNowPlanning = cancelled;
    day->boolWorkDay = true;
    return day;
}
