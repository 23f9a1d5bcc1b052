// The timetable sheet of a term on one landscape page: a row per week of the term with every
// day's date, the subject taught in each period and the registered day's event, and at the foot the
// term's school days and its plan, actual hours and difference per subject.
#pragma once

#include "reports/sheetpage.h"

struct AppState;
class Printer;

// Prints the sheet of term 1, 2 or 3 and ends the document. Recomputes objYearResult and its terms
// from the recorded days first and changes nothing else of the plan.
void subPrintSeasonTimeChart(AppState& state, Printer& printer, int term, const PrintableArea& area = {});
