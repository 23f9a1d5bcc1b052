// The annual timetable and tally sheet: the whole school year on one landscape page, a row per
// school week with every day's date and periods and the week's hours per subject, and below each
// term and at the foot the plan, actual hours and difference of the term and the year.
#pragma once

#include "reports/sheetpage.h"
#include "reports/termweeks.h"

#include <array>

struct AppState;
class Printer;

using YearSheetTerm = TermWeeks;
// The annual sheet's week rows are the terms' rows every sheet shares.
std::array<YearSheetTerm, 3> yearSheetTerms(const AppState& state);

// Where the drawing ends, in twips, before any fitting to the page.
double yearSheetBottom(const std::array<YearSheetTerm, 3>& terms);

// Lowest y the sheet may reach on an A4 landscape page with the printers' usual margins.
inline constexpr double kYearSheetPageBottom = kLandscapeAreaHeight;

// Prints the sheet and ends the document. Recomputes objYearResult and its terms from the recorded
// days first and changes nothing else of the plan.
void subPrintYear(AppState& state, Printer& printer, const PrintableArea& area = {});
