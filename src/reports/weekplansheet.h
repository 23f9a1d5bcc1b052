// The weekly timetable poster: one portrait page with the six weekdays by the seven periods, each
// lesson as a picture of its subject with the period's length beneath. Grades 1 and 2 get the
// children's wording in hiragana and the hiragana pictures.
#pragma once

#include "reports/printablearea.h"

struct AppState;
class Printer;
class QPagedPaintDevice;

// A4 portrait less the printers' usual margins: the poster is drawn at its own size there.
inline constexpr PrintableArea kWeekPlanPage{11300, 16200};

// The printable area of the device's page turned to portrait; kWeekPlanPage when unknown.
PrintableArea portraitArea(const QPagedPaintDevice& device);

// Prints the poster and ends the document. A poster larger than the area (wide margins) is drawn
// smaller as a whole. Changes nothing in the plan.
void subPrintWeekPlan(const AppState& state, Printer& printer, const PrintableArea& area = kWeekPlanPage);
