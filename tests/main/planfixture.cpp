#include "planfixture.h"

#include "calendar/dates.h"
#include "core/plandefaults.h"

void makePlan(AppState& s, int year)
{
    InitPlanDefaults(s);
    s.boolStartWizard = false;
    s.intYear = std::int16_t(year);
    s.intGrade = 3;
    s.strClass = QStringLiteral("2");
    s.strTeacher = QStringLiteral("山田 花子");

    s.dateSpringFrom = QDate(year, 4, 1);
    s.dateSpringTo = QDate(year, 4, 5);
    s.dateSummerFrom = QDate(year, 7, 21);
    s.dateSummerTo = QDate(year, 8, 31);
    s.dateWinterFrom = QDate(year, 12, 25);
    s.dateWinterTo = QDate(year + 1, 1, 7);
    s.dateYearEndFrom = QDate(year + 1, 3, 25);
    s.dateYearEndTo = QDate(year + 1, 3, 31);
    s.dateAutumnEquinox = QDate(year, 9, 23);
    s.dateSportsDay = nthMonday(year, 10, 2);
    s.dateComingOfAgeDay = nthMonday(year + 1, 1, 2);
    s.dateVernalEquinox = QDate(year + 1, 3, 21);
    s.updateDayNumbers();
    s.boolSat2nd4thOff = true;
    s.dateHoliday[0] = s.dateSportsDay;
    s.intHoliday[0] = DayOfYear(s.dateSportsDay);

    const auto& credit = defaultTimeCredit(3);
    for (std::size_t d = 0; d < 6; ++d)
        s.strTimeCredit[d] = credit[d];
    std::size_t d = 0;
    for (RivoDayTime* day = s.objWeekTimetable->objFirstDay; day; day = day->objNextDay.get())
        day->strSubject = kTimetable[d++];
}

void addDay(AppState& s, const QDate& date, const QString& subjects, const QString& comment, bool cancelled)
{
    s.objDayChain->appendDay(makeRecordedDay(date, subjects, comment, cancelled));
}

int recordCount(const AppState& s)
{
    return countDays(*s.objDayChain);
}

const RivoDayTime* recordOf(const AppState& s, const QDate& date)
{
    for (const RivoDayTime* day = s.objDayChain->objNextDay.get(); day; day = day->objNextDay.get())
        if (day->dateThisDay == date)
            return day;
    return nullptr;
}
