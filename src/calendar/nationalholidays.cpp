#include "calendar/nationalholidays.h"

#include "calendar/dates.h"
#include "core/zerodate.h"

HolidayBoxes initialHolidayBoxes()
{
    HolidayBoxes boxes;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (i != 6)
            boxes[i] = kInitialHolidayBoxes[i];
    return boxes;
}

HolidayRules holidayRulesOf(const AppState& s)
{
    HolidayRules r;
    r.dateSpringFrom = s.dateSpringFrom;
    r.dateSpringTo = s.dateSpringTo;
    r.dateSummerFrom = s.dateSummerFrom;
    r.dateSummerTo = s.dateSummerTo;
    r.dateWinterFrom = s.dateWinterFrom;
    r.dateWinterTo = s.dateWinterTo;
    r.dateYearEndFrom = s.dateYearEndFrom;
    r.dateYearEndTo = s.dateYearEndTo;
    r.dateAutumnEquinox = s.dateAutumnEquinox;
    r.dateSportsDay = s.dateSportsDay;
    r.dateComingOfAgeDay = s.dateComingOfAgeDay;
    r.dateVernalEquinox = s.dateVernalEquinox;
    r.boolSat2nd4thOff = s.boolSat2nd4thOff;
    r.boolSatAllOff = s.boolSatAllOff;
    for (int i = 0; i < kFixedHolidayCount; ++i) {
        r.holidayDate[static_cast<std::size_t>(i)] = s.dateHoliday[static_cast<std::size_t>(i)];
        r.holidayDay[static_cast<std::size_t>(i)] = s.intHoliday[static_cast<std::size_t>(i)];
    }
    return r;
}

HolidayRules computeHolidayRules(int year, const HolidayBoxes& boxes, SaturdayRule rule,
                                 const HolidayRules& previous)
{
    // A box without a whole number keeps its earlier date; with none stored yet, its initial day.
    auto dayDate = [&](int box, int y, int month, const QDate& before) {
        const auto& value = boxes[static_cast<std::size_t>(box)];
        if (value)
            return DateSerial(y, month, *value);
        if (before.isValid() && !isZeroDate(before))
            return before;
        return DateSerial(y, month, kInitialHolidayBoxes[static_cast<std::size_t>(box)]);
    };

    HolidayRules r;
    r.dateSpringFrom = DateSerial(year, 4, 1);
    r.dateSpringTo = dayDate(0, year, 4, previous.dateSpringTo);
    r.dateSummerFrom = dayDate(1, year, 7, previous.dateSummerFrom);
    r.dateSummerTo = dayDate(5, year, 8, previous.dateSummerTo);
    r.dateWinterFrom = dayDate(2, year, 12, previous.dateWinterFrom);
    r.dateWinterTo = dayDate(8, year + 1, 1, previous.dateWinterTo);
    r.dateYearEndFrom = dayDate(3, year + 1, 3, previous.dateYearEndFrom);
    r.dateYearEndTo = DateSerial(year + 1, 3, 31);
    r.dateAutumnEquinox = dayDate(4, year, 9, previous.dateAutumnEquinox);
    const QDate thirdMondayJuly = nthMonday(year, 7, 3);
    const QDate thirdMondaySeptember = nthMonday(year, 9, 3);
    r.dateSportsDay = nthMonday(year, 10, 2);
    r.dateComingOfAgeDay = nthMonday(year + 1, 1, 2);
    r.dateVernalEquinox = dayDate(7, year + 1, 3, previous.dateVernalEquinox);
    r.boolSat2nd4thOff = rule == SaturdayRule::SecondAndFourthOff;
    r.boolSatAllOff = rule == SaturdayRule::AllOff;

    // The Monday holidays of July and September began in 2004.
    const bool happyMonday = year >= 2004;
    r.holidayDate = {
        DateSerial(year, 4, 29),
        DateSerial(year, 5, 3),
        DateSerial(year, 5, 4),
        DateSerial(year, 5, 5),
        happyMonday ? thirdMondayJuly : DateSerial(year, 7, 20),
        happyMonday ? thirdMondaySeptember : DateSerial(year, 9, 15),
        r.dateAutumnEquinox,
        r.dateSportsDay,
        DateSerial(year, 11, 3),
        DateSerial(year, 11, 23),
        DateSerial(year, 12, 23),
        r.dateComingOfAgeDay,
        DateSerial(year + 1, 2, 11),
        r.dateVernalEquinox,
    };
    for (std::size_t i = 0; i < r.holidayDate.size(); ++i) {
        if (Weekday(r.holidayDate[i]) == 1)
            r.holidayDate[i] = r.holidayDate[i].addDays(1);
        r.holidayDay[i] = DayOfYear(r.holidayDate[i]);
    }
    return r;
}

void applyHolidayRules(AppState& s, const HolidayRules& r)
{
    s.dateSpringFrom = r.dateSpringFrom;
    s.dateSpringTo = r.dateSpringTo;
    s.dateSummerFrom = r.dateSummerFrom;
    s.dateSummerTo = r.dateSummerTo;
    s.dateWinterFrom = r.dateWinterFrom;
    s.dateWinterTo = r.dateWinterTo;
    s.dateYearEndFrom = r.dateYearEndFrom;
    s.dateYearEndTo = r.dateYearEndTo;
    s.dateAutumnEquinox = r.dateAutumnEquinox;
    s.dateSportsDay = r.dateSportsDay;
    s.dateComingOfAgeDay = r.dateComingOfAgeDay;
    s.dateVernalEquinox = r.dateVernalEquinox;
    s.updateDayNumbers();
    s.boolSat2nd4thOff = r.boolSat2nd4thOff;
    s.boolSatAllOff = r.boolSatAllOff;
    for (std::size_t i = 0; i < r.holidayDate.size(); ++i) {
        s.dateHoliday[i] = r.holidayDate[i];
        s.intHoliday[i] = r.holidayDay[i];
    }
}
