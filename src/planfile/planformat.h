// What the reader and the writer agree on: the size of the file, the position of its parts, the
// forms of numbers and the code page.
#pragma once

#include <QString>
#include <cstdint>

inline constexpr int kMaxPlanFileLines = 3001;
inline constexpr int kDayBlockLines = 5;
// Lines 1–37: period lengths, year, grade, class, teacher, twelve dates, two flags, holiday count.
inline constexpr int kHeaderLines = 37;
inline constexpr int kFieldBlockLines = 21;
inline constexpr int kTimetableLines = 6;

// School years the calendar helpers agree on: from 100 on (below it a year has two digits), up to
// the year whose 31 March is still in 9999.
inline constexpr int kMinPlanYear = 100;
inline constexpr int kMaxPlanYear = 9998;

// Lines of a file with N = intHolidayCount and D recorded days.
constexpr int planFileLineCount(int holidayCount, int days)
{
    return kHeaderLines + 2 * (holidayCount + 1) + kFieldBlockLines + kTimetableLines + 3 * kFieldBlockLines +
           kDayBlockLines * days;
}

// " 5", "-5": year, grade, month, day, count.
QString smallNumberText(int value);
// " 97 ", "-4 ": a unit count.
QString unitCountText(std::int16_t value);

enum class NumberFault { None, NotANumber, OutOfRange };

// A number line: decimal digits with an optional sign, spaces or tabs around them. Nothing else is a
// number: no full-width digits, no decimal point, no exponent.
NumberFault parseNumber(QStringView text, std::int16_t& value);

// "月曜日" … "土曜日" for 0 = Monday … 5 = Saturday, as messages name the weekday lines.
QStringView weekdayName(int index);

// The name QStringEncoder / QStringDecoder know the Windows Japanese code page by.
inline constexpr char kPlanCodePage[] = "Shift_JIS";
