// The whole-school sheet "学校全体の授業時数集計": A4 landscape, one page per school year (more when
// a year has more classes than a page holds), a row per class in the order of the summary, and for
// each subject the hours registered and the difference from the year's plan, for the two totals
// also the plan.
#pragma once

#include "core/unitcounts.h"
#include "reports/yearsheet.h"

#include <vector>

struct SchoolSummary;
struct SchoolYearTable;
class Printer;

inline constexpr int kSummaryRowsPerPage = 36;

// The fields a page lists: the subjects, then 総授業時数 and 総時数 (the other subtotals and the cut
// and spare time follow from them).
std::vector<Field> summarySheetSubjects(const SchoolYearTable& table);

// Pages the summary takes.
int summarySheetPages(const SchoolSummary& summary);

// Prints every page and ends the document; drawn smaller as a whole when the area is smaller than
// an A4 page with the usual margins.
void subPrintSchoolSummary(const SchoolSummary& summary, Printer& printer, const PrintableArea& area = {});
