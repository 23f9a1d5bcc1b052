// The days off added on the holiday calendar page: entries 14 on of the holiday list, in the order
// they were clicked, never more than the list can hold.
#pragma once

#include "core/appstate.h"

#include <QDate>

enum class AddDayOff { Added, Registered, ListFull };

// Appends the date to the holiday list, unless lessons are registered on it or the list is full.
AddDayOff addDayOff(AppState& state, const QDate& date);

// Removes the added day off with the date's day-of-year, the later ones moving down in order;
// false when none of the added days has it (a Sunday, a vacation day, a national holiday).
bool removeDayOff(AppState& state, const QDate& date);
