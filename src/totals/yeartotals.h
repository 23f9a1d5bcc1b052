// Year totals as the sum of three terms, and the assignment of registered days to terms by month.
#pragma once

#include "core/appstate.h"
#include "core/rivoyeartotal.h"

// The year's fields from its terms as they stand; subtotals from the summed subject fields.
// A missing term adds nothing.
void calculate(RivoYearTotal& year);
// Each term from its days first, then the year (initials counted as the catalogue says; without
// one, as the basic catalogue does).
void full_calculate(RivoYearTotal& year, const TimeCredit& strTimeCredit, const Catalogue& catalogue);
void full_calculate(RivoYearTotal& year, const TimeCredit& strTimeCredit);

// Points each term's range at its registered days: April–July, August–December, January–March.
// With a valid `until`, days after it are left out.
void assignDaysToTerms(RivoYearTotal& result, RivoDayTime& head, const QDate& until = {});

// The results of the year from the recorded days: assignment, terms, year.
void computeYearResult(AppState& state);
