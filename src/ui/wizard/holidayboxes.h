// The day boxes of the holiday rules page: which days each offers, what it holds at first, and how
// its text reads as a day of the month.
#pragma once

#include "calendar/nationalholidays.h"

#include <QString>
#include <array>
#include <optional>

inline constexpr int kHolidayBoxCount = 9; // boxes 0 to 8; there is no box 6

struct HolidayBoxOffer {
    int firstDay = 0;
    int lastDay = 0;
};

// The days the list of a box offers; box 6 offers none.
HolidayBoxOffer holidayBoxOffer(int box);

// The whole number a box holds (full-width digits and surrounding spaces allowed), or none for any
// other text, which keeps the date stored before for that box.
std::optional<int> dayBoxNumber(const QString& text);

HolidayBoxes holidayBoxesFromTexts(const std::array<QString, kHolidayBoxCount>& texts);
