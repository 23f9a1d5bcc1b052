// The one plan the program holds, and the little window state that goes with it. Start-up creates
// the single instance and hands it by reference to every window and service.
#pragma once

#include "core/catalogue.h"
#include "core/rivodaytime.h"
#include "core/rivoweektotal.h"
#include "core/rivoyeartotal.h"
#include "core/zerodate.h"

#include <QDate>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

inline constexpr int kHolidaySlots = 201;     // slots 0..200
inline constexpr int kMaxHolidayCount = 200;  // the file also writes the slot after the last one
inline constexpr int kFixedHolidayCount = 14; // national holidays, entries 0..13

// Period lengths per weekday: index 0 = Monday … 5 = Saturday (slot 6 unused); seven digits each.
using TimeCredit = std::array<QString, 7>;

struct AppState {
    // Plan identity
    std::int16_t intYear = 0; // school year as a Western year; 0 = no plan
    std::int16_t intGrade = 0;
    QString strClass;
    QString strTeacher;
    QString strFileName;

    // Calendar rules
    bool boolSat2nd4thOff = false;
    bool boolSatAllOff = false;
    QDate dateSpringFrom = zeroDate();
    QDate dateSpringTo = zeroDate();
    QDate dateSummerFrom = zeroDate();
    QDate dateSummerTo = zeroDate();
    QDate dateWinterFrom = zeroDate();
    QDate dateWinterTo = zeroDate();
    QDate dateYearEndFrom = zeroDate();
    QDate dateYearEndTo = zeroDate();
    QDate dateAutumnEquinox = zeroDate();
    QDate dateSportsDay = zeroDate();
    QDate dateComingOfAgeDay = zeroDate();
    QDate dateVernalEquinox = zeroDate();
    std::int16_t intSpringFrom = 0;
    std::int16_t intSpringTo = 0;
    std::int16_t intSummerFrom = 0;
    std::int16_t intSummerTo = 0;
    std::int16_t intWinterFrom = 0;
    std::int16_t intWinterTo = 0;
    std::int16_t intYearEndFrom = 0;
    std::int16_t intYearEndTo = 0;
    std::int16_t intAutumnEquinox = 0;
    std::int16_t intSportsDay = 0;
    std::int16_t intComingOfAgeDay = 0;
    std::int16_t intVernalEquinox = 0;
    std::int16_t intHolidayCount = 0;
    std::array<QDate, kHolidaySlots> dateHoliday = filledDates();
    std::array<std::int16_t, kHolidaySlots> intHoliday{};
    // The law's rest days of the school year in date order, derived from intYear and the equinox
    // days whenever the holiday entries are (holiday rules page, reading a file); never stored.
    // They hold the days off the fourteen entries cannot: 国民の休日, 山の日, a second 振替休日.
    std::vector<QDate> lawRestDays;
    std::int16_t intSchoolDays1 = 0;
    std::int16_t intSchoolDays2 = 0;
    std::int16_t intSchoolDays3 = 0;
    std::int16_t intSchoolDaysYear = 0;

    // Week structure
    TimeCredit strTimeCredit;
    std::array<std::array<QString, 6>, 6> strDefaultTimeCredit; // [grade - 1][weekday]
    std::unique_ptr<RivoWeekTotal> objWeekTimetable;

    // Plans and results
    std::unique_ptr<RivoYearTotal> objYearBase;
    std::unique_ptr<RivoYearTotal> objYearPlan;
    std::unique_ptr<RivoYearTotal> objYearResult;
    std::unique_ptr<RivoDayTime> objDayChain; // blank head of the recorded days

    // Window state
    bool boolStartWizard = false;
    bool boolCalendarShown = false;
    QDate dateSelected = zeroDate();
    QDate dateWeekFirst = zeroDate();
    QDate dateWeekLast = zeroDate();

    // Sets each of the twelve int… day-of-year numbers from its date.
    void updateDayNumbers();

    // The subjects this plan has, by its school year.
    const Catalogue& catalogue() const { return catalogueOf(intYear); }

private:
    static std::array<QDate, kHolidaySlots> filledDates();
};

// The twelve calendar dates with their day-of-year numbers, in the order the plan file stores them.
struct CalendarDateSlot {
    QDate AppState::*date;
    std::int16_t AppState::*dayOfYear;
};
extern const std::array<CalendarDateSlot, 12> kCalendarDates;
