#include "calendar/nationalholidays.h"

#include "calendar/dates.h"
#include "calendar/holidaylaw.h"
#include "core/zerodate.h"

#include <algorithm>

HolidayBoxes initialHolidayBoxes()
{
    HolidayBoxes boxes;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (i != 6)
            boxes[i] = kInitialHolidayBoxes[i];
    return boxes;
}

HolidayBoxes initialHolidayBoxes(int year)
{
    HolidayBoxes boxes = initialHolidayBoxes();
    boxes[4] = autumnEquinox(year).date.day();
    boxes[7] = vernalEquinox(year + 1).date.day();
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
    // An equinox box without a day keeps the equinox stored for this very year, else the law's.
    auto equinoxDate = [&](int box, int y, int month, const QDate& before, const QDate& law) {
        const auto& value = boxes[static_cast<std::size_t>(box)];
        if (value)
            return DateSerial(y, month, *value);
        if (before.isValid() && before.year() == y && before.month() == month)
            return before;
        return law;
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
    r.dateAutumnEquinox = equinoxDate(4, year, 9, previous.dateAutumnEquinox, autumnEquinox(year).date);
    r.dateVernalEquinox =
        equinoxDate(7, year + 1, 3, previous.dateVernalEquinox, vernalEquinox(year + 1).date);
    r.boolSat2nd4thOff = rule == SaturdayRule::SecondAndFourthOff;
    r.boolSatAllOff = rule == SaturdayRule::AllOff;

    // The holidays of the school year's two calendar years, with the plan's equinox days.
    const EquinoxChoice choice{r.dateAutumnEquinox, r.dateVernalEquinox};
    const std::vector<RestDay> first = lawHolidaysOfYear(year, choice);
    const std::vector<RestDay> second = lawHolidaysOfYear(year + 1, choice);
    const auto named = [&](std::initializer_list<QStringView> names, bool inFirst, const QDate& otherwise) {
        for (const RestDay& d : inFirst ? first : second) {
            const bool ofSchoolYear = inFirst ? d.date.month() >= 4 : d.date.month() <= 3;
            if (ofSchoolYear && std::find(names.begin(), names.end(), d.name) != names.end())
                return d.date;
        }
        return otherwise;
    };
    r.dateSportsDay = named({u"体育の日", u"スポーツの日"}, true, nthMonday(year, 10, 2));
    r.dateComingOfAgeDay = named({u"成人の日"}, false, nthMonday(year + 1, 1, 2));
    // 天皇誕生日 moved from 23 December to 23 February, so each school year has one of them.
    const QDate emperorsBirthday = named({u"天皇誕生日"}, true, named({u"天皇誕生日"}, false, {}));

    r.holidayDate = {
        DateSerial(year, 4, 29),
        DateSerial(year, 5, 3),
        DateSerial(year, 5, 4),
        DateSerial(year, 5, 5),
        named({u"海の日"}, true, nthMonday(year, 7, 3)),
        named({u"敬老の日"}, true, nthMonday(year, 9, 3)),
        r.dateAutumnEquinox,
        r.dateSportsDay,
        DateSerial(year, 11, 3),
        DateSerial(year, 11, 23),
        emperorsBirthday.isValid() ? emperorsBirthday : DateSerial(year, 12, 23),
        r.dateComingOfAgeDay,
        DateSerial(year + 1, 2, 11),
        r.dateVernalEquinox,
    };
    for (std::size_t i = 0; i < r.holidayDate.size(); ++i) {
        r.holidayDate[i] = restDayOfHoliday(r.holidayDate[i], choice);
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
    updateLawRestDays(s);
}

std::vector<RestDay> planRestDays(const AppState& s)
{
    if (s.intYear < kFirstLawSchoolYear || s.intYear > kLastLawSchoolYear)
        return {};
    return schoolYearRestDays(s.intYear, {s.dateAutumnEquinox, s.dateVernalEquinox});
}

QHash<QDate, QString> planRestDayNames(const AppState& s)
{
    QHash<QDate, QString> names;
    for (const RestDay& day : planRestDays(s))
        names.insert(day.date, day.displayName());
    return names;
}

void updateLawRestDays(AppState& s)
{
    s.lawRestDays.clear();
    for (const RestDay& day : planRestDays(s))
        s.lawRestDays.push_back(day.date);
}
