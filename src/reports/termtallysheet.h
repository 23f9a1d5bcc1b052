// The tally sheet of a term on one landscape page: a row per week with the registered hours of
// every subject and subtotal and the term's running total, then the term's plan, actual hours and
// difference.
#pragma once

#include "reports/sheetpage.h"

#include <QDate>
#include <QList>

struct AppState;
class Printer;

// A week row of the tally sheet: the days it shows and the days whose hours it counts, both within
// the term's months, so that the rows add up to the term's actual hours.
struct TallyWeek {
    QDate monday;
    QDate first;     // the first day of the term's months in the week
    QDate last;      // its last shown day, Saturday at the latest
    QDate countedTo; // its last counted day: a Sunday belongs to the week before it
};

// The term's week rows, and further rows for weeks of the term's months outside them that hold a
// registered day (a lesson in the vacation), so that no registered hour of the term is left out.
QList<TallyWeek> termTallyWeeks(const AppState& state, int term);

// Prints the sheet of term 1, 2 or 3 and ends the document. Recomputes objYearResult and its terms
// from the recorded days first and changes nothing else of the plan.
void subPrintSeasonTotal(AppState& state, Printer& printer, int term, const PrintableArea& area = {});
